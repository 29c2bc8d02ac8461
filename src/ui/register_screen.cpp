#include "ui/register_screen.h"

#include "data/register_rules.h"
#include "ui/dialogs.h"
#include "ui/field_binding.h"
#include "ui/guarded.h"

namespace ui {

RegisterScreen::RegisterScreen(store::Table& table, RegisterSetup setup, QWidget* parent)
    : QDialog(parent), table_(table), setup_(std::move(setup)) {}

RegisterScreen::~RegisterScreen() {
    if (!table_.isOpen()) return;
    runGuarded([this] {
        table_.cancel();
        table_.setIndexName({});
    });
}

void RegisterScreen::setButtons(const RegisterButtons& buttons) {
    buttons_ = buttons;
    auto wire = [this](QPushButton* button, void (RegisterScreen::*action)()) {
        if (button != nullptr) connect(button, &QPushButton::clicked, this, action);
    };
    wire(buttons_.novo, &RegisterScreen::novo);
    wire(buttons_.gravar, &RegisterScreen::gravar);
    wire(buttons_.alterar, &RegisterScreen::alterar);
    wire(buttons_.excluir, &RegisterScreen::excluir);
    wire(buttons_.consultar, &RegisterScreen::consultar);
    if (buttons_.fechar != nullptr) connect(buttons_.fechar, &QPushButton::clicked, this, &QDialog::accept);
    setEditing(editing_);
}

void RegisterScreen::setEditing(bool editing) {
    editing_ = editing;
    if (buttons_.novo != nullptr) buttons_.novo->setEnabled(!editing);
    if (buttons_.gravar != nullptr && setup_.gravarOnlyWhileEditing) buttons_.gravar->setEnabled(editing);
}

void RegisterScreen::focusFirstField() {
    if (firstField_ != nullptr) firstField_->setFocus();
}

void RegisterScreen::novo() {
    runGuarded([this] {
        writeControls(table_);
        const std::int64_t code = data::nextCode(table_);
        table_.last();
        table_.insert();
        table_.field(setup_.codeField).setInteger(code);
        setEditing(true);
        focusFirstField();
    });
}

void RegisterScreen::gravar() {
    runGuarded([this] {
        writeControls(table_);
        if (!validate()) return;
        if (!Confirma(setup_.saveQuestion)) return;
        if (!table_.isEditing()) table_.edit();
        setDerivedFields();
        postRecord(table_);
        setEditing(false);
        if (buttons_.novo != nullptr) buttons_.novo->setFocus();
    });
}

void RegisterScreen::alterar() {
    if (!mayChange() || !Confirma(setup_.changeQuestion)) return;
    runGuarded([this] {
        table_.edit();
        setEditing(true);
        focusFirstField();
    });
}

void RegisterScreen::excluir() {
    if (!mayDelete() || !Confirma(setup_.deleteQuestion)) return;
    runGuarded([this] {
        if (table_.state() == store::TableState::Edit) postRecord(table_);
        table_.deleteRecord();
        setEditing(false);
        if (buttons_.novo != nullptr) buttons_.novo->setFocus();
    });
}

void RegisterScreen::consultar() {
    if (editing_) return refuseWhileEditing();
    search();
}

void RegisterScreen::refuseWhileEditing() {
    Dialogs::current().message(setup_.editingRefusal);
}

void RegisterScreen::done(int result) {
    if (editing_) return refuseWhileEditing();
    QDialog::done(result);
}

}  // namespace ui
