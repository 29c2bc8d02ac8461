#pragma once
// What every register screen (clients, employees, suppliers, products, chart of accounts)
// does the same way. The screen is browsing or editing: "&Novo" inserts a record with the
// highest code + 1 and starts editing, "&Alterar" edits the current record, "&Gravar"
// validates, asks and posts, "&Excluir" asks and deletes. While editing, "&Novo" is off,
// and searching or closing the screen is refused with the screen's "Registro em Edição!"
// message. When the screen goes, a pending insert or edit is cancelled, the primary index
// is selected again and the tables the screen opened are closed.
#include <QDialog>

#include <string>

#include "data/opened_tables.h"
#include "data/store/table.h"
#include "ui/form_layout.h"

namespace ui {

struct RegisterSetup {
    std::string codeField = "Codigo";
    QString editingRefusal;  // "Registro em Edição! Grave ou Exclua o Produto ou Serviço!"
    QString saveQuestion = QStringLiteral("Grava o Registro?");
    QString changeQuestion = QStringLiteral("Altera o Registro?");
    QString deleteQuestion = QStringLiteral("Exclui o Registro?");
    // Whether "&Gravar" is enabled only while editing (some screens leave it always on).
    bool gravarOnlyWhileEditing = true;
};

class RegisterScreen : public QDialog {
    Q_OBJECT
  public:
    RegisterScreen(store::Table& table, RegisterSetup setup, QWidget* parent = nullptr);
    ~RegisterScreen() override;

    store::Table& table() const { return table_; }
    bool isEditing() const { return editing_; }
    const RegisterButtons& buttons() const { return buttons_; }

    void novo();
    void gravar();
    void alterar();
    void excluir();
    void consultar();

    // Every way of closing (Fechar, Esc, the window's close button) comes here.
    void done(int result) override;

  protected:
    // Connects the screen's buttons to the actions; those it lacks stay null.
    void setButtons(const RegisterButtons& buttons);
    // Where the focus goes when an insert or edit starts.
    void setFirstField(QWidget* field) { firstField_ = field; }
    data::OpenedTables& tables() { return tables_; }
    void setEditing(bool editing);

    // The screen's own checks before a save, in order: each failure shows its message,
    // focuses its field and returns false. Values typed are already in the record.
    virtual bool validate() { return true; }
    // Fields the screen fills itself just before the post.
    virtual void setDerivedFields() {}
    // Access checks of "&Alterar" and "&Excluir".
    virtual bool mayChange() { return true; }
    virtual bool mayDelete() { return true; }
    // Shows the screen's search screen; the record chosen there is current afterwards.
    virtual void search() {}

  private:
    void refuseWhileEditing();
    void focusFirstField();

    store::Table& table_;
    RegisterSetup setup_;
    RegisterButtons buttons_;
    QWidget* firstField_ = nullptr;
    bool editing_ = false;
    data::OpenedTables tables_;
};

}  // namespace ui
