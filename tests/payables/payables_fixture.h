#pragma once
// A data directory with a bank account, an open cash and a bill typed on the entry screen.
#include <cstdint>
#include <string>

#include "core/currency.h"
#include "data/rows.h"
#include "data/store/posting.h"
#include "payables/bill_entry.h"
#include "support/data_fixture.h"

namespace payablestest {

inline core::Currency reais(const char* text) {
    return *core::Currency::parse(text);
}

class PayablesTest : public testsupport::DataTest {
  protected:
    void add(store::Table& table, const data::Cells& cells) {
        const bool wasOpen = table.isOpen();
        if (!wasOpen) table.open();
        data::addRow(table, cells);
        if (!wasOpen) table.close();
    }

    void addAccount(const std::string& conta) {
        add(dm.TbConta, {{"Conta", conta}, {"Agencia", "0042"}, {"Nome", "BANCO DO SALÃO"}});
    }

    void addCash(const char* status) {
        add(dm.TbCaixa, {{"Contador", std::int64_t{1}}, {"Status", status}, {"DinheiroTOTAL", 0.0}});
    }

    // What "&Novo" stores: an empty bill; its number.
    std::int64_t newBill() {
        store::Table& t = dm.TbPagar;
        if (!t.isOpen()) t.open();
        store::post({&t, &dm.TbContador}, [&] {
            t.insert();
            t.post();
        });
        return t.field("Contador").asInteger();
    }

    payables::BillEntry entry(const char* valor, const std::string& conta = "",
                              const std::string& forma = "BOLETO") {
        payables::BillEntry e;
        e.bill = newBill();
        e.dataLan = {2025, 5, 1};
        e.dataVen = {2025, 5, 10};
        e.valor = reais(valor);
        e.descricao = "LUZ";
        e.documento = "NF10";
        e.formaPG = forma;
        e.conta = conta;
        return e;
    }

    int count(store::Table& t) {
        const bool wasOpen = t.isOpen();
        if (!wasOpen) t.open();
        t.cancelRange();
        t.setIndexName({});
        t.setFiltered(false);
        const int n = t.recordCount();
        if (!wasOpen) t.close();
        return n;
    }

    // The day's balance of an account, or nothing when it has no row.
    std::optional<core::Currency> balance(const std::string& conta, const core::Date& day) {
        store::Table& t = dm.TbSaldos;
        if (!t.isOpen()) t.open();
        t.refresh();
        if (!t.findKey({store::Value{conta}, store::Value{day.toIso()}})) return std::nullopt;
        return t.field("Saldo").asCurrency();
    }
};

}  // namespace payablestest
