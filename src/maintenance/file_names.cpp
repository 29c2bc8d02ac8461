#include "maintenance/file_names.h"

#include <algorithm>

namespace maintenance {

char lowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) { return lowerCase(c); });
    return result;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerCase(x) == lowerCase(y); });
}

std::string_view fileNamePart(std::string_view storedName) {
    std::size_t slash = storedName.find_last_of("\\/");
    return slash == std::string_view::npos ? storedName : storedName.substr(slash + 1);
}

bool isPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('\0') == std::string_view::npos &&
           name.find_first_of("\\/") == std::string_view::npos;
}

bool isRestoreLeftover(std::string_view name) {
    return name.starts_with(kRestoreStagingPrefix);
}

}  // namespace maintenance
