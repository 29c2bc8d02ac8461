#pragma once
// A user who logs in still on the password every data set starts with is asked to choose his
// own; he may put it off, and is asked again at the next login.
#include <QDialog>

class QLineEdit;

namespace data {
class Tdm;
}

namespace app {

inline const QString kChooseOwnPassword = QStringLiteral(
    "Sua senha ainda é a senha inicial do sistema, que qualquer pessoa pode conhecer.\n"
    "Deseja escolher uma nova senha agora?");
inline const QString kTypeNewPassword = QStringLiteral("Digite a Nova SENHA!");
inline const QString kNewPasswordIsTheFirst =
    QStringLiteral("A Nova SENHA Deve Ser Diferente da Senha Inicial!");
inline const QString kPasswordChanged = QStringLiteral("Senha Alterada!");

// The new password of the current TbSenha user, typed twice. "&Gravar" records it; "&Depois"
// leaves the first password in place for now.
class TFmTrocaSenha : public QDialog {
    Q_OBJECT
  public:
    explicit TFmTrocaSenha(data::Tdm& dm, QWidget* parent = nullptr);

  private:
    void gravar();

    data::Tdm& dm_;
    QLineEdit* password_;
    QLineEdit* confirmation_;
};

// After a login: when the current user still has the first password, asks whether to change
// it now and, if so, shows TFmTrocaSenha.
void offerOwnPassword(data::Tdm& dm, QWidget* parent);

}  // namespace app
