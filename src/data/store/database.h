#pragma once
// The data set as the table store sees it: which backend keeps its tables (the table files
// of a data directory), and how long a lock held elsewhere is waited for.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace store {

class Backend;
class Scope;
class Table;

// A data set on a database server: a libpq connection string or service name
// ("host=… dbname=… user=…", "service=velmora"). The password is never in it: libpq's own
// password or service file holds it.
struct ServerConnection {
    std::string connection;
};

// Where a data set's tables are: the table files of a data directory, or a server.
struct Location {
    Location(std::filesystem::path directory) : directory(std::move(directory)) {}
    Location(ServerConnection server) : server(std::move(server)) {}
    bool onServer() const { return server.has_value(); }
    // "o diretório de dados /x" or "o servidor de dados host=… dbname=…", for messages.
    std::string describe() const;

    std::filesystem::path directory;
    std::optional<ServerConnection> server;
};

struct LockSettings {
    int retryCount = 15;
    std::chrono::milliseconds waitTime{100};
};

class Database {
  public:
    explicit Database(std::filesystem::path directory, LockSettings locks = {})
        : Database(Location(std::move(directory)), locks) {}
    // A server is connected to at once: throws ConnectionError when it cannot be reached.
    explicit Database(Location location, LockSettings locks = {});
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const std::filesystem::path& directory() const { return directory_; }
    // Points the store at another directory; tables opened afterwards use it.
    void setDirectory(std::filesystem::path directory) {
        directory_ = std::move(directory);
        if (!dataSet_.onServer()) dataSet_.directory = directory_;
    }
    const LockSettings& lockSettings() const { return locks_; }
    std::filesystem::path pathOf(const std::string& fileName) const { return directory_ / fileName; }

    Backend& backend() { return *backend_; }
    // True when the tables are files of the data directory (repair and file backups apply).
    bool keepsTableFiles() const;
    // Where the tables are, for messages and captions: the folder, or the server and database.
    std::string location() const;
    // The data set as it was given, for opening it again elsewhere (a copy of it, say).
    const Location& dataSet() const { return dataSet_; }
    // Diagnostics: how many times the data set has waited on its database server so far (each
    // statement sent, each connection made). Always 0 for a data directory.
    std::int64_t serverRoundTrips() const;

    // The posting or consistent read now running on this data set, if any: while it runs,
    // every table of its files reads and writes through it.
    Scope* activeScope() const { return activeScope_; }
    void setActiveScope(Scope* scope) { activeScope_ = scope; }

    // Every table over this data set registers itself while it exists.
    void attach(Table* table);
    void detach(Table* table);
    // Reads again the open tables in browse state over files other stations have written
    // since the last call (as far as the backend hears of them), each keeping its current
    // record. A table being edited or inserted into is left alone and read again at a later
    // call once back in browse state; while a posting or a consistent read runs, nothing is
    // read. How many were read again; a lost connection is left for the next action to report.
    int refreshChangedElsewhere();

  private:
    Location dataSet_;
    std::filesystem::path directory_;
    LockSettings locks_;
    std::unique_ptr<Backend> backend_;
    Scope* activeScope_ = nullptr;
    std::vector<Table*> tables_;
    std::vector<std::string> pending_;  // files written elsewhere, not yet read again by every table
};

}  // namespace store
