#pragma once
// The administrator's door to the settings screen, for when no user may pass the access
// check of the settings themselves. The key is the data set's own master password.
#include <QDialog>

class QLineEdit;

namespace data {
class Tdm;
}

namespace app {

inline const QString kInvalidMasterPassword = QStringLiteral("Senha de Administrador Master Inválida!");
// A data set made before each had its own master password has no door until one is set.
inline const QString kNoMasterPassword =
    QStringLiteral("Estes Dados Não Têm Senha Master!\nPara criá-la, execute: velmora --senha-master %1");

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
