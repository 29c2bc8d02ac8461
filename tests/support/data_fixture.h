#pragma once
// A fresh data set holding the initial data (a data directory, or a schema of its own on the
// test server), with a data module on it and a record of every message the data module shows.
// Test targets that use it link velmora_data.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "data/dm.h"
#include "data/messages.h"
#include "data/store/database.h"
#include "support/temp_dir.h"

namespace testsupport {

class RecordingMessages : public data::Messages {
  public:
    void inform(const std::string& text) override { said.push_back(text); }
    std::vector<std::string> said;
};

// A temporary directory with the initial data set written into it.
class InitialDataDirectory : public TempDir {
  public:
    explicit InitialDataDirectory(bool demo = false);
};

// One row of the audit trail, as a test reads it back.
struct AuditRow {
    std::string acao, usuario, autorizou, tabela, chave, resumo, motivo;
};

// The data set's audit trail as it stands on disk, in order, read by a data module of its own.
std::vector<AuditRow> auditTrail(const store::Location& dataSet);

// Which backend keeps a test's data set.
enum class Backend { Sqlite, Postgres };

// Test names show the backend by name: ".../sqlite", ".../postgres" (the test server's cases).
std::string nameOf(Backend backend);
inline void PrintTo(Backend backend, std::ostream* out) {
    *out << nameOf(backend);
}

// The initial data set on `backend`: the data directory itself, or a schema on the test
// server standing for it (throws when there is no server: such a test fails, never passes).
class InitialDataSet {
  public:
    explicit InitialDataSet(Backend backend, bool demo = false);
    const store::Location& location() const { return location_; }

  private:
    TempDir directory_{"velmora-data"};
    store::Location location_;
};

namespace detail {
// The backend the next DataTest is made on; OnEveryBackend sets it for its case, and a
// DataTest takes it and leaves SQLite for the next.
Backend& nextDataTestBackend();
}  // namespace detail

class DataTest : public ::testing::Test {
  protected:
    DataTest();
    // The data set, for the other stations of a test (their own data modules, processes).
    const store::Location& dataSet() const { return dataSet_.location(); }
    // The data directory holding the table files; only a data set on SQLite has one.
    const std::filesystem::path& dataDir() const { return dataSet().directory; }
    bool onServer() const { return dataSet().onServer(); }

    InitialDataSet dataSet_;
    RecordingMessages messages;
    data::Tdm dm{dataSet(), messages};
};

// Takes the case's backend before the fixture is built.
class BackendOfTheCase {
  protected:
    explicit BackendOfTheCase(Backend backend) { detail::nextDataTestBackend() = backend; }
};

// A DataTest fixture whose TEST_P cases run once per backend; instantiate it with
// DATA_ON_EVERY_BACKEND. Its postgres cases run on the test server that `make test` starts.
template <typename Fixture>
class OnEveryBackend : private BackendOfTheCase,
                       public Fixture,
                       public ::testing::WithParamInterface<Backend> {
  protected:
    OnEveryBackend() : BackendOfTheCase(GetParam()) {}
};

inline std::string backendName(const ::testing::TestParamInfo<Backend>& info) {
    return nameOf(info.param);
}

#define DATA_ON_EVERY_BACKEND(fixture)                                                       \
    INSTANTIATE_TEST_SUITE_P(Backends, fixture,                                              \
                             ::testing::Values(::testsupport::Backend::Sqlite,                \
                                               ::testsupport::Backend::Postgres),             \
                             ::testsupport::backendName)

}  // namespace testsupport
