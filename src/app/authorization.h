#pragma once
// The authorization dialog: the user picks his name and types his password. It logs the
// user in and stands in front of every protected action. The user picked stays the current
// TbSenha record after it closes, which is what the access and level checks read.
#include <QDialog>

#include <cstdint>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace data {
class Tdm;
}

namespace app {

class TFmAutorizacao : public QDialog {
    Q_OBJECT
  public:
    explicit TFmAutorizacao(data::Tdm& dm, QWidget* parent = nullptr);

    // The password as typed (already in capitals), also after the dialog has closed.
    QString typedPassword() const;

    // OK closes only for a current user whose password is the one typed.
    void done(int result) override;

  private:
    void chooseUser(int index);
    bool mayAccept();

    data::Tdm& dm_;
    std::vector<std::int64_t> userRows_;  // the list's users, by position
    QComboBox* users_;
    QLineEdit* password_;
    QLabel* reminder_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Shows the authorization dialog through the Dialogs service; true when it closed with OK.
bool authorize(data::Tdm& dm);

}  // namespace app
