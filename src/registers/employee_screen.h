#pragma once
// The employee register: personal and work data, the commission percentage, the password
// typed on tickets, the photograph and the appointment times. "&Novo" saves an empty
// employee at once, so its appointment times have a record to belong to; the screen then
// stays in editing until "&Gravar" or "&Excluir".
#include "data/dm.h"
#include "ui/register_screen.h"

class QPushButton;

namespace ui {
class DbEdit;
class DbImage;
}  // namespace ui

namespace registers {

class EmployeeHours;

class TFmFuncionario : public ui::RegisterScreen {
    Q_OBJECT
  public:
    explicit TFmFuncionario(data::Tdm& dm, QWidget* parent = nullptr);

    // "&Novo" of the pattern, then the empty employee is posted and edited.
    void novoFuncionario();
    // "&Inclui Foto" and "Exclui Foto": the picture is stored with the record's next post.
    void incluiFoto();
    void excluiFoto();

    ui::DbImage* photo() const { return foto_; }
    EmployeeHours* hours() const { return hours_; }

  protected:
    bool mayChange() override;
    bool mayDelete() override;
    void search() override;

  private:
    QLayout* buildFields();
    QLayout* buildPhoto();
    ui::DbEdit* edit(const std::string& field, const QString& objectName);
    void startEdit();

    data::Tdm& dm_;
    ui::DbEdit* nome_ = nullptr;
    ui::DbImage* foto_ = nullptr;
    EmployeeHours* hours_ = nullptr;
};

// Creates TFmFuncionario and shows it modally.
void showFuncionarios(data::Tdm& dm);

}  // namespace registers
