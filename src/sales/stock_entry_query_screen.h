#pragma once
// TFmConsEntrada "::.. Consultar Entradas": finds stock entries by date range, or by
// supplier and date range, and prints the lines of the search ("Relatório de Entradas").
// The entry selected when it closes stays the current record of TbEntrada, for the entry
// screen to alter or delete.
#include <QDialog>

#include <optional>

#include "data/dm.h"
#include "reports/engine/preview.h"

class QComboBox;
class QPushButton;

namespace ui {
class DateBox;
}

namespace sales {

class TFmConsEntrada : public QDialog {
    Q_OBJECT
  public:
    // Opens TbEntrada and TbItemEntrada if closed and leaves them open, on the entry
    // chosen. `output` receives the printout.
    explicit TFmConsEntrada(data::Tdm& dm, QWidget* parent = nullptr,
                            reports::ReportOutput output = reports::previewReport);
    ~TFmConsEntrada() override;

  private:
    struct Period {
        core::Date from, to;
    };
    std::optional<Period> period();
    std::int64_t supplier() const;
    void search(char mode);
    void chooseSupplier(int index);
    void print();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    char mode_ = 0;  // 'G' by dates, 'F' by supplier and dates, after a search
    ui::DateBox* from_;
    ui::DateBox* to_;
    QComboBox* fornecedor_;
    QPushButton* imprimir_;
};

}  // namespace sales
