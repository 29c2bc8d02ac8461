#pragma once
// TFmAgenda "::.. AGENDA": the appointment book of a day, for one employee or all of them.
// Loading a day makes its missing slots; "&Gravar" books the selected slot, "&Reservar"
// blocks one, "Excluir" frees one, each through the book's postings, which read the slot
// again under its lock; the grid is read again after each.
#include <QDialog>

#include <optional>

#include "data/dm.h"
#include "data/opened_tables.h"
#include "reports/engine/preview.h"
#include "sales/agenda_book.h"
#include "sales/agenda_calendar.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class CalendarPopup;
class DateBox;
class DbGrid;
}  // namespace ui

namespace sales {

class TFmAgenda : public QDialog {
    Q_OBJECT
  public:
    // `output` receives the printout of "Imprimir" (the preview by default).
    explicit TFmAgenda(data::Tdm& dm, QWidget* parent = nullptr,
                       reports::ReportOutput output = reports::previewReport);
    ~TFmAgenda() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::optional<core::Date> typedDate();
    void loadEmployeeDay();
    void loadWholeDay();
    // Shows the slots of the day loaded, in the index's order.
    void showDay(const std::string& index, const std::vector<store::Value>& key);
    void chooseEmployee();
    void chooseClientAndService();
    void chooseService();
    void takeService();
    std::optional<SlotSeen> selectedSlot();
    SlotService typedService() const;
    bool refuseBooked(const SlotSeen& slot);
    void gravar();
    void reservar();
    void excluir();
    void imprimir();
    // The booked slots shown, as a calendar file for a phone.
    void exportarCalendario();
    // After a change, here or refused because of another station's: the grid as stored now.
    void reread();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    data::OpenedTables tables_;
    bool loaded_ = false;
    // The day's slots the grid shows: TbAgenda's index and its range key.
    std::string shownIndex_;
    std::vector<store::Value> shownKey_;
    CalendarSelection shownSlots_;
    // The service last taken from the catalogue, while "Serviços:" still shows it.
    std::optional<SlotService> chosenService_;

    ui::DateBox* data_;
    QLineEdit* codigo_;
    QLineEdit* funcionario_;
    QLineEdit* cliente_;
    QLineEdit* servicos_;
    QPushButton* gravar_;
    QPushButton* reservar_;
    QLabel* aviso_;
    ui::CalendarPopup* calendario_;
    ui::DbGrid* grid_;
};

// Shows the book modally.
void showAgenda(data::Tdm& dm, QWidget* parent = nullptr);

}  // namespace sales
