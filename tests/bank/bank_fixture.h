#pragma once
// A data directory with the salon's two bank accounts, 11 and 22, and what the ledger
// tests read back: lines, day balances, and the rule binding them.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "core/currency.h"
#include "core/date.h"
#include "data/refusal.h"
#include "data/rows.h"
#include "support/data_fixture.h"

namespace banktest {

inline core::Currency reais(const char* text) {
    return *core::Currency::parse(text);
}

using DayKey = std::pair<std::string, std::string>;  // account, ISO day
using DaySums = std::map<DayKey, core::Currency>;

class BankTest : public testsupport::DataTest {
  protected:
    BankTest() {
        addAccount("11", "BANCO DO BRASIL S.A.");
        addAccount("22", "CAIXA");
    }

    void add(store::Table& table, const data::Cells& cells) {
        const bool wasOpen = table.isOpen();
        if (!wasOpen) table.open();
        data::addRow(table, cells);
        if (!wasOpen) table.close();
    }

    void addAccount(const std::string& conta, const std::string& nome, const data::Cells& more = {}) {
        data::Cells cells{{"Conta", conta}, {"Agencia", "0042"}, {"Nome", nome}};
        cells.insert(cells.end(), more.begin(), more.end());
        add(dm.TbConta, cells);
    }

    int count(store::Table& t) {
        const bool wasOpen = t.isOpen();
        if (!wasOpen) t.open();
        t.cancelRange();
        t.setIndexName({});
        t.refresh();
        const int n = t.recordCount();
        if (!wasOpen) t.close();
        return n;
    }

    // The day's balance of an account, or nothing when it has no row.
    std::optional<core::Currency> balance(const std::string& conta, const core::Date& day) {
        store::Table& t = dm.TbSaldos;
        const bool wasOpen = t.isOpen();
        if (!wasOpen) t.open();
        t.refresh();
        std::optional<core::Currency> found;
        if (t.findKey({store::Value{conta}, store::Value{day.toIso()}}))
            found = t.field("Saldo").asCurrency();
        if (!wasOpen) t.close();
        return found;
    }

    // Every (account, day) of a table with the sum of `amounts`.
    template <typename Amount>
    DaySums sums(store::Table& t, const char* dayField, Amount amount) {
        const bool wasOpen = t.isOpen();
        if (!wasOpen) t.open();
        t.cancelRange();
        t.setIndexName({});
        t.refresh();
        DaySums out;
        for (t.first(); !t.eof(); t.next()) {
            const core::Date day = t.field(dayField).asDate();
            if (day.isNull()) continue;
            out[{t.field("Conta").asString(), day.toIso()}] += amount(t);
        }
        if (!wasOpen) t.close();
        return out;
    }

    // The ledger's rule: for every account and day, TbSaldos holds the sum of that day's
    // lines (a day whose lines are all gone may keep a row at 0,00).
    void expectBalancesMatchLines() {
        const DaySums lines = sums(dm.TbBanco, "DataApre", [](store::Table& t) {
            return t.field("ValorCredito").asCurrency() + t.field("ValorDebto").asCurrency();
        });
        DaySums saldos =
            sums(dm.TbSaldos, "Data", [](store::Table& t) { return t.field("Saldo").asCurrency(); });
        for (const auto& [key, sum] : lines) {
            EXPECT_EQ(saldos[key], sum) << key.first << " " << key.second;
            saldos.erase(key);
        }
        for (const auto& [key, saldo] : saldos)
            EXPECT_EQ(saldo, core::Currency()) << "no lines left on " << key.first << " " << key.second;
    }

    template <typename Action>
    void expectRefusal(const std::string& message, Action action) {
        try {
            action();
            ADD_FAILURE() << message << " not refused";
        } catch (const data::Refusal& refusal) {
            EXPECT_EQ(refusal.what(), message);
        }
    }
};

}  // namespace banktest
