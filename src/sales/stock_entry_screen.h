#pragma once
// TFmEntrada "::.. Entrada de Produtos": a delivery from a supplier typed as a header and one
// line per product. Every action goes through the stock entry functions, which lock and read
// the entry again; the screen keeps the entry it works on and the button states of each step.
// "&Alterar" and "&Excluir" ask for area 14.2; they work on the entry last saved here or
// chosen with "&Consultar".
#include <QDialog>

#include <cstdint>
#include <optional>

#include "data/dm.h"
#include "data/opened_tables.h"
#include "reports/engine/preview.h"
#include "sales/stock_entry.h"

class QLineEdit;
class QPushButton;

namespace ui {
class DateBox;
class DbGrid;
}  // namespace ui

namespace sales {

class TFmEntrada : public QDialog {
    Q_OBJECT
  public:
    // `output` receives the printout of the query screen (the preview by default).
    explicit TFmEntrada(data::Tdm& dm, QWidget* parent = nullptr,
                        reports::ReportOutput output = reports::previewReport);
    ~TFmEntrada() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    enum class Step { Opened, Novo, Alterar, Gravar, Cancelar, Excluir };
    void setButtons(Step step);
    void refuse(QWidget* box, const QString& message);
    void refuse(const StockEntryProblem& problem);
    std::optional<EntryHeader> header();
    EntryLine line() const;
    void showLines();
    void clearBoxes();
    void forgetEntry();
    bool refusedWhileEditing();

    void novo();
    void lookUpSupplier();
    void chooseSupplier();
    void lookUpProduct();
    void chooseProduct();
    void addLine();
    void excluiItem();
    void totalizar();
    void gravar();
    void cancelar();
    void alterar();
    void excluir();
    void consultar();
    void showChosenEntry();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    data::OpenedTables tables_;
    std::optional<std::int64_t> entry_;         // the entry at hand
    std::optional<std::int64_t> productFound_;  // what the last product look-up found
    bool editing_ = false;

    ui::DateBox* data_;
    QLineEdit* nota_;
    QLineEdit* codFor_;
    QLineEdit* fornecedor_;
    QLineEdit* codigo_;
    QLineEdit* produto_;
    QLineEdit* custo_;
    QLineEdit* qt_;
    QWidget* addLine_;
    QLineEdit* total_;
    QPushButton* novo_;
    QPushButton* gravar_;
    QPushButton* excluir_;
    QPushButton* consultar_;
    QPushButton* totalizar_;
    QPushButton* excluiItem_;
    QPushButton* cancelar_;
    QPushButton* alterar_;
    QPushButton* f_;
    QPushButton* produtos_;
    ui::DbGrid* grid_;
};

// Shows the stock entry screen modally.
void showEntrada(data::Tdm& dm);

}  // namespace sales
