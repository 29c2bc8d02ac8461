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

Backend& detail::nextDataTestBackend() {
    static Backend backend = Backend::Sqlite;
    return backend;
}

DataTest::DataTest() : dataSet_(std::exchange(detail::nextDataTestBackend(), Backend::Sqlite)) {}

}  // namespace testsupport
