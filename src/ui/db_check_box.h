#pragma once
// A check box bound to a text field holding one value when ticked and another when not
// ("SIM" / ""). Any other value shows unticked. A click writes at once.
#include <QCheckBox>

#include "ui/field_binding.h"

namespace ui {

class DbCheckBox : public QCheckBox, public FieldBinding {
    Q_OBJECT
  public:
    DbCheckBox(const data::DataSource& source, const std::string& fieldName, QString valueChecked,
               QString valueUnchecked, QWidget* parent = nullptr);

  protected:
    void showValue() override;
    void storeValue(store::Field field) override;
    void showEditable(bool editable) override;

  private:
    void onClicked();

    QString valueChecked_;
    QString valueUnchecked_;
};

}  // namespace ui
