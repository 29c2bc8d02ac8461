#pragma once
// The cash conference of a period: what the drawer took in each form of payment, every paid
// sale item with its commission, each employee's services, commissions and advances, and
// the withdrawals and advances paid. Gathered in one walk and held in memory, so the report
// prints (and prints again from its preview) exactly the figures that were added up.
#include <cstdint>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/pass_progress.h"
#include "core/period.h"

namespace data {
class Tdm;
}

namespace reports {

// A sale item as the conference lists it; texts as the table shows them.
struct ConferenceItem {
    std::string data;
    std::string cliente;
    std::string descricao;
    std::string funcionario;
    std::string pgto;
    core::Currency comissao;  // the percentage
    core::Currency total;
    core::Currency comi;  // the commission earned, to the cent
};

struct ConferenceEmployee {
    std::int64_t codigo = 0;
    std::string funcionario;
    core::Currency servicos;
    core::Currency comissao;
    core::Currency vales;
    core::Currency total() const { return comissao - vales; }
};

struct ConferenceTotals {
    core::Currency dinheiro;
    core::Currency cheque;
    core::Currency cartao;  // credit card
    core::Currency debito;  // debit card
    core::Currency notinhas;
    core::Currency servicos;
    core::Currency comissoes;
    core::Currency vales;
    core::Currency retiradas;
    // Advances paid in cash: those, unlike advances by cheque, left the drawer.
    core::Currency valesEmDinheiro;

    // Every form the drawer recorded, notes included ("T. CAIXA").
    core::Currency caixa() const { return dinheiro + cheque + cartao + debito + notinhas; }
    core::Currency retiradasEVales() const { return retiradas + vales; }
    // The cash takings less what was taken out of the drawer in cash.
    core::Currency dinheiroEmCaixa() const { return dinheiro - retiradas - valesEmDinheiro; }
};

struct CashConference {
    core::Period period;
    ConferenceTotals totals;
    std::vector<ConferenceItem> items;          // by date
    std::vector<ConferenceEmployee> employees;  // by code
};

// Three passes over the period: the cash records by opening date, the sale items by date
// (only those of paid sales: an item whose sale was never paid carries no payment form and
// earns nobody a commission) and the paid bills by payment date, advancing `progress` once
// per record and starting it again at each pass. TbCaixa, TbItensServico (master link
// included) and TbBaixaP are put back however the walk ends, core::PassCancelled included.
CashConference gatherConference(data::Tdm& dm, const core::Period& period, core::PassProgress& progress);

}  // namespace reports
