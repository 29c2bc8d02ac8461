// Two real processes on one data set, at the same moment: a data directory and a server.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "bank/ledger.h"
#include "bank_fixture.h"
#include "support/processes.h"
#include "support/temp_dir.h"

namespace banktest {
namespace {

using core::Date;

constexpr Date kDay{2025, 5, 10};

class Quiet final : public data::Messages {
  public:
    void inform(const std::string&) override {}
};

// A station that waits for the start signal, then does `work` on its own data module.
template <typename Work>
pid_t station(const store::Location& dataSet, const std::filesystem::path& go, Work work) {
    return testsupport::spawn([dataSet, go, work] {
        Quiet quiet;
        data::Tdm dm{dataSet, quiet};
        while (!std::filesystem::exists(go)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return work(dm);
    });
}

using BankStationsTest = testsupport::OnEveryBackend<BankTest>;
DATA_ON_EVERY_BACKEND(BankStationsTest);

TEST_P(BankStationsTest, TwoStationsDeletingOneLineTakeItOffItsDayOnce) {
    bank::registerEntry(dm, {"11", kDay, bank::kCredito, "", kDay, reais("100,00"), "DEPOSITO"});
    const std::int64_t debit =
        bank::registerEntry(dm, {"11", kDay, bank::kDebito, "", kDay, reais("30,00"), "CHEQUE"});
    const testsupport::TempDir signals;
    const std::filesystem::path go = signals / "go";
    auto remove = [debit](data::Tdm& other) {
        try {
            bank::deleteEntry(other, debit);
            return 0;
        } catch (const data::Refusal&) {
            return 1;
        }
    };
    const pid_t a = station(dataSet(), go, remove);
    const pid_t b = station(dataSet(), go, remove);
    std::filesystem::create_directory(go);
    const int codes = testsupport::exitCodeOf(a) + testsupport::exitCodeOf(b);
    EXPECT_EQ(codes, 1) << "one deletes, the other is refused";
    EXPECT_EQ(count(dm.TbBanco), 1);
    EXPECT_EQ(balance("11", kDay), reais("100,00"));
}

TEST_P(BankStationsTest, TwoStationsOpeningOneDayShareOneRowHoldingBoth) {
    const testsupport::TempDir signals;
    const std::filesystem::path go = signals / "go";
    auto enter = [](const char* valor) {
        return [valor](data::Tdm& other) {
            bank::registerEntry(other, {"11", kDay, bank::kCredito, "", kDay, reais(valor), "DEPOSITO"});
            return 0;
        };
    };
    const pid_t a = station(dataSet(), go, enter("100,00"));
    const pid_t b = station(dataSet(), go, enter("25,00"));
    std::filesystem::create_directory(go);
    EXPECT_EQ(testsupport::exitCodeOf(a), 0);
    EXPECT_EQ(testsupport::exitCodeOf(b), 0);
    EXPECT_EQ(count(dm.TbBanco), 2);
    EXPECT_EQ(count(dm.TbSaldos), 1);
    EXPECT_EQ(balance("11", kDay), reais("125,00"));
}

}  // namespace
}  // namespace banktest
