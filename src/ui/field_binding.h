#pragma once
// What every data-aware control shares: the link from a widget to one field of a data
// source's table. The control shows the current record and follows every move; when the
// user changes it, the edit starts (only if the source edits automatically, or an edit is
// already under way); its value is written to the record when the user leaves the control
// and, at the latest, by writeControls/postRecord before the record is posted.
#include <QEvent>
#include <QWidget>

#include <optional>
#include <string>

#include "data/dm.h"
#include "data/store/table.h"
#include "ui/table_subscription.h"

namespace ui {

class FieldBinding {
  public:
    // Throws std::invalid_argument when the table has no such field: a screen bug.
    FieldBinding(const data::DataSource& source, const std::string& fieldName);
    virtual ~FieldBinding();
    FieldBinding(const FieldBinding&) = delete;
    FieldBinding& operator=(const FieldBinding&) = delete;

    store::Table& table() const { return subscription_.table(); }
    store::Field field() const { return table().fieldAt(fieldIndex_); }
    const store::FieldDef& fieldDef() const { return table().definition().fields[fieldIndex_]; }
    bool autoEdit() const { return autoEdit_; }

    // Kept read-only whatever the table's state: a code field, a stock field until unlocked.
    void setFieldReadOnly(bool readOnly);
    bool fieldReadOnly() const { return fieldReadOnly_; }
    // True when the user may change the value now.
    bool canChange() const;
    // The user changed the value and it is not in the record yet.
    bool isDirty() const { return dirty_; }

    // Puts the user's change into the record. Throws store::Error for a value the field
    // refuses (a date that does not exist); the change then stays pending.
    void writeToRecord();

  protected:
    // The control calls this when the user changed its value. It starts the edit when the
    // source allows; false means the record may not change and the control should call
    // refresh() to show the record again.
    bool userChanged();
    // Shows the current record's value and whether it can be changed. Derived controls call
    // it once at the end of their constructor.
    void refresh();
    // Writes a pending change, showing a refused value in the error box.
    void writeGuarded();
    // The current value, or null while the table is closed or has no record.
    store::Value currentValue() const;

    virtual void showValue() = 0;
    virtual void storeValue(store::Field field) = 0;
    virtual void showEditable(bool editable) = 0;

  private:
    void onTableEvent(store::TableEvent event);

    int fieldIndex_;
    bool autoEdit_;
    bool fieldReadOnly_ = false;
    bool dirty_ = false;
    bool startingEdit_ = false;  // the user's own change started the edit: keep it shown
    store::Value shown_;
    TableSubscription subscription_;
};

// The index of a field the screen names; throws std::invalid_argument when the table has
// no such field, which is a screen bug.
int requireFieldIndex(store::Table& table, const std::string& name);

// Writes every pending control change of `table` into its record. Throws store::Error.
void writeControls(store::Table& table);
// writeControls, then posts the record. Throws store::Error.
void postRecord(store::Table& table);

// Whether a focus change means the user left the control (not merely another window, a
// menu or a question box coming up).
bool leftByUser(Qt::FocusReason reason);

// Whether the focus arrived in a control by the user's own move forward: Tab, Enter, a click,
// or the program sending it there. Backtab passes through, so the user can always step back
// over a box that acts on arrival.
bool arrivedByMove(const QEvent* event);

}  // namespace ui
