#pragma once
// One user action written all at once or not at all.
//
// A Posting is created over every table the action writes (hooks included: TbContador for
// counters, TbSaldos for bank lines). While it lives, those tables' inserts, edits, posts
// and deletes go into one SQLite transaction spanning their files, and reads of them see
// what the posting wrote so far. commit() puts everything on disk at once; a posting that
// ends without commit() (an exception went through it) writes nothing, and every table it
// touched is back in browse state on the record the disk still holds.
//
// Record locks taken inside a posting are held until it ends, so no other station can
// edit a record on the strength of a value that might still be undone. The files are taken
// for writing at the start, in file-name order, so two stations posting over overlapping
// tables wait for each other instead of deadlocking; when they cannot be had within the
// lock wait, the posting fails with LockError and nothing written.
//
// Writing to a table of the same data directory that the posting does not name is a
// programming error and fails the posting: it would be committed apart from the rest.
//
//     store::Posting posting({&dm.TbServico, &dm.TbCaixa, &dm.TbContador});
//     ...edits and posts...
//     posting.commit();
#include <functional>
#include <memory>
#include <vector>

namespace store {

class Scope;
class Table;

class Posting {
  public:
    explicit Posting(const std::vector<Table*>& tables);
    ~Posting();  // rolls back unless committed
    Posting(const Posting&) = delete;
    Posting& operator=(const Posting&) = delete;

    // Throws (after rolling everything back) when the commit fails, or when a table of
    // the posting is still being inserted or edited: its values would be lost unsaid.
    void commit();

  private:
    std::unique_ptr<Scope> scope_;
};

// Runs `work` inside one posting over `tables` and commits it.
void post(const std::vector<Table*>& tables, const std::function<void()>& work);

// Reads several tables as of one moment: no posting of another station can commit between
// the first read and the last. It only reads; it writes nothing.
class ConsistentRead {
  public:
    explicit ConsistentRead(const std::vector<Table*>& tables);
    ~ConsistentRead();
    ConsistentRead(const ConsistentRead&) = delete;
    ConsistentRead& operator=(const ConsistentRead&) = delete;

  private:
    std::unique_ptr<Scope> scope_;
};

}  // namespace store
