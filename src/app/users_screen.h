#pragma once
// The users screen: registers an employee as a user with a password, changes a password,
// deletes a user; and the list of users it consults.
#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

namespace data {
class Tdm;
}
namespace ui {
class DbEdit;
}

namespace app {

// The employee search screen, leaving the employee chosen as the current TbFuncionario
// record. Set by the employee register; until it is, "&F" stays disabled.
void setEmployeeSearch(std::function<void()> search);

class TFmSenhas : public QDialog {
    Q_OBJECT
  public:
    explicit TFmSenhas(data::Tdm& dm, QWidget* parent = nullptr);
    ~TFmSenhas() override;

    // Closing is refused while a user is being registered.
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool registering() const;
    void setRegistering(bool registering);
    void novo();
    void searchEmployee();
    void enterUser();
    void registerUser();
    void alterar();
    void excluir();
    void consulta();

    data::Tdm& dm_;
    ui::DbEdit* code_;
    ui::DbEdit* user_;
    QLineEdit* password_;
    QLineEdit* confirmation_;
    QPushButton* search_;
    QPushButton* register_;
    QPushButton* novo_;
    QPushButton* excluir_;
    QPushButton* consulta_;
    QPushButton* alterar_;
    QPushButton* fechar_;
};

// The users, one name a row; choosing one leaves it the current user.
class TFmConSenha : public QDialog {
    Q_OBJECT
  public:
    explicit TFmConSenha(data::Tdm& dm, QWidget* parent = nullptr);
};

}  // namespace app
