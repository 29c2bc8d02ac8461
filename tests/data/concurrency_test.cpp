// Two program instances taking numbers from one data set at the same time: a data directory,
// and a database on the test server.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "support/data_fixture.h"

namespace {

using testsupport::RecordingMessages;

constexpr int kSalesPerStation = 500;

// Runs in a child process: a station recording sales. Exit status 0 when all were stored.
int recordSales(const store::Location& dataSet) {
    try {
        RecordingMessages messages;
        data::Tdm dm(dataSet, messages);
        dm.TbServico.open();
        for (int i = 0; i < kSalesPerStation; ++i) {
            dm.TbServico.insert();
            dm.TbServico.field("Total").setFloat(10);
            dm.TbServico.post();
        }
        return messages.said.empty() ? 0 : 2;
    } catch (const std::exception&) {
        return 1;
    }
}

// The initial data on a directory or on the test server.
class Concurrency : public ::testing::TestWithParam<testsupport::Backend> {
  protected:
    testsupport::InitialDataSet initial{GetParam()};
    const store::Location& dataSet = initial.location();
};

DATA_ON_EVERY_BACKEND(Concurrency);

TEST_P(Concurrency, TwoStationsNeverGetTheSameSaleNumber) {
    std::vector<pid_t> stations;
    for (int station = 0; station < 2; ++station) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) _exit(recordSales(dataSet));
        stations.push_back(pid);
    }
    for (pid_t pid : stations) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }

    RecordingMessages messages;
    data::Tdm dm(dataSet, messages);
    dm.TbServico.open();
    std::set<std::int64_t> numbers;
    for (dm.TbServico.first(); !dm.TbServico.eof(); dm.TbServico.next())
        numbers.insert(dm.TbServico.field("Contador").asInteger());
    EXPECT_EQ(dm.TbServico.recordCount(), 2 * kSalesPerStation);
    EXPECT_EQ(numbers.size(), 2u * kSalesPerStation);
    dm.TbContador.open();
    EXPECT_EQ(dm.TbContador.field("ContServ").asInteger(), 2 * kSalesPerStation + 1);
}

}  // namespace
