#include "support/data_fixture.h"

#include "data/initial_data.h"

namespace testsupport {

InitialDataDirectory::InitialDataDirectory(bool demo) : TempDir("velmora-data") {
    data::createInitialData(path(), demo);
}

}  // namespace testsupport
