#pragma once
// What the full client register and the quick client screen share: the client's fields
// bound to DsCliente, the birthday key written on every save, and the observation memo that
// takes Enter as a line break and hands the focus to "&Gravar" when the user tabs out.
#include <QVBoxLayout>

#include "data/dm.h"
#include "ui/db_edit.h"
#include "ui/db_memo.h"
#include "ui/register_screen.h"

namespace registers {

inline const QString kClientEditingRefusal =
    QStringLiteral("Registro em Edição! Grave ou Exclua o Lançamento.");

struct ClientFormOptions {
    QString caption;
    bool withCredit = true;  // "Crédito R$" (the quick screen leaves it out)
    ui::RegisterButtonSet buttonSet;
    QString deleteQuestion;  // asked by "&Excluir" when the register's own delete is used
};

class ClientFormScreen : public ui::RegisterScreen {
    Q_OBJECT
  public:
    ClientFormScreen(data::Tdm& dm, const ClientFormOptions& options, QWidget* parent = nullptr);

    ui::DbEdit* codigo() const { return codigo_; }
    ui::DbEdit* nome() const { return nome_; }
    ui::DbEdit* dia() const { return dia_; }
    ui::DbEdit* mes() const { return mes_; }
    ui::DbMemo* obs() const { return obs_; }
    // Every button of the bar, those the screen wires itself ("&Excluir") included.
    const ui::RegisterButtons& allButtons() const { return standard_; }

  protected:
    void setDerivedFields() override;
    data::Tdm& dm() const { return dm_; }
    // The bar with the register buttons, for screens that add their own.
    QHBoxLayout* buttonBar() const { return bar_; }

  private:
    data::Tdm& dm_;
    ui::DbEdit* codigo_;
    ui::DbEdit* nome_;
    ui::DbEdit* dia_;
    ui::DbEdit* mes_;
    ui::DbMemo* obs_;
    QHBoxLayout* bar_;
    ui::RegisterButtons standard_;
};

}  // namespace registers
