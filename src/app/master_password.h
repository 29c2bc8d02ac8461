#pragma once
// The administrator's door to the settings screen, for when no user may pass the access
// check of the settings themselves.
#include <QDialog>

class QLineEdit;

namespace data {
class Tdm;
}

namespace app {

inline const QString kInvalidMasterPassword = QStringLiteral("Senha de Administrador Master Inválida!");

// Compared in capitals, whatever case was typed.
bool isMasterPassword(const QString& typed);

class TFmAdministradorCP : public QDialog {
    Q_OBJECT
  public:
    explicit TFmAdministradorCP(data::Tdm& dm, QWidget* parent = nullptr);

  private:
    void enter();

    data::Tdm& dm_;
    QLineEdit* password_;
};

}  // namespace app
