#include "ui/field_binding.h"

#include <QFocusEvent>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "ui/guarded.h"

namespace ui {
namespace {

// Every live binding, so a post can collect the changes still held by controls.
std::vector<FieldBinding*>& bindings() {
    static std::vector<FieldBinding*> all;
    return all;
}

}  // namespace

FieldBinding::FieldBinding(const data::DataSource& source, const std::string& fieldName)
    : fieldIndex_(requireFieldIndex(source.table, fieldName)),
      autoEdit_(source.autoEdit),
      subscription_(source.table, [this](store::TableEvent event) { onTableEvent(event); }) {
    bindings().push_back(this);
}

FieldBinding::~FieldBinding() {
    std::erase(bindings(), this);
}

void FieldBinding::setFieldReadOnly(bool readOnly) {
    fieldReadOnly_ = readOnly;
    showEditable(canChange());
}

bool FieldBinding::canChange() const {
    const store::Table& t = table();
    return !fieldReadOnly_ && t.isOpen() && (t.isEditing() || autoEdit_);
}

store::Value FieldBinding::currentValue() const {
    if (!table().isOpen()) return {};
    return field().value();
}

void FieldBinding::refresh() {
    if (!startingEdit_) {
        showValue();
        dirty_ = false;
    }
    shown_ = currentValue();
    showEditable(canChange());
}

void FieldBinding::onTableEvent(store::TableEvent event) {
    switch (event) {
        case store::TableEvent::StateChanged:
            showEditable(canChange());
            break;
        case store::TableEvent::FieldChanged:
            // Another control's write leaves a change typed here alone; a new value for
            // this very field replaces what is shown.
            if (currentValue() != shown_) refresh();
            break;
        default:
            refresh();
    }
}

bool FieldBinding::userChanged() {
    store::Table& t = table();
    if (fieldReadOnly_ || !t.isOpen()) return false;
    if (!t.isEditing()) {
        if (!autoEdit_) return false;
        startingEdit_ = true;
        const bool started = runGuarded([&t] { t.edit(); });
        startingEdit_ = false;
        if (!started || !t.isEditing()) return false;
    }
    dirty_ = true;
    return true;
}

void FieldBinding::writeToRecord() {
    if (!dirty_ || !table().isEditing()) return;
    storeValue(field());
    dirty_ = false;
    shown_ = currentValue();
}

void FieldBinding::writeGuarded() {
    runGuarded([this] { writeToRecord(); });
}

void writeControls(store::Table& table) {
    // A copy: a write may make a screen create or drop controls.
    const std::vector<FieldBinding*> all = bindings();
    for (FieldBinding* binding : all)
        if (&binding->table() == &table && std::ranges::find(bindings(), binding) != bindings().end())
            binding->writeToRecord();
}

void postRecord(store::Table& table) {
    writeControls(table);
    table.post();
}

int requireFieldIndex(store::Table& table, const std::string& name) {
    auto field = table.findField(name);
    if (!field) throw std::invalid_argument(table.name() + " has no field " + name);
    return field->index();
}

bool leftByUser(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool arrivedByMove(const QEvent* event) {
    if (event->type() != QEvent::FocusIn) return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return leftByUser(reason) && reason != Qt::BacktabFocusReason;
}

}  // namespace ui
