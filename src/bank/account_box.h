#pragma once
// "Nº da Conta:" with its lookup button: the number typed or chosen in the account picker,
// looked up as stored now whenever the screen needs the account.
#include <QWidget>

#include <optional>

#include "bank/bank_line.h"

class QLineEdit;
class QPushButton;

namespace bank {

class AccountBox : public QWidget {
    Q_OBJECT
  public:
    // `boxName` and `buttonName` are the objectNames of the number box and its button.
    AccountBox(data::Tdm& dm, const QString& boxName, const QString& buttonCaption, const QString& buttonName,
               QWidget* parent = nullptr);

    QLineEdit* box() const { return box_; }
    std::string number() const;
    // The account of the number shown; "Conta Bancária Inexistente!" and the focus back on
    // the number when there is none.
    std::optional<Account> lookUp();

  signals:
    // An account was chosen in the picker and put in the box.
    void chosen();

  private:
    data::Tdm& dm_;
    QLineEdit* box_;
};

}  // namespace bank
