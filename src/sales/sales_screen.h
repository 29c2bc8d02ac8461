#pragma once
// TFmModuloVENDA: the salon's till. "&Novo" begins a sale (TbServico's pending insert), the
// entry line adds its items one by one, "&Gravar" hands it to the payment screen, which
// stores it. Closing is refused while a sale is in progress. While idle, a stored sale is
// current (the one just paid, or the one "&Consultar" found): "&Recibo" prints its receipt,
// "E&xcluir" deletes it if it is of today.
#include <QDialog>

#include <functional>

#include <optional>

#include "data/dm.h"
#include "data/opened_tables.h"
#include "reports/engine/preview.h"
#include "sales/sale_items.h"

class QBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace ui {
class DbEdit;
class DbGrid;
}  // namespace ui

namespace sales {

class ReceiptPanel;

class TFmModuloVENDA : public QDialog {
    Q_OBJECT
  public:
    // The receipt goes to `receiptOutput`: the printer, in the program.
    explicit TFmModuloVENDA(data::Tdm& dm, QWidget* parent = nullptr,
                            reports::ReportOutput receiptOutput = reports::printReport);
    ~TFmModuloVENDA() override;

    // "&Gravar" being enabled is the state: a sale is in progress.
    bool inProgress() const;
    void retirada();
    // Refused while a sale is in progress (Esc, "Fechar" and the window's close come here).
    void done(int result) override;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildButtons(QBoxLayout& layout);
    QWidget* buildEntryLine();
    QGroupBox* buildLookupPanel();
    void applySettings();
    void setIdle(bool idle);
    void lockValue(bool locked);
    void focusBox(EntryBox box);
    void refuse(const EntryProblem& problem);
    bool handleKey(int key);

    void novo();
    void cancelar();
    void gravar();
    void removeItem();
    void acerto();
    void excluir();
    void consultar();
    void recibo();
    void employeeEntered();
    void itemEntered();
    void insertItem();
    void chooseEmployee();
    void openAgenda();
    void chooseClient();
    void unlockValue();
    void showLookupPanel();
    void hideLookupPanel(QWidget* focusAfter);
    void takeFromLookupPanel();
    void searchByName(const QString& text);

    data::Tdm& dm_;
    data::OpenedTables tables_;
    EntrySwitches switches_;
    std::optional<ItemLookup> lookup_;
    bool valueUnlocked_ = false;
    // The stored sale "&Recibo" and "E&xcluir" act on.
    std::optional<std::int64_t> current_;

    QPushButton* novo_;
    QPushButton* gravar_;
    QPushButton* excluir_;
    QPushButton* consultar_;
    QPushButton* cancelar_;
    QPushButton* recibo_;
    QPushButton* fechar_;
    QPushButton* excluirItem_;
    QPushButton* inserir_;
    QToolButton* alterarValor_;
    QWidget* entry_;
    ui::DbEdit* codFun_;
    ui::DbEdit* funcionario_;
    ui::DbEdit* codigo_;
    ui::DbEdit* descricao_;
    ui::DbEdit* valor_;
    ui::DbEdit* quantidade_;
    ui::DbEdit* comissao_;
    ui::DbGrid* itens_;
    QGroupBox* lookupPanel_;
    QLineEdit* nomeProduto_;
    ui::DbGrid* produtos_;
    QLabel* dateLine_;
    ReceiptPanel* receiptPanel_;
};

// The cash withdrawal screen "Retirada" opens; the button is disabled until it is set.
void setWithdrawalScreen(std::function<void(data::Tdm&)> screen);

// Opens the sales screen modally (the main window's "&Caixa").
void showModuloVenda(data::Tdm& dm);

}  // namespace sales
