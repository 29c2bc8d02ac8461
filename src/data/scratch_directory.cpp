#include "data/scratch_directory.h"

#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

namespace data {

ScratchDirectory::~ScratchDirectory() {
    if (!path_) return;
    std::error_code ignored;  // nothing sensible to do about a leftover in the temporary folder
    std::filesystem::remove_all(*path_, ignored);
}

const std::filesystem::path& ScratchDirectory::path() {
    if (path_) return *path_;
    const std::string pattern =
        (std::filesystem::temp_directory_path() / ("velmora-" + std::to_string(getpid()) + "-XXXXXX"))
            .string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr)
        throw std::filesystem::filesystem_error("não foi possível criar a pasta de trabalho", pattern,
                                                std::error_code(errno, std::generic_category()));
    path_ = std::filesystem::path(buffer.data());
    return *path_;
}

}  // namespace data
