#pragma once
// Name rules of the archive: stored names are full paths in lower case, compared without
// regard to case, and restored under their last component only.
#include <string>
#include <string_view>

namespace maintenance {

// ASCII letters only, so the bytes of UTF-8 names are never broken apart.
char lowerCase(char c);
std::string lowerCase(std::string_view text);
bool equalIgnoringCase(std::string_view a, std::string_view b);

// The part of a stored name after its last "\" or "/": "..\..\evil" gives "evil".
std::string_view fileNamePart(std::string_view storedName);
// A name that may be created inside a folder: not empty, not "." or "..", no NUL byte.
bool isPlainFileName(std::string_view name);

// A restore writes each file under a hidden name beginning so, then renames it into place. Such
// a file left by an interrupted restore is never data: backups leave it out and a restore
// refuses an archive entry named so, which could pass for a half-written file.
inline constexpr std::string_view kRestoreStagingPrefix = ".velmora-restore-";
bool isRestoreLeftover(std::string_view name);

}  // namespace maintenance
