#pragma once
// The data directory as the table store sees it: where the table files are, how long a
// lock held elsewhere is waited for, and what every table connection shares.
#include <chrono>
#include <filesystem>
#include <memory>

namespace store {

class Collations;
class Scope;

struct LockSettings {
    int retryCount = 15;
    std::chrono::milliseconds waitTime{100};
};

class Database {
  public:
    explicit Database(std::filesystem::path directory, LockSettings locks = {});
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const std::filesystem::path& directory() const { return directory_; }
    // Points the store at another directory; tables opened afterwards use it.
    void setDirectory(std::filesystem::path directory) { directory_ = std::move(directory); }
    const LockSettings& lockSettings() const { return locks_; }
    std::filesystem::path pathOf(const std::string& fileName) const { return directory_ / fileName; }

    Collations& collations() { return *collations_; }

    // The posting or consistent read now running on this directory, if any: while it runs,
    // every table of its files reads and writes through it.
    Scope* activeScope() const { return activeScope_; }
    void setActiveScope(Scope* scope) { activeScope_ = scope; }

  private:
    std::filesystem::path directory_;
    LockSettings locks_;
    std::unique_ptr<Collations> collations_;
    Scope* activeScope_ = nullptr;
};

}  // namespace store
