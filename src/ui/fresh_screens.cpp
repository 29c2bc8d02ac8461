#include "ui/fresh_screens.h"

#include "data/store/database.h"

namespace ui {
namespace {

// Well inside the second a user waits to see another station's sale.
constexpr int kIntervalMs = 300;

}  // namespace

FreshScreens::FreshScreens(store::Database& database, QObject* parent) : QObject(parent) {
    if (database.keepsTableFiles()) return;
    database.refreshChangedElsewhere();  // starts listening
    QObject::connect(&timer_, &QTimer::timeout, this, [&database] {
        if (!KeepTablesStill::held()) database.refreshChangedElsewhere();
    });
    timer_.start(kIntervalMs);
}

}  // namespace ui
