#pragma once
// The data module: one per program run. It owns the database connection, every table
// component (named as the rest of the program names it: dm.TbCliente) with its hooks and
// master links, and the data sources screens bind to. A table's current record is shared
// by every screen that uses the component.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/scratch_directory.h"
#include "data/store/database.h"
#include "data/store/table.h"

namespace data {

class Messages;

// Binds screen controls to a table. With autoEdit, typing into a bound control starts an edit.
struct DataSource {
    store::Table& table;
    bool autoEdit = true;
};

class Tdm {
    // Declared first: built before the tables and gone after them.
    Messages& messages_;
    ScratchDirectory scratchDirectory_;

  public:
    // Points the store at the data set (a data directory or a server) and opens TbSenha,
    // TbConfig, TbAcesso and TbItemAcesso, in that order. Refuses (store::Error) a data set
    // whose tables moved elsewhere or that is an unfinished copy. A table that will not open is reported with
    // the store's own message and stays closed; the program goes on without it.
    Tdm(store::Location dataSet, Messages& messages);
    Tdm(std::filesystem::path dataDirectory, Messages& messages)
        : Tdm(store::Location(std::move(dataDirectory)), messages) {}
    // Closes every table still open; unposted changes are dropped, posted ones are on disk.
    ~Tdm();
    Tdm(const Tdm&) = delete;
    Tdm& operator=(const Tdm&) = delete;

    // The shared data directory, with the lock settings every station uses.
    store::Database DbVelmora;
    // This instance's own directory for the work tables and buffers; it exists only once a
    // work table has been opened, and is removed with the data module.
    store::Database DbTrabalho;

    // Masters come before their details: a detail unlinks from its master when it goes.
    // Registers, users and settings.
    store::Table TbCliente = component("TbCliente");
    store::Table TbFoto = component("TbFoto");
    store::Table TbFuncionario = component("TbFuncionario");
    store::Table TbHora = component("TbHora");
    store::Table TbFornec = component("TbFornec");
    store::Table TbProdutos = component("TbProdutos");
    store::Table TbDuplicado = component("TbDuplicado");
    store::Table TbPlano = component("TbPlano");
    store::Table TbConta = component("TbConta");
    store::Table TbSenha = component("TbSenha");
    store::Table TbAcesso = component("TbAcesso");
    store::Table TbItemAcesso = component("TbItemAcesso");
    store::Table TbConfig = component("TbConfig");
    store::Table TbContador = component("TbContador");
    store::Table TbAuditoria = component("TbAuditoria");
    // Sales, tickets, appointments, cash, receivables, payables, bank and stock.
    store::Table TbServico = component("TbServico");
    store::Table TbItensServico = component("TbItensServico");
    store::Table TbComando = component("TbComando");
    store::Table TbItemComando = component("TbItemComando");
    store::Table TbHistorico = component("TbHistorico");
    store::Table TbAgenda = component("TbAgenda");
    store::Table TbCaixa = component("TbCaixa");
    store::Table TbReceber = component("TbReceber");
    store::Table TbBaixaR = component("TbBaixaR");
    store::Table TbPagar = component("TbPagar");
    store::Table TbBaixaP = component("TbBaixaP");
    store::Table TbBanco = component("TbBanco");
    store::Table TbSaldos = component("TbSaldos");
    store::Table TbEntrada = component("TbEntrada");
    store::Table TbItemEntrada = component("TbItemEntrada");
    // Work tables and single-row buffers, private to this instance (see openWorkTable).
    store::Table TbVirtual = component("TbVirtual");
    store::Table TbVirtualR = component("TbVirtualR");
    store::Table TbVirtualP = component("TbVirtualP");
    store::Table TbTemp = component("TbTemp");
    store::Table TbPagarPC = component("TbPagarPC");
    store::Table TbAtende = component("TbAtende");
    store::Table TbCredito = component("TbCredito");
    store::Table TbAtual = component("TbAtual");
    store::Table TbSoma = component("TbSoma");
    store::Table TbDatas = component("TbDatas");

    // Data sources: the screens bind their controls through these. Those without automatic
    // editing make the screen start the edit with its change button.
    DataSource DsCliente{TbCliente, false};
    DataSource DsFoto{TbFoto};
    DataSource DsFuncionario{TbFuncionario, false};
    DataSource DsHora{TbHora};
    DataSource DsFornec{TbFornec, false};
    DataSource DsProdutos{TbProdutos};
    DataSource DsDuplicado{TbDuplicado};
    DataSource DsPlano{TbPlano, false};
    DataSource DsConta{TbConta};
    DataSource DsSenha{TbSenha};
    DataSource DsAcesso{TbAcesso};
    DataSource DsItemAcesso{TbItemAcesso};
    DataSource DsConfig{TbConfig};
    DataSource DsContador{TbContador};
    DataSource DsServico{TbServico};
    DataSource DsItensServico{TbItensServico};
    DataSource DsComando{TbComando, false};
    DataSource DsItemComando{TbItemComando};
    DataSource DsHistorico{TbHistorico};
    DataSource DsAgenda{TbAgenda};
    DataSource DsCaixa{TbCaixa};
    DataSource DsReceber{TbReceber, false};
    DataSource DsBaixaR{TbBaixaR};
    DataSource DsPagar{TbPagar, false};
    DataSource DsBaixaP{TbBaixaP};
    DataSource DsBanco{TbBanco, false};
    DataSource dsSaldos{TbSaldos};
    DataSource DsEntrada{TbEntrada, false};
    DataSource DsItemEntrada{TbItemEntrada};
    DataSource DsVirtual{TbVirtual};
    DataSource DsVirtualR{TbVirtualR};
    DataSource DsVirtualP{TbVirtualP};
    DataSource DsTemp{TbTemp};
    DataSource DsPagarPC{TbPagarPC};
    DataSource DsAtende{TbAtende};
    DataSource DsCredito{TbCredito};
    DataSource DsAtual{TbAtual};
    DataSource DsSoma{TbSoma};
    DataSource DsDatas{TbDatas};

    // Who logged in on this station, for the audit trail; nobody (code 0) before a login and
    // for the command line.
    struct Operator {
        std::int64_t codigo = 0;
        std::string nome;
    };
    Operator loggedIn;

    // Every table component, in catalogue order.
    const std::vector<store::Table*>& tables() const { return tables_; }
    // The component of this name; throws std::out_of_range for an unknown one.
    store::Table& table(std::string_view component) const;

    // Opens a work table or buffer (TbVirtual, TbDatas...), creating its private file the
    // first time; a single-row buffer is created with its one empty row. Reports then
    // empty and refill it at will. A shared table here is a programming error
    // (std::logic_error).
    void openWorkTable(store::Table& table);

  private:
    store::Table component(std::string_view name);
    void linkDetails();
    void attachHooks();

    std::vector<store::Table*> tables_;
};

}  // namespace data
