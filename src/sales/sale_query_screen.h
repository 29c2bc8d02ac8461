#pragma once
// TFmConsServico "::.. Consultar Serviços": finds a stored sale by its number (searched at
// every change of the box), by a range of dates, or by its client in the grid, and leaves
// TbServico on the sale chosen for the sales screen's receipt and deletion.
#include <QDialog>

#include "data/dm.h"

class QLineEdit;

namespace ui {
class DateBox;
}

namespace sales {

class TFmConsServico : public QDialog {
    Q_OBJECT
  public:
    // Opens TbServico and TbItensServico if closed and leaves them open; starts on the most
    // recent sale.
    explicit TFmConsServico(data::Tdm& dm, QWidget* parent = nullptr);
    // TbServico back on its primary index without a range, still on the sale shown.
    ~TFmConsServico() override;

  private:
    void pesquisar();
    void searchNumber(const QString& text);

    data::Tdm& dm_;
    ui::DateBox* from_;
    ui::DateBox* to_;
    QLineEdit* numero_;
};

}  // namespace sales
