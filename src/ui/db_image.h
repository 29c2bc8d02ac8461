#pragma once
// Shows a picture kept in a graphic field, scaled to fit. Data the toolkit cannot decode
// shows nothing. Screens load pictures into the field themselves (Field::loadFromFile).
#include <QLabel>

#include "ui/field_binding.h"

namespace ui {

class DbImage : public QLabel, public FieldBinding {
    Q_OBJECT
  public:
    DbImage(const data::DataSource& source, const std::string& fieldName, QWidget* parent = nullptr);

    // Whether the current record's picture could be decoded.
    bool hasPicture() const { return !picture_.isNull(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showValue() override;
    void storeValue(store::Field) override {}
    void showEditable(bool) override {}

  private:
    void showScaled();

    QImage picture_;
};

}  // namespace ui
