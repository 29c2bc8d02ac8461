#pragma once
// A table component: one table file seen through a current index, an optional range,
// filter and master link, with a current record, a state and hooks.
//
// Navigation is keyset-based (each move asks for the next key after the current one),
// so it costs the same on ten rows or a million and memory does not grow with the table.
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/store/backend.h"
#include "data/store/definition.h"
#include "data/store/error.h"
#include "data/store/field.h"
#include "data/store/filter.h"
#include "data/store/predicate.h"
#include "data/store/value.h"

namespace store {

class Database;
class Scope;

enum class TableState { Inactive, Browse, Insert, Edit };
enum class TableEvent {
    Opened,
    Closed,
    Scrolled,      // another record became current
    StateChanged,  // browse, insert, edit
    DataChanged,   // rows visible changed: post, delete, refresh, range, filter, index
    FieldChanged,  // a field of the current record was written
};
enum class PostErrorAction { Fail, Abort };

class Table {
  public:
    // `name` is the component name ("TbCliente"), used in messages.
    Table(Database& database, TableDef definition, std::string name);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const std::string& name() const { return name_; }
    const TableDef& definition() const { return def_; }
    Database& database() const { return database_; }

    // Hooks. OnNewRecord sets defaults and counters of a new record; OnCalcFields fills
    // the calculated fields whenever a record is read; AfterPost runs once a post is on
    // disk; OnPostError may set the action to Abort after telling the user, which makes
    // the post throw Aborted instead of the error.
    std::function<void(Table&)> onNewRecord;
    std::function<void(Table&)> onCalcFields;
    std::function<void(Table&)> afterPost;
    std::function<void(Table&, const Error&, PostErrorAction&)> onPostError;

    // Creates the table file from the definition; an existing file is an error.
    void createTable();
    bool fileExists() const;
    void open();
    void close();  // an unposted insert or edit is discarded
    bool isOpen() const { return state_ != TableState::Inactive; }
    void setExclusive(bool exclusive);
    bool exclusive() const { return exclusive_; }

    // Index selection. The empty name selects the primary index. The range is dropped.
    void setIndexName(const std::string& name);
    const std::string& indexName() const { return indexName_; }
    // Selects the index whose leading fields are these ("Codigo;Ordem").
    void setIndexFieldNames(const std::string& fieldNames);
    const std::vector<std::string>& indexFields() const { return *indexFields_; }

    bool findKey(const std::vector<Value>& values);
    void findNearest(const std::vector<Value>& values);
    void setRange(const std::vector<Value>& start, const std::vector<Value>& end);
    void cancelRange();
    // "Tipo = 'SERVIÇO'" or "Codigo = 3"; takes effect while filtered is on.
    void setFilter(const std::string& filter);
    void setFiltered(bool filtered);
    // Shows only the rows whose leading index fields equal the master's current values of
    // `masterFields` ("Codigo"), following every move of the master. nullptr unlinks.
    void setMasterSource(Table* master, const std::string& masterFields);

    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    bool isEmpty() const { return !current_.has_value() || state_ == TableState::Inactive; }
    int recordCount();
    // Reads the current record and the visible rows again, seeing other stations' posts.
    void refresh();
    // The current record's identity, to come back to it later.
    std::optional<std::int64_t> bookmark() const;
    bool gotoBookmark(std::int64_t rowid);

    void insert();
    void append() { insert(); }
    // Edits the current record; on a table with no current record it starts an insert.
    void edit();
    // Edits the record that is current, and fails when there is none: for code that must
    // change a record it found, never create one.
    void editExisting();
    void post();
    void cancel();
    void deleteRecord();
    void emptyTable();  // refused on an append-only table, as editing and deleting are
    TableState state() const { return state_; }
    bool isEditing() const { return state_ == TableState::Insert || state_ == TableState::Edit; }
    bool modified() const { return modified_; }

    // A report walking many rows reads only the fields it prints (and every index field, so
    // the walk can go on and change index): the others are not read from the file. Until the
    // table closes or readWholeRecords() is called, reading a field left out is an error and
    // so is changing a record, which would need its whole row. Refused on a table with
    // calculated fields, whose inputs the store cannot know.
    void readOnlyFields(const std::vector<std::string>& names);
    void readWholeRecords();

    Field field(const std::string& name);
    std::optional<Field> findField(const std::string& name);
    Field fieldAt(int index) { return Field(*this, index); }
    int fieldCount() const { return static_cast<int>(def_.fields.size()); }
    const Record* currentRecord() const { return current_ ? &*current_ : nullptr; }

    // For grids: visible rows by position (calculated fields filled), and the position of
    // the current record among them. Neither moves the current record.
    std::vector<Record> rowsAt(int offset, int count);
    int currentPosition();
    // Makes the row at this position current.
    bool moveToPosition(int position);

    using Observer = std::function<void(TableEvent)>;
    int subscribe(Observer observer);
    void unsubscribe(int id);

  private:
    friend class Field;
    friend class Scope;

    // Where reads and writes go: the table's own session, or the transaction of the posting
    // or consistent read running over its file.
    Session& route(bool forWriting);
    Scope* scopeOverFile() const;
    TableRef ref() const { return {def_, context_}; }

  public:
    // What a table showed when it first went through a scope, put back if the scope rolls
    // back: the record on show, or an insert begun before the scope (a sale being typed),
    // which survives a failed posting so that it can be tried again.
    struct BeforeScope {
        std::optional<std::int64_t> shownRow;
        std::optional<Record> pendingInsert;
        std::optional<Record> beforeInsert;
        std::vector<bool> dirty;
        bool modified = false;
    };

  private:
    BeforeScope stateBeforeScope() const;
    void afterScope(bool committed, const BeforeScope& before) noexcept;
    void unlockRecord(std::int64_t rowid);

    void requireOpen(const char* action) const;
    void requireWholeRecords(const char* action) const;
    [[noreturn]] void fail(const std::string& cause) const;
    void checkBrowseMode();
    void setState(TableState state);
    void writeField(int index, Value value);
    const Value& readField(int index) const;
    void recalculate();

    void selectIndex(const std::string& name, const std::vector<std::string>& fields, bool caseInsensitive);
    // The current index's fields as the index orders them, and with the row identity last.
    std::vector<KeyColumn> keyColumns() const;
    std::vector<KeyColumn> orderColumns() const;
    std::vector<Value> normalizedKey(const std::vector<Value>& values) const;
    std::vector<Value> keyOf(const Record& record) const;
    // Rows the range, master link and filter let through; without the range's lower bound
    // for a walk onwards from a row past it, whose own key bound is stricter and is then the
    // one to seek by (with both, an index may be sought by the range's and scanned from its start).
    Predicate visiblePredicate(bool rangeStart = true) const;
    void followMaster();
    // Whether a row walked from is at or after the range's start, which the walk's own key
    // bound then implies.
    bool meetsRangeStart(const Record& record);

    std::vector<Record> fetch(const Predicate& where, bool descending, int limit, int offset);
    std::optional<Record> fetchOne(const Predicate& where, bool descending);
    std::vector<Record> fetchAfter(const Record& record, int limit);
    std::optional<Record> fetchBefore(const Record& record);
    std::optional<Record> readVisibleRow(std::int64_t rowid);
    std::optional<Record> readRow(std::int64_t rowid);
    void calculate(Record& record);
    void makeCurrent(std::optional<Record> record);
    // The first visible row whose leading keys compare so with `values`.
    std::optional<Record> seek(const std::vector<Value>& values, Compare op);
    // Makes a row found by a search or a move current, and tells the observers.
    void moveTo(Record record);
    void resetBuffers();

    void writeRecord();
    void releaseRecordLock();
    void notify(TableEvent event);

    Database& database_;
    TableDef def_;
    std::string name_;
    ErrorContext context_;
    std::vector<int> storedColumns_;  // field indexes that live in the file
    std::vector<int> readColumns_;    // those read from it: all, or the ones a walk asked for
    std::vector<bool> unread_;        // by field index, while a walk reads only some
    std::unique_ptr<Session> session_;
    std::unique_ptr<RecordLocks> locks_;
    bool exclusive_ = false;

    TableState state_ = TableState::Inactive;
    std::string indexName_;
    const std::vector<std::string>* indexFields_;
    std::vector<int> indexPositions_;  // field indexes of the current index's fields
    bool indexCaseInsensitive_ = false;
    std::optional<std::pair<std::vector<Value>, std::vector<Value>>> range_;
    std::string filterText_;
    std::optional<FilterCondition> filter_;
    bool filtered_ = false;
    Table* master_ = nullptr;
    int masterSubscription_ = 0;
    std::vector<int> masterFieldIndexes_;

    std::optional<Record> current_;
    std::optional<Record> beforeInsert_;
    std::vector<bool> dirty_;  // fields written since insert or edit began
    std::deque<Record> ahead_;
    int nextBatch_ = 8;
    std::chrono::steady_clock::time_point aheadFetched_;
    bool eof_ = true;
    bool bof_ = true;
    bool modified_ = false;
    bool calculating_ = false;
    std::optional<std::int64_t> lockedRow_;

    std::vector<std::pair<int, Observer>> observers_;
    int nextObserverId_ = 1;
};

}  // namespace store
