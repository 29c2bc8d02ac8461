#pragma once
// The archive attribute ("changed since the last backup") on file systems that have none:
// a file is marked archived by an extended attribute holding the write time it had when it
// was stored, so writing it again, or replacing it, sets the attribute again. Where extended
// attributes are not supported, every file counts as changed, so nothing is ever left out.
#include <filesystem>

namespace maintenance {

bool archiveAttributeSet(const std::filesystem::path& file);
// Marks `file` as stored with the write time `storedTime` it had when it was read.
void clearArchiveAttribute(const std::filesystem::path& file, std::filesystem::file_time_type storedTime);

}  // namespace maintenance
