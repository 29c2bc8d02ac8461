#pragma once
// "Consultar Controle Bancário.": the ledger lines of an account in a period, or found by
// document number, and deleting one of them with its day balance.
#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
class DbGrid;
}  // namespace ui

namespace bank {

class AccountBox;

class TFmConsControle : public QDialog {
    Q_OBJECT
  public:
    // TbBanco is opened for the screen's life when it is closed.
    explicit TFmConsControle(data::Tdm& dm, QWidget* parent = nullptr);
    ~TFmConsControle() override;

    ui::DbGrid* grid() const { return grid_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    bool pesquisar();
    void findDocument(const QString& text);
    void excluir();

    data::Tdm& dm_;
    bool opened_;
    AccountBox* conta_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
    QRadioButton* documento_;
    QLineEdit* documentoText_;
    ui::DbGrid* grid_;
};

}  // namespace bank
