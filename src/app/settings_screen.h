#pragma once
// The settings and access screen: which areas are protected and who may enter them, and
// the salon's own settings (name, fee, logo, automatic commission and value, the receipt
// printer).
#include <QDialog>

class QCheckBox;

namespace data {
class Tdm;
}
namespace ui {
class DbGrid;
}

namespace app {

class ReceiptPrinterGroup;

class TFmConfigurar : public QDialog {
    Q_OBJECT
  public:
    explicit TFmConfigurar(data::Tdm& dm, QWidget* parent = nullptr);

    // Settings typed but not recorded with "Atualizar Configurações" are dropped, so the
    // settings record is not left locked against the other stations.
    void done(int result) override;

  private:
    void toggleProtection();
    void showPicker();
    void removeUser();
    void changeLogo();
    void update();

    data::Tdm& dm_;
    QCheckBox* commission_;
    QCheckBox* value_;
    ReceiptPrinterGroup* printer_;
};

}  // namespace app
