#pragma once
// A one-line field bound to a table field. Money fields show their display format
// (1.234,50), dates dd/mm/yyyy; what the user types is converted by the field itself.
// A field is never narrower than what it may hold (ui/field_width.h); short fields keep
// that width, long ones stretch. Text a number field cannot hold ("abc" in a money field) is
// refused where it was typed: a message, the record's value shown again, the focus kept.
#include <QLineEdit>

#include "ui/field_binding.h"

namespace ui {

class DbEdit : public QLineEdit, public FieldBinding {
    Q_OBJECT
  public:
    DbEdit(const data::DataSource& source, const std::string& fieldName, QWidget* parent = nullptr);

    // Letters typed become upper case the Brazilian way (ç → Ç).
    void setUpperCase(bool upper) { upperCase_ = upper; }
    bool upperCase() const { return upperCase_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void showValue() override;
    void storeValue(store::Field field) override;
    void showEditable(bool editable) override;
    // Stretches only a field whose content is long or unbounded; called again when a
    // subclass sets a mask.
    void fitToContent();

  private:
    void onTextEdited();
    // Writes the change as the user leaves the field or presses Enter in it.
    void writeTyped();

    bool upperCase_ = false;
};

}  // namespace ui
