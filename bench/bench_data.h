#pragma once
// What the benchmarks over a data set share: the data module's messages go to stderr (nobody
// is there to click them away), and the data set is a fresh one, in memory-backed storage
// where the machine has it, removed when the benchmark ends.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "data/initial_data.h"
#include "data/messages.h"

class StderrMessages final : public data::Messages {
  public:
    void inform(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

class BenchDataSet {
  public:
    explicit BenchDataSet(const std::string& name) : dir_(base() / (name + "-" + std::to_string(getpid()))) {
        data::createInitialData(dir_, false);
    }
    ~BenchDataSet() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    BenchDataSet(const BenchDataSet&) = delete;
    BenchDataSet& operator=(const BenchDataSet&) = delete;

    const std::filesystem::path& path() const { return dir_; }

  private:
    static std::filesystem::path base() {
        return std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                   : std::filesystem::temp_directory_path();
    }

    std::filesystem::path dir_;
};
