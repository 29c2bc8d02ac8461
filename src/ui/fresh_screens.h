#pragma once
// A station on a data server sees what the others post without pressing anything: a few
// times a second, the open tables that other stations have written are read again, each on
// the record it showed (the store leaves alone a table being edited). Nothing depends on it
// for correctness: every posting locks and reads again what it changes.
#include <QObject>
#include <QTimer>

namespace store {
class Database;
}

namespace ui {

class FreshScreens : public QObject {
  public:
    // Does nothing on a data directory, whose stations tell each other nothing.
    explicit FreshScreens(store::Database& database, QObject* parent = nullptr);

  private:
    QTimer timer_;
};

// While one lives, no table is read again: a walk over tables that lets the window repaint
// (a long pass, a report being generated) must not find its table moved under it.
class KeepTablesStill {
  public:
    KeepTablesStill() { ++held_; }
    ~KeepTablesStill() { --held_; }
    KeepTablesStill(const KeepTablesStill&) = delete;
    KeepTablesStill& operator=(const KeepTablesStill&) = delete;
    static bool held() { return held_ > 0; }

  private:
    static inline int held_ = 0;
};

}  // namespace ui
