#pragma once
// A multi-line text field (observations, addresses) bound to a memo or text field.
#include <QPlainTextEdit>

#include "ui/field_binding.h"

namespace ui {

class DbMemo : public QPlainTextEdit, public FieldBinding {
    Q_OBJECT
  public:
    DbMemo(const data::DataSource& source, const std::string& fieldName, QWidget* parent = nullptr);

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void showValue() override;
    void storeValue(store::Field field) override;
    void showEditable(bool editable) override;

  private:
    void onTextChanged();

    bool showing_ = false;  // the text is being replaced by the record's, not by the user
};

}  // namespace ui
