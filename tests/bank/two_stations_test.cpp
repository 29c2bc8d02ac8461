// Two real processes on one data directory, at the same moment.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "bank/ledger.h"
#include "bank_fixture.h"
#include "support/processes.h"

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
pid_t station(const std::filesystem::path& dir, const std::filesystem::path& go, Work work) {
    return testsupport::spawn([dir, go, work] {
        Quiet quiet;
        data::Tdm dm{dir, quiet};
        while (!std::filesystem::exists(go)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return work(dm);
    });
}

TEST_F(BankTest, TwoStationsDeletingOneLineTakeItOffItsDayOnce) {
    bank::registerEntry(dm, {"11", kDay, bank::kCredito, "", kDay, reais("100,00"), "DEPOSITO"});
    const std::int64_t debit =
        bank::registerEntry(dm, {"11", kDay, bank::kDebito, "", kDay, reais("30,00"), "CHEQUE"});
    const std::filesystem::path go = dataDir() / "go";
    auto remove = [debit](data::Tdm& other) {
        try {
            bank::deleteEntry(other, debit);
            return 0;
        } catch (const data::Refusal&) {
            return 1;
        }
    };
    const pid_t a = station(dataDir(), go, remove);
    const pid_t b = station(dataDir(), go, remove);
    std::filesystem::create_directory(go);
    const int codes = testsupport::exitCodeOf(a) + testsupport::exitCodeOf(b);
    EXPECT_EQ(codes, 1) << "one deletes, the other is refused";
    EXPECT_EQ(count(dm.TbBanco), 1);
    EXPECT_EQ(balance("11", kDay), reais("100,00"));
}

TEST_F(BankTest, TwoStationsOpeningOneDayShareOneRowHoldingBoth) {
    const std::filesystem::path go = dataDir() / "go";
    auto enter = [](const char* valor) {
        return [valor](data::Tdm& other) {
            bank::registerEntry(other, {"11", kDay, bank::kCredito, "", kDay, reais(valor), "DEPOSITO"});
            return 0;
        };
    };
    const pid_t a = station(dataDir(), go, enter("100,00"));
    const pid_t b = station(dataDir(), go, enter("25,00"));
    std::filesystem::create_directory(go);
    EXPECT_EQ(testsupport::exitCodeOf(a), 0);
    EXPECT_EQ(testsupport::exitCodeOf(b), 0);
    EXPECT_EQ(count(dm.TbBanco), 2);
    EXPECT_EQ(count(dm.TbSaldos), 1);
    EXPECT_EQ(balance("11", kDay), reais("125,00"));
}

}  // namespace
}  // namespace banktest
