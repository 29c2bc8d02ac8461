#include "data/store/sqlite/file_locks.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "data/store/error.h"

namespace store {
namespace {

bool setLock(int fd, short type, std::int64_t offset, int* error) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = offset;
    lock.l_len = 1;
    if (fcntl(fd, F_OFD_SETLK, &lock) == 0) return true;
    *error = errno;
    return false;
}

}  // namespace

FileLocks::FileLocks(const std::filesystem::path& tablePath, const LockSettings& settings,
                     const ErrorContext& context)
    : settings_(settings), context_(context) {
    // Lock files live in a hidden folder of the data directory, out of the way of the
    // table files and of backups, which take the directory's files without subfolders.
    const auto lockFolder = tablePath.parent_path() / ".travas";
    std::error_code ignored;
    std::filesystem::create_directory(lockFolder, ignored);
    const auto lockPath = lockFolder / (tablePath.filename().string() + ".lck");
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    // A read-only data directory may not let us create the lock file: open it for
    // reading when it exists, and otherwise work without locks (nothing can be written
    // there anyway, and posts report why).
    if (fd_ < 0) fd_ = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
}

FileLocks::~FileLocks() {
    if (fd_ >= 0) ::close(fd_);
}

bool FileLocks::tryLock(std::int64_t offset, bool exclusive) {
    if (fd_ < 0) return true;
    int error = 0;
    if (setLock(fd_, exclusive ? F_WRLCK : F_RDLCK, offset, &error)) return true;
    if (error == EAGAIN || error == EACCES) return false;
    // A file opened read-only cannot take write locks; it cannot be written either.
    if (error == EBADF) return true;
    throw Error(context_.describe() + ": não foi possível bloquear o registro (" + std::strerror(error) +
                ").");
}

void FileLocks::lockWithRetries(std::int64_t offset, bool exclusive, const char* what) {
    for (int attempt = 0;; ++attempt) {
        if (tryLock(offset, exclusive)) return;
        if (attempt >= settings_.retryCount) break;
        std::this_thread::sleep_for(settings_.waitTime);
    }
    throw LockError(context_.describe() + ": " + what);
}

void FileLocks::lockTable(bool exclusive) {
    lockWithRetries(0, exclusive,
                    exclusive
                        ? "a tabela está em uso por outro usuário e não pode ser aberta com exclusividade."
                        : "a tabela está aberta com exclusividade por outro usuário.");
}

void FileLocks::lockRecord(std::int64_t rowid) {
    lockWithRetries(1 + rowid, true, "o registro está bloqueado por outro usuário.");
}

void FileLocks::unlockRecord(std::int64_t rowid) {
    if (fd_ < 0) return;
    int ignored = 0;
    setLock(fd_, F_UNLCK, 1 + rowid, &ignored);
}

}  // namespace store
