#include "support/data_fixture.h"

#include <utility>

#include "data/initial_data.h"
#include "support/server_schema.h"

namespace testsupport {
namespace {

store::Location locationOn(Backend backend, const std::filesystem::path& directory) {
    if (backend == Backend::Postgres)
        return store::Location(store::ServerConnection{serverConnectionFor(directory)});
    return store::Location(directory);
}

}  // namespace

InitialDataDirectory::InitialDataDirectory(bool demo) : TempDir("velmora-data") {
    data::createInitialData(path(), demo);
}

std::string nameOf(Backend backend) {
    return backend == Backend::Postgres ? "postgres" : "sqlite";
}

InitialDataSet::InitialDataSet(Backend backend, bool demo)
    : location_(locationOn(backend, directory_.path())) {
    data::createInitialData(location_, demo);
}

std::vector<AuditRow> auditTrail(const store::Location& dataSet) {
    RecordingMessages quiet;
    data::Tdm station(dataSet, quiet);
    store::Table& trail = station.TbAuditoria;
    trail.open();
    std::vector<AuditRow> rows;
    for (trail.first(); !trail.eof(); trail.next()) {
        const auto text = [&](const char* name) { return trail.field(name).asString(); };
        rows.push_back({text("Acao"), text("Usuario"), text("Autorizou"), text("Tabela"), text("Chave"),
                        text("Resumo"), text("Motivo")});
    }
    return rows;
}

Backend& detail::nextDataTestBackend() {
    static Backend backend = Backend::Sqlite;
    return backend;
}

DataTest::DataTest() : dataSet_(std::exchange(detail::nextDataTestBackend(), Backend::Sqlite)) {}

}  // namespace testsupport
