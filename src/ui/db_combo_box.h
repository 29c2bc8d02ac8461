#pragma once
// A drop-down bound to a field: each entry shows a text and stores a value (the same text
// for a fixed list such as "PRODUTO" / "SERVIÇO"). Choosing an entry writes at once.
#include <QComboBox>

#include "ui/field_binding.h"

namespace ui {

class DbComboBox : public QComboBox, public FieldBinding {
    Q_OBJECT
  public:
    DbComboBox(const data::DataSource& source, const std::string& fieldName, QWidget* parent = nullptr);

    // A fixed list whose texts are also the stored values.
    void setItems(const QStringList& items);
    // Entries shown as `text` that store `value`.
    void addEntry(const QString& text, const QString& value);

  protected:
    void showValue() override;
    void storeValue(store::Field field) override;
    void showEditable(bool editable) override;

  private:
    void onActivated();
};

}  // namespace ui
