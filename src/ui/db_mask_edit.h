#pragma once
// A field typed through an edit mask: dates ("!99/99/0099;1;_", "!99/99/00;1;_"), times
// ("!90:00;1;_"), postal codes and CPF numbers ("99\.999\-999;1;_"). The mask comes
// from the field's definition unless the screen gives one. A mask left blank clears the
// field.
#include <optional>
#include <string_view>

#include "ui/db_edit.h"
#include "ui/edit_mask.h"

namespace ui {

class DbMaskEdit : public DbEdit {
    Q_OBJECT
  public:
    DbMaskEdit(const data::DataSource& source, const std::string& fieldName, QWidget* parent = nullptr);
    DbMaskEdit(const data::DataSource& source, const std::string& fieldName, std::string_view editMask,
               QWidget* parent = nullptr);

    const std::optional<EditMask>& editMask() const { return mask_; }

  protected:
    void showValue() override;
    void storeValue(store::Field field) override;

  private:
    std::optional<EditMask> mask_;
};

}  // namespace ui
