#pragma once
// Locks between program instances, on a companion file of the table (".travas/X.DAT.lck").
// They are open-file-description byte locks: the system drops them when the process ends,
// however it ends, so a station that crashes never leaves a record locked.
//   byte 0        the table: shared while open, exclusive for an exclusive open
//   byte 1 + id   one record, while it is being edited
#include <cstdint>
#include <filesystem>

#include "data/store/backend.h"
#include "data/store/database.h"

namespace store {

class FileLocks : public RecordLocks {
  public:
    FileLocks(const std::filesystem::path& tablePath, const LockSettings& settings,
              const ErrorContext& context);
    ~FileLocks() override;
    FileLocks(const FileLocks&) = delete;
    FileLocks& operator=(const FileLocks&) = delete;

    void lockTable(bool exclusive) override;
    void lockRecord(std::int64_t rowid) override;
    void unlockRecord(std::int64_t rowid) override;

  private:
    bool tryLock(std::int64_t offset, bool exclusive);
    void lockWithRetries(std::int64_t offset, bool exclusive, const char* what);

    int fd_ = -1;
    LockSettings settings_;
    const ErrorContext& context_;
};

}  // namespace store
