#pragma once
// The supplier searches "Consultar Fornecedores...": by trade name (selected at start) or by
// name. TFmConsFornec is the register's own (also used by stock entry and the per-supplier
// reports); TFmConsFornecPG, of the payables screens, can also create a supplier on the spot.
// Either leaves the chosen (or new) supplier as the current TbFornec record.
#include <cstdint>
#include <optional>

#include <QPushButton>

#include "data/dm.h"
#include "ui/search_screen.h"

namespace registers {

class TFmConsFornec : public ui::SearchScreen {
    Q_OBJECT
  public:
    explicit TFmConsFornec(data::Tdm& dm, QWidget* parent = nullptr);
    ~TFmConsFornec() override;
};

class TFmConsFornecPG : public ui::SearchScreen {
    Q_OBJECT
  public:
    explicit TFmConsFornecPG(data::Tdm& dm, QWidget* parent = nullptr);
    ~TFmConsFornecPG() override;

    QPushButton* novoButton() const { return novo_; }
    // Shows the quick supplier screen, then closes this search whatever came of it.
    void novo();
    // "&Novo" was used and its supplier cancelled: nothing was chosen.
    bool newSupplierCancelled() const { return newSupplierCancelled_; }

  private:
    data::Tdm& dm_;
    QPushButton* novo_;
    bool newSupplierCancelled_ = false;
};

// The search with creation, run modally, for a screen that picks a supplier (TbFornec is
// opened if closed and stays open). The chosen or new supplier's code, or nothing when none
// was chosen: an empty register, or a quick supplier that was cancelled.
std::optional<std::int64_t> chooseSupplier(data::Tdm& dm, QWidget* parent = nullptr);

}  // namespace registers
