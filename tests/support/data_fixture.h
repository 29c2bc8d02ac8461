#pragma once
// A fresh data directory holding the initial data set, with a data module on it and a
// record of every message the data module shows. Test targets that use it link velmora_data.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/dm.h"
#include "data/messages.h"
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

class DataTest : public ::testing::Test {
  protected:
    const std::filesystem::path& dataDir() const { return directory_.path(); }

    InitialDataDirectory directory_;
    RecordingMessages messages;
    data::Tdm dm{directory_.path(), messages};
};

}  // namespace testsupport
