#pragma once
// TFmComando "::.. Controle de Serviços": an employee records on a client's numbered ticket
// each service finished, identified by code and ticket password. The focus arriving at "OK"
// records the item (and its history copy) through recordTicketItem, which looks the
// employee and the service up again by the codes typed; "Excluir" deletes the selected item
// (area 14.3); "Consultar" prints the employee's services of the day.
#include <QDialog>

#include <optional>

#include "data/dm.h"
#include "data/opened_tables.h"
#include "reports/engine/preview.h"
#include "sales/ticket_items.h"

class QLineEdit;
class QPushButton;

namespace ui {
class DbGrid;
}

namespace sales {

class TFmComando : public QDialog {
    Q_OBJECT
  public:
    // `output` receives the day's services report of "Consultar" (the preview by default).
    explicit TFmComando(data::Tdm& dm, QWidget* parent = nullptr,
                        reports::ReportOutput output = reports::previewReport);
    ~TFmComando() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refuse(QWidget* box, const QString& message);
    std::optional<std::int64_t> ticketNumber();
    std::int64_t employeeCode() const;
    bool employeeSelected() const;
    TicketEntry entry();
    void openTicketTyped();
    void lookUpEmployee();
    void checkPassword();
    void lookUpService();
    void showService();
    void chooseEmployee();
    void chooseService();
    void record();
    void closeTicket();
    void excluir();
    void consultar();
    QWidget* boxOf(TicketBox box) const;

    data::Tdm& dm_;
    reports::ReportOutput output_;
    data::OpenedTables tables_;

    QLineEdit* comanda_;
    QLineEdit* codFun_;
    QLineEdit* funcionario_;
    QLineEdit* senha_;
    QLineEdit* codigo_;
    QLineEdit* servico_;
    QLineEdit* valor_;
    QLineEdit* desconto_;
    QPushButton* ok_;
    ui::DbGrid* grid_;
};

// Shows the ticket screen modally.
void showComando(data::Tdm& dm);

}  // namespace sales
