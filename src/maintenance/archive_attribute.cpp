#include "maintenance/archive_attribute.h"

#include <sys/xattr.h>

#include <string>
#include <system_error>

namespace maintenance {

namespace {

constexpr const char* kAttributeName = "user.velmora.archived";

std::string stamp(std::filesystem::file_time_type time) {
    return std::to_string(time.time_since_epoch().count());
}

}  // namespace

bool archiveAttributeSet(const std::filesystem::path& file) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(file, error);
    if (error) return true;
    char value[32];
    const ssize_t length = getxattr(file.c_str(), kAttributeName, value, sizeof value);
    if (length <= 0) return true;
    return std::string(value, static_cast<std::size_t>(length)) != stamp(written);
}

void clearArchiveAttribute(const std::filesystem::path& file, std::filesystem::file_time_type storedTime) {
    // Best effort: a file system without extended attributes keeps every file marked as changed.
    const std::string value = stamp(storedTime);
    setxattr(file.c_str(), kAttributeName, value.data(), value.size(), 0);
}

}  // namespace maintenance
