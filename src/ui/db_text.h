#pragma once
// A read-only label showing a field as the screens show it (money with its display format,
// dates dd/mm/yyyy): totals, balances, the name of the chosen client.
#include <QLabel>

#include "ui/field_binding.h"

namespace ui {

class DbText : public QLabel, public FieldBinding {
    Q_OBJECT
  public:
    DbText(const data::DataSource& source, const std::string& fieldName, QWidget* parent = nullptr);

  protected:
    void showValue() override;
    void storeValue(store::Field) override {}
    void showEditable(bool) override {}
};

}  // namespace ui
