#pragma once
// "::.. Histórico de Fotografias": the current client's before/after photographs. Every
// change is stored at once; there is no save button.
#include <QDialog>

#include "data/dm.h"
#include "data/opened_tables.h"
#include "ui/db_grid.h"
#include "ui/db_image.h"

class QPushButton;

namespace registers {

class TFmFotografias : public QDialog {
    Q_OBJECT
  public:
    explicit TFmFotografias(data::Tdm& dm, QWidget* parent = nullptr);

    enum class Side { Antes, Depois };

    ui::DbGrid* grid() const { return grid_; }
    ui::DbImage* picture(Side side) const { return side == Side::Antes ? antes_ : depois_; }

    void novo();
    void excluir();
    void inserirFoto(Side side);
    void excluirFoto(Side side);

  private:
    QWidget* pictureColumn(Side side, const QString& caption);

    data::Tdm& dm_;
    data::OpenedTables tables_;
    ui::DbGrid* grid_ = nullptr;
    ui::DbImage* antes_ = nullptr;
    ui::DbImage* depois_ = nullptr;
};

}  // namespace registers
