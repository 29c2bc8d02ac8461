#include "data/store/table.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "data/store/database.h"
#include "data/store/filter.h"
#include "data/store/predicate.h"
#include "data/store/scope.h"
#include "data/store/value_conversion.h"

namespace store {

namespace {

// Rows read ahead for next(): small at first, so that a screen showing one record reads
// little, growing while a report or a loop walks the table.
constexpr int kFirstBatch = 8;
constexpr int kLargestBatch = 512;
// Rows read ahead are shown for at most this long before they are read again, so that a
// station sees what others posted without refreshing by hand.
constexpr auto kReadAheadLifetime = std::chrono::seconds(1);

std::vector<std::string> splitNames(const std::string& names) {
    std::vector<std::string> result;
    std::stringstream stream(names);
    std::string name;
    while (std::getline(stream, name, ';'))
        if (!name.empty()) result.push_back(name);
    return result;
}

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(x) == std::tolower(y); });
}

// Whether two stored values compare equal: numbers by value, whatever their kind.
bool sameStoredValue(const Value& a, const Value& b) {
    auto number = [](const Value& v) -> std::optional<double> {
        if (auto i = std::get_if<std::int64_t>(&v)) return static_cast<double>(*i);
        if (auto d = std::get_if<double>(&v)) return *d;
        return std::nullopt;
    };
    const auto x = number(a), y = number(b);
    if (x && y) return *x == *y;
    return a == b;
}

}  // namespace

Table::Table(Database& database, TableDef definition, std::string name)
    : database_(database),
      def_(std::move(definition)),
      name_(std::move(name)),
      indexFields_(&def_.primaryKey) {
    context_ = {name_, def_.fileName};
    for (int i = 0; i < fieldCount(); ++i)
        if (!def_.fields[i].calculated) storedColumns_.push_back(i);
    readColumns_ = storedColumns_;
    for (const auto& fieldName : def_.primaryKey) indexPositions_.push_back(field(fieldName).index());
    database_.attach(this);
}

Table::~Table() {
    database_.detach(this);
    setMasterSource(nullptr, "");
    if (isOpen()) {
        try {
            close();
        } catch (...) {
            // Closing discards nothing posted; a failure here has nobody left to tell.
        }
    }
}

void Table::fail(const std::string& cause) const {
    throw Error(context_.describe() + ": " + cause);
}

void Table::requireOpen(const char* action) const {
    if (!isOpen()) fail(std::string("a tabela não está aberta (") + action + ").");
}

bool Table::fileExists() const {
    return database_.backend().tableExists(def_);
}

void Table::createTable() {
    if (isOpen()) fail("a tabela está aberta e não pode ser criada de novo.");
    if (fileExists()) fail("o arquivo já existe.");
    database_.backend().createTable(ref());
}

void Table::open() {
    if (isOpen()) return;
    Backend& backend = database_.backend();
    if (!backend.tableExists(def_))
        throw FileError(context_.describe() + ": o arquivo não foi encontrado em " + backend.location() +
                        ".");
    // Reopened inside a posting, the table takes back the locks it held there.
    Scope* scope = scopeOverFile();
    std::unique_ptr<RecordLocks> locks = scope ? scope->reclaimLocks(def_.fileName) : nullptr;
    if (!locks) locks = backend.recordLocks(ref());
    locks->lockTable(exclusive_);
    session_ = backend.openTable(ref());
    locks_ = std::move(locks);
    state_ = TableState::Browse;
    notify(TableEvent::Opened);
    first();
}

void Table::close() {
    if (!isOpen()) return;
    if (isEditing()) cancel();
    session_.reset();
    // Records locked inside a running posting stay locked until it ends.
    if (Scope* scope = database_.activeScope())
        scope->release(*this,
                       scope->writable() && scope->covers(def_.fileName) ? std::move(locks_) : nullptr);
    locks_.reset();
    state_ = TableState::Inactive;
    current_.reset();
    resetBuffers();
    readColumns_ = storedColumns_;  // the next opening reads whole records again
    unread_.clear();
    eof_ = bof_ = true;
    notify(TableEvent::Closed);
}

void Table::setExclusive(bool exclusive) {
    if (isOpen()) fail("a exclusividade só pode ser mudada com a tabela fechada.");
    exclusive_ = exclusive;
}

// ---- index, range, filter, master ----

void Table::selectIndex(const std::string& name, const std::vector<std::string>& fields,
                        bool caseInsensitive) {
    checkBrowseMode();
    indexName_ = name;
    indexFields_ = &fields;
    indexCaseInsensitive_ = caseInsensitive;
    indexPositions_.clear();
    for (const auto& fieldName : fields) indexPositions_.push_back(field(fieldName).index());
    range_.reset();
    resetBuffers();
    if (isOpen()) {
        if (master_) {
            first();
        } else {
            eof_ = bof_ = !current_;
        }
        notify(TableEvent::DataChanged);
    }
}

void Table::setIndexName(const std::string& name) {
    if (name.empty()) return selectIndex("", def_.primaryKey, def_.primaryCaseInsensitive);
    const IndexDef* index = def_.findIndex(name);
    if (!index) fail("o índice " + name + " não existe.");
    selectIndex(index->name, index->fields, index->caseInsensitive);
}

void Table::setIndexFieldNames(const std::string& fieldNames) {
    const auto wanted = splitNames(fieldNames);
    auto leadsWith = [&](const std::vector<std::string>& fields) {
        return fields.size() >= wanted.size() &&
               std::equal(wanted.begin(), wanted.end(), fields.begin(), sameNameIgnoringCase);
    };
    if (leadsWith(def_.primaryKey)) return selectIndex("", def_.primaryKey, def_.primaryCaseInsensitive);
    for (const auto& index : def_.indexes)
        if (leadsWith(index.fields)) return selectIndex(index.name, index.fields, index.caseInsensitive);
    fail("nenhum índice começa pelos campos " + fieldNames + ".");
}

std::vector<KeyColumn> Table::keyColumns() const {
    std::vector<KeyColumn> keys;
    for (int position : indexPositions_) keys.push_back({position, indexCaseInsensitive_});
    return keys;
}

std::vector<KeyColumn> Table::orderColumns() const {
    auto columns = keyColumns();
    columns.push_back(KeyColumn::rowIdentity());
    return columns;
}

std::vector<Value> Table::normalizedKey(const std::vector<Value>& values) const {
    if (values.size() > indexFields_->size()) fail("foram dados mais valores do que campos no índice.");
    std::vector<Value> result;
    for (std::size_t i = 0; i < values.size(); ++i)
        result.push_back(convertForField(def_.fields[indexPositions_[i]], values[i], context_));
    return result;
}

void Table::setRange(const std::vector<Value>& start, const std::vector<Value>& end) {
    requireOpen("SetRange");
    checkBrowseMode();
    range_ = {normalizedKey(start), normalizedKey(end)};
    resetBuffers();
    first();
    notify(TableEvent::DataChanged);
}

void Table::cancelRange() {
    if (!range_) return;
    checkBrowseMode();
    range_.reset();
    resetBuffers();
    if (isOpen()) {
        first();
        notify(TableEvent::DataChanged);
    }
}

void Table::setFilter(const std::string& filter) {
    filter_ = filter.empty() ? std::nullopt : std::optional(parseFilter(filter, def_, context_));
    filterText_ = filter;
    if (filtered_ && isOpen()) {
        checkBrowseMode();
        resetBuffers();
        first();
        notify(TableEvent::DataChanged);
    }
}

void Table::setFiltered(bool filtered) {
    if (filtered == filtered_) return;
    filtered_ = filtered;
    if (isOpen()) {
        checkBrowseMode();
        resetBuffers();
        first();
        notify(TableEvent::DataChanged);
    }
}

void Table::setMasterSource(Table* master, const std::string& masterFields) {
    if (master_) master_->unsubscribe(masterSubscription_);
    master_ = master;
    masterFieldIndexes_.clear();
    if (!master_) return;
    for (const auto& name : splitNames(masterFields)) {
        auto field = master_->findField(name);
        if (!field) fail("a tabela mestre " + master_->name() + " não tem o campo " + name + ".");
        masterFieldIndexes_.push_back(field->index());
    }
    masterSubscription_ = master_->subscribe([this](TableEvent event) {
        if (event != TableEvent::StateChanged) followMaster();
    });
    followMaster();
}

void Table::followMaster() {
    if (!isOpen() || isEditing()) return;
    resetBuffers();
    first();
    notify(TableEvent::DataChanged);
}

Predicate Table::visiblePredicate(bool rangeStart) const {
    Predicate where;
    if (range_) {
        const auto& [start, end] = *range_;
        auto keys = keyColumns();
        std::vector<KeyColumn> startKeys(keys.begin(), keys.begin() + start.size());
        std::vector<KeyColumn> endKeys(keys.begin(), keys.begin() + end.size());
        if (!start.empty() && rangeStart) where.andWith(compareKeys(startKeys, start, Compare::GreaterEqual));
        if (!end.empty()) {
            where.andWith(compareKeys(endKeys, end, Compare::LessEqual));
            // With a real lower bound no null key is visible, so an upper bound on the
            // first key is implied; stating it lets an index walk stop at the range's end.
            if (!start.empty() && !isNull(start[0]) && !isNull(end[0]))
                where.andWith(Predicate::comparison(keys[0], Compare::LessEqual, end[0]));
        }
    }
    if (master_) {
        const Record* masterRecord = master_->isOpen() ? master_->currentRecord() : nullptr;
        if (!masterRecord) return Predicate::never();
        auto keys = keyColumns();
        std::vector<Value> values;
        for (std::size_t i = 0; i < masterFieldIndexes_.size() && i < keys.size(); ++i)
            values.push_back(convertForField(def_.fields[indexPositions_[i]],
                                             masterRecord->values[masterFieldIndexes_[i]], context_));
        keys.resize(values.size());
        where.andWith(compareKeys(keys, values, Compare::Equal));
    }
    if (filtered_ && filter_) {
        const FieldDef& field = def_.fields[filter_->field];
        const KeyColumn stored{filter_->field, false, false};
        if (!filter_->different) {
            where.andWith(Predicate::comparison(stored, Compare::Equal, filter_->value));
        } else {
            // A null field reads as 0 or '': it is different when that is.
            const Value readsAs = isTextType(field.type) ? Value{std::string()} : Value{std::int64_t{0}};
            Predicate different = Predicate::comparison(stored, Compare::NotEqual, filter_->value);
            if (!sameStoredValue(readsAs, filter_->value))
                different = {
                    Predicate::Kind::Any, Compare::Equal, {}, {}, {different, keyIsNull(stored, true)}};
            where.andWith(different);
        }
    }
    return where;
}

// ---- reading ----

void Table::readOnlyFields(const std::vector<std::string>& names) {
    if (onCalcFields) throw std::logic_error(name_ + ": uma tabela com campos calculados é lida inteira.");
    if (isEditing()) throw std::logic_error(name_ + ": leitura parcial durante uma inclusão ou alteração.");
    std::vector<bool> wanted(def_.fields.size(), false);
    for (const auto& name : names) wanted[field(name).index()] = true;
    for (const auto& name : def_.primaryKey) wanted[field(name).index()] = true;
    for (const IndexDef& index : def_.indexes)
        for (const auto& name : index.fields) wanted[field(name).index()] = true;
    readColumns_.clear();
    unread_.assign(def_.fields.size(), false);
    for (int i : storedColumns_) {
        if (wanted[i])
            readColumns_.push_back(i);
        else
            unread_[i] = true;
    }
    if (isOpen()) refresh();
}

void Table::readWholeRecords() {
    if (unread_.empty()) return;
    readColumns_ = storedColumns_;
    unread_.clear();
    if (isOpen()) refresh();
}

void Table::requireWholeRecords(const char* action) const {
    if (!unread_.empty()) throw std::logic_error(name_ + ": " + action + " numa tabela lida em parte.");
}

std::vector<Record> Table::fetch(const Predicate& where, bool descending, int limit, int offset) {
    return route(false).read(ref(), {where, orderColumns(), descending, limit, offset, &readColumns_});
}

std::optional<Record> Table::fetchOne(const Predicate& where, bool descending) {
    auto rows = fetch(where, descending, 1, 0);
    if (rows.empty()) return std::nullopt;
    return std::move(rows.front());
}

std::vector<Value> Table::keyOf(const Record& record) const {
    std::vector<Value> key;
    for (int position : indexPositions_) key.push_back(record.values[position]);
    return key;
}

bool Table::meetsRangeStart(const Record& record) {
    if (!range_ || range_->first.empty()) return true;
    const auto& start = range_->first;
    auto keys = keyColumns();
    // The row as stored, with the keys it is walked from: a row changed elsewhere since it
    // was read counts as outside, which costs only speed.
    Predicate where = Predicate::comparison(KeyColumn::rowIdentity(), Compare::Equal, record.rowid);
    where.andWith(compareKeys(keys, keyOf(record), Compare::Equal));
    where.andWith(compareKeys({keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(start.size())}, start,
                              Compare::GreaterEqual));
    return route(false).count(ref(), where) > 0;
}

std::vector<Record> Table::fetchAfter(const Record& record, int limit) {
    // A row comparison over a collated key cannot seek in an index, so "after this row" is asked
    // level by level, each an indexed search in key order: the same keys with a later rowid,
    // then the same leading keys with a later last key, and so on up to a later first key.
    // One comparison of all keys at once made every batch scan from the range's first row.
    auto keys = orderColumns();
    auto values = keyOf(record);
    values.push_back(record.rowid);
    // A row posted or edited out of the range (below its start) walks on into the range,
    // never through the rows below it.
    const bool rangeStart = !meetsRangeStart(record);
    // All levels go to the backend at once, read in turn: a server answers them in one wait.
    std::vector<KeyQuery> levels;
    for (std::size_t level = keys.size(); level-- > 0;) {
        Predicate where = visiblePredicate(rangeStart);
        where.andWith(compareKeys({keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(level)},
                                  {values.begin(), values.begin() + static_cast<std::ptrdiff_t>(level)},
                                  Compare::Equal));
        where.andWith(compareKeys({keys[level]}, {values[level]}, Compare::Greater));
        levels.push_back({std::move(where), keys, false, limit, 0, &readColumns_});
    }
    return route(false).readEach(ref(), levels, limit);
}

std::optional<Record> Table::fetchBefore(const Record& record) {
    auto keys = orderColumns();
    auto values = keyOf(record);
    values.push_back(record.rowid);
    const Value firstValue = values[0];  // the rowid itself on a table without a key
    Predicate where = visiblePredicate();
    if (isNull(firstValue)) {
        std::vector<KeyColumn> restKeys(keys.begin() + 1, keys.end());
        std::vector<Value> restValues(values.begin() + 1, values.end());
        where.andWith(keyIsNull(keys[0], true)).andWith(compareKeys(restKeys, restValues, Compare::Less));
        return fetchOne(where, true);
    }
    // Non-null first keys up to this one, searched from here down; failing that, the
    // null keys, which all come before.
    Predicate sameOrLower = where;
    sameOrLower.andWith(Predicate::comparison(keys[0], Compare::LessEqual, firstValue))
        .andWith(compareKeys(keys, values, Compare::Less));
    if (auto row = fetchOne(sameOrLower, true)) return row;
    where.andWith(keyIsNull(keys[0], true));
    return fetchOne(where, true);
}

std::optional<Record> Table::readVisibleRow(std::int64_t rowid) {
    Predicate where = visiblePredicate();
    where.andWith(Predicate::comparison(KeyColumn::rowIdentity(), Compare::Equal, rowid));
    return fetchOne(where, false);
}

std::optional<Record> Table::readRow(std::int64_t rowid) {
    return fetchOne(Predicate::comparison(KeyColumn::rowIdentity(), Compare::Equal, rowid), false);
}

void Table::resetBuffers() {
    ahead_.clear();
    nextBatch_ = kFirstBatch;
}

void Table::calculate(Record& record) {
    if (!onCalcFields) return;
    std::optional<Record> saved = std::move(current_);
    current_ = std::move(record);
    calculating_ = true;
    try {
        onCalcFields(*this);
    } catch (...) {
        calculating_ = false;
        record = std::move(*current_);
        current_ = std::move(saved);
        throw;
    }
    calculating_ = false;
    record = std::move(*current_);
    current_ = std::move(saved);
}

void Table::makeCurrent(std::optional<Record> record) {
    if (record) calculate(*record);
    current_ = std::move(record);
}

// ---- navigation ----

void Table::first() {
    requireOpen("First");
    checkBrowseMode();
    resetBuffers();
    makeCurrent(fetchOne(visiblePredicate(), false));
    bof_ = true;
    eof_ = !current_;
    notify(TableEvent::Scrolled);
}

void Table::last() {
    requireOpen("Last");
    checkBrowseMode();
    resetBuffers();
    makeCurrent(fetchOne(visiblePredicate(), true));
    eof_ = true;
    bof_ = !current_;
    notify(TableEvent::Scrolled);
}

void Table::next() {
    requireOpen("Next");
    checkBrowseMode();
    if (!current_) {
        eof_ = true;
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (!ahead_.empty() && now - aheadFetched_ > kReadAheadLifetime) resetBuffers();
    if (ahead_.empty()) {
        auto rows = fetchAfter(*current_, nextBatch_);
        ahead_.assign(std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
        aheadFetched_ = now;
        nextBatch_ = std::min(nextBatch_ * 2, kLargestBatch);
    }
    if (ahead_.empty()) {
        eof_ = true;
        return;
    }
    Record record = std::move(ahead_.front());
    ahead_.pop_front();
    makeCurrent(std::move(record));
    eof_ = bof_ = false;
    notify(TableEvent::Scrolled);
}

void Table::prior() {
    requireOpen("Prior");
    checkBrowseMode();
    if (!current_) {
        bof_ = true;
        return;
    }
    auto row = fetchBefore(*current_);
    if (!row) {
        bof_ = true;
        return;
    }
    moveTo(std::move(*row));
}

std::optional<Record> Table::seek(const std::vector<Value>& values, Compare op) {
    checkBrowseMode();
    auto keys = keyColumns();
    auto key = normalizedKey(values);
    keys.resize(key.size());
    Predicate where = visiblePredicate();
    where.andWith(compareKeys(keys, key, op));
    return fetchOne(where, false);
}

void Table::moveTo(Record record) {
    resetBuffers();
    makeCurrent(std::move(record));
    eof_ = bof_ = false;
    notify(TableEvent::Scrolled);
}

bool Table::findKey(const std::vector<Value>& values) {
    requireOpen("FindKey");
    auto row = seek(values, Compare::Equal);
    if (!row) return false;
    moveTo(std::move(*row));
    return true;
}

void Table::findNearest(const std::vector<Value>& values) {
    requireOpen("FindNearest");
    auto row = seek(values, Compare::GreaterEqual);
    if (!row) return last();
    moveTo(std::move(*row));
}

int Table::recordCount() {
    requireOpen("RecordCount");
    return route(false).count(ref(), visiblePredicate());
}

void Table::refresh() {
    requireOpen("Refresh");
    checkBrowseMode();
    resetBuffers();
    if (current_) {
        Record old = *current_;
        auto row = readVisibleRow(old.rowid);
        if (!row) {
            auto after = fetchAfter(old, 1);
            row = after.empty() ? fetchBefore(old) : std::optional(std::move(after.front()));
        }
        makeCurrent(std::move(row));
    } else {
        makeCurrent(fetchOne(visiblePredicate(), false));
    }
    eof_ = bof_ = !current_;
    notify(TableEvent::DataChanged);
}

std::optional<std::int64_t> Table::bookmark() const {
    if (!current_ || state_ == TableState::Insert) return std::nullopt;
    return current_->rowid;
}

bool Table::gotoBookmark(std::int64_t rowid) {
    requireOpen("GotoBookmark");
    checkBrowseMode();
    auto row = readVisibleRow(rowid);
    if (!row) return false;
    moveTo(std::move(*row));
    return true;
}

std::vector<Record> Table::rowsAt(int offset, int count) {
    requireOpen("rowsAt");
    auto rows = fetch(visiblePredicate(), false, count, offset);
    for (auto& row : rows) calculate(row);
    return rows;
}

int Table::currentPosition() {
    requireOpen("currentPosition");
    if (!current_ || state_ == TableState::Insert) return -1;
    auto values = keyOf(*current_);
    values.push_back(current_->rowid);
    Predicate where = visiblePredicate();
    where.andWith(compareKeys(orderColumns(), values, Compare::Less));
    return route(false).count(ref(), where);
}

bool Table::moveToPosition(int position) {
    requireOpen("moveToPosition");
    checkBrowseMode();
    auto rows = fetch(visiblePredicate(), false, 1, position);
    if (rows.empty()) return false;
    moveTo(std::move(rows.front()));
    return true;
}

// ---- changing ----

void Table::checkBrowseMode() {
    if (!isEditing()) return;
    if (modified_) {
        post();
    } else {
        cancel();
    }
}

void Table::setState(TableState state) {
    if (state_ == state) return;
    state_ = state;
    notify(TableEvent::StateChanged);
}

void Table::insert() {
    requireOpen("Insert");
    requireWholeRecords("inclusão");
    checkBrowseMode();
    beforeInsert_ = current_;
    Record record;
    record.values.resize(def_.fields.size());
    if (master_ && master_->currentRecord()) {
        const Record& masterRecord = *master_->currentRecord();
        for (std::size_t i = 0; i < masterFieldIndexes_.size() && i < indexPositions_.size(); ++i) {
            const int position = indexPositions_[i];
            record.values[position] =
                convertForField(def_.fields[position], masterRecord.values[masterFieldIndexes_[i]], context_);
        }
    }
    current_ = std::move(record);
    dirty_.assign(def_.fields.size(), true);
    resetBuffers();
    setState(TableState::Insert);
    try {
        if (onNewRecord) onNewRecord(*this);
        recalculate();
    } catch (...) {
        current_ = std::move(beforeInsert_);
        beforeInsert_.reset();
        setState(TableState::Browse);
        notify(TableEvent::Scrolled);
        throw;
    }
    modified_ = false;
    eof_ = bof_ = false;
    notify(TableEvent::Scrolled);
}

void Table::edit() {
    requireOpen("Edit");
    requireWholeRecords("alteração");
    if (isEditing()) return;
    if (!current_) return insert();
    const std::int64_t rowid = current_->rowid;
    locks_->lockRecord(rowid);
    lockedRow_ = rowid;
    std::optional<Record> fresh;
    try {
        fresh = readRow(rowid);
    } catch (...) {
        releaseRecordLock();
        throw;
    }
    if (!fresh) {
        releaseRecordLock();
        fail("o registro foi excluído por outro usuário.");
    }
    makeCurrent(std::move(fresh));
    dirty_.assign(def_.fields.size(), false);
    modified_ = false;
    setState(TableState::Edit);
    notify(TableEvent::Scrolled);
}

void Table::editExisting() {
    requireOpen("Edit");
    if (state_ == TableState::Insert || !current_) fail("não há registro para alterar.");
    edit();
}

void Table::releaseRecordLock() {
    if (lockedRow_) unlockRecord(*lockedRow_);
    lockedRow_.reset();
}

void Table::unlockRecord(std::int64_t rowid) {
    if (!locks_) return;
    // What a posting wrote may still be undone: the record stays locked until it ends.
    if (Scope* scope = scopeOverFile(); scope && scope->writable())
        return scope->holdUntilEnd(*locks_, rowid);
    locks_->unlockRecord(rowid);
}

// ---- postings ----

Scope* Table::scopeOverFile() const {
    Scope* scope = database_.activeScope();
    return scope && scope->covers(def_.fileName) ? scope : nullptr;
}

Session& Table::route(bool forWriting) {
    Scope* running = database_.activeScope();
    if (Scope* scope = scopeOverFile()) {
        if (forWriting && !scope->writable())
            fail("a tabela está sendo lida em conjunto e não pode ser gravada agora.");
        scope->enlist(*this);
        if (forWriting && !scope->transaction().alive())
            fail("a postagem foi interrompida por um erro anterior e não grava mais nada.");
        return scope->transaction();
    }
    if (forWriting && running && running->writable()) {
        running->enlist(*this);  // so that its unstored values go with the rollback too
        fail("a tabela não faz parte da postagem em andamento (" + running->tableNames() +
             ") e não pode ser gravada durante ela.");
    }
    return *session_;
}

Table::BeforeScope Table::stateBeforeScope() const {
    BeforeScope before;
    if (state_ == TableState::Insert) {
        before.pendingInsert = current_;
        before.beforeInsert = beforeInsert_;
        before.dirty = dirty_;
        before.modified = modified_;
        if (beforeInsert_) before.shownRow = beforeInsert_->rowid;
    } else if (current_) {
        before.shownRow = current_->rowid;
    }
    return before;
}

void Table::afterScope(bool committed, const BeforeScope& before) noexcept {
    resetBuffers();
    if (committed || !isOpen()) return;
    // Rolled back: nothing the scope wrote or read may stay on show.
    if (lockedRow_ && locks_) locks_->unlockRecord(*lockedRow_);
    lockedRow_.reset();
    beforeInsert_.reset();
    modified_ = false;
    current_.reset();
    eof_ = bof_ = true;
    if (before.pendingInsert) {
        current_ = before.pendingInsert;
        beforeInsert_ = before.beforeInsert;
        dirty_ = before.dirty;
        modified_ = before.modified;
        eof_ = bof_ = false;
        setState(TableState::Insert);
        notify(TableEvent::Scrolled);
        return;
    }
    setState(TableState::Browse);
    try {
        std::optional<Record> row = before.shownRow ? readVisibleRow(*before.shownRow) : std::nullopt;
        if (!row) row = fetchOne(visiblePredicate(), false);
        makeCurrent(std::move(row));
        eof_ = bof_ = !current_;
    } catch (...) {
        // The table stays empty on screen; the next move reads it again.
    }
    notify(TableEvent::DataChanged);
}

void Table::writeRecord() {
    std::vector<int> fields;
    std::vector<Value> values;
    for (int i : storedColumns_) {
        if (!dirty_[i]) continue;
        fields.push_back(i);
        values.push_back(current_->values[i]);
    }
    Session& session = route(true);
    if (state_ == TableState::Insert) {
        current_->rowid = session.insert(ref(), fields, values);
    } else {
        session.update(ref(), current_->rowid, fields, values);
    }
}

void Table::post() {
    requireOpen("Post");
    if (!isEditing()) fail("não há inclusão nem alteração em andamento para gravar.");
    try {
        writeRecord();
    } catch (const Error& error) {
        PostErrorAction action = PostErrorAction::Fail;
        if (onPostError) onPostError(*this, error, action);
        if (action == PostErrorAction::Abort) throw Aborted();
        throw;
    }
    const std::int64_t rowid = current_->rowid;
    releaseRecordLock();
    beforeInsert_.reset();
    modified_ = false;
    resetBuffers();
    // The record is on disk: failing to read it back (another station committing at this very
    // moment) must not pass for a failed post, or the user would post it a second time.
    std::optional<Record> stored;
    try {
        stored = readRow(rowid);
    } catch (const Error&) {
    }
    if (stored) {
        makeCurrent(std::move(stored));
    } else {
        recalculate();
    }
    setState(TableState::Browse);
    eof_ = bof_ = false;
    notify(TableEvent::DataChanged);
    if (afterPost) afterPost(*this);
}

void Table::cancel() {
    if (!isEditing()) return;
    if (state_ == TableState::Insert) {
        current_ = std::move(beforeInsert_);
        beforeInsert_.reset();
    } else {
        makeCurrent(readRow(current_->rowid));
    }
    releaseRecordLock();
    modified_ = false;
    eof_ = bof_ = !current_;
    setState(TableState::Browse);
    notify(TableEvent::Scrolled);
}

void Table::deleteRecord() {
    requireOpen("Delete");
    requireWholeRecords("exclusão");
    if (state_ == TableState::Insert) return cancel();
    if (!current_) fail("não há registro para excluir.");
    const Record doomed = *current_;
    const bool heldByEdit = lockedRow_.has_value();
    if (!heldByEdit) locks_->lockRecord(doomed.rowid);
    try {
        // Deleting twice must not pass for a deletion: a sale or a bank line would be
        // reversed twice.
        if (!route(true).remove(ref(), doomed.rowid)) fail("o registro foi excluído por outro usuário.");
    } catch (...) {
        if (!heldByEdit) unlockRecord(doomed.rowid);
        throw;
    }
    if (heldByEdit) {
        releaseRecordLock();
    } else {
        unlockRecord(doomed.rowid);
    }
    modified_ = false;
    resetBuffers();
    auto after = fetchAfter(doomed, 1);
    makeCurrent(after.empty() ? fetchBefore(doomed) : std::optional(std::move(after.front())));
    eof_ = after.empty();
    bof_ = !current_;
    setState(TableState::Browse);
    notify(TableEvent::DataChanged);
}

void Table::emptyTable() {
    requireOpen("EmptyTable");
    if (def_.appendOnly) throw Error("Tabela " + def_.fileName + ": só aceita inclusões.");
    cancel();
    route(true).removeAll(ref());
    current_.reset();
    resetBuffers();
    eof_ = bof_ = true;
    notify(TableEvent::DataChanged);
}

// ---- fields ----

Field Table::field(const std::string& name) {
    auto found = findField(name);
    if (!found) fail("o campo " + name + " não existe.");
    return *found;
}

std::optional<Field> Table::findField(const std::string& name) {
    // Names come spelled as defined nearly always; the exact look first keeps the
    // letter-by-letter comparison off every record read by a calculated field.
    for (int i = 0; i < fieldCount(); ++i)
        if (def_.fields[i].name == name) return Field(*this, i);
    for (int i = 0; i < fieldCount(); ++i)
        if (sameNameIgnoringCase(def_.fields[i].name, name)) return Field(*this, i);
    return std::nullopt;
}

const Value& Table::readField(int index) const {
    static const Value null;
    if (!unread_.empty() && unread_[index])
        throw std::logic_error(name_ + ": o campo " + def_.fields[index].name + " não foi lido.");
    if (!current_) return null;
    return current_->values[index];
}

void Table::writeField(int index, Value value) {
    const FieldDef& field = def_.fields[index];
    if (!calculating_ && !isEditing())
        fail("o campo " + field.name + " só pode ser mudado numa inclusão ou alteração.");
    current_->values[index] = convertForField(field, value, context_);
    if (calculating_) return;
    if (!field.calculated) {
        dirty_[index] = true;
        modified_ = true;
    }
    recalculate();
    notify(TableEvent::FieldChanged);
}

void Table::recalculate() {
    if (!onCalcFields || calculating_ || !current_) return;
    calculating_ = true;
    try {
        onCalcFields(*this);
    } catch (...) {
        calculating_ = false;
        throw;
    }
    calculating_ = false;
}

// ---- observers ----

int Table::subscribe(Observer observer) {
    observers_.emplace_back(nextObserverId_, std::move(observer));
    return nextObserverId_++;
}

void Table::unsubscribe(int id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void Table::notify(TableEvent event) {
    auto observers = observers_;  // an observer may subscribe or unsubscribe while notified
    for (auto& [id, observer] : observers) observer(event);
}

}  // namespace store
