#pragma once
// A fresh directory under the system temporary folder, removed with everything in it
// when the object goes away.
#include <filesystem>
#include <string>

namespace testsupport {

class TempDir {
public:
    explicit TempDir(const std::string& prefix = "velmora-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace testsupport
