#pragma once
// TFmLembretes "Lembretes": the booked slots of a day (tomorrow unless another is chosen),
// of one employee or all, whose clients accept reminders, each with its message made from
// the salon's template. "Copiar Mensagem" puts the message on the clipboard, "Abrir no
// WhatsApp" opens the conversation with the message typed (and marks it sent); "Enviado"
// and "Confirmado" switch the slot's marks. A phone that cannot be made into a Brazilian
// number shows why, and gets no link.
#include <QDialog>
#include <QUrl>

#include <functional>
#include <optional>
#include <vector>

#include "data/dm.h"
#include "sales/reminders.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

namespace ui {
class DateBox;
}

namespace sales {

// Opens a link in the system's browser; false when it could not.
using UrlOpener = std::function<bool(const QUrl&)>;
bool openInBrowser(const QUrl& url);

class TFmLembretes : public QDialog {
    Q_OBJECT
  public:
    explicit TFmLembretes(data::Tdm& dm, QWidget* parent = nullptr, UrlOpener opener = openInBrowser);

    // The slots shown, in the grid's order.
    const std::vector<Reminder>& shown() const { return reminders_; }

  private:
    void mostrar();
    void gravarModelo();
    void copiarMensagem();
    void abrirWhatsApp();
    void toggle(ReminderMark mark);
    const Reminder* selected();
    void fillGrid();

    data::Tdm& dm_;
    UrlOpener opener_;
    std::vector<Reminder> reminders_;
    std::vector<std::int64_t> employeeCodes_;  // per entry of the employee box after "Todos"

    ui::DateBox* data_;
    QComboBox* funcionario_;
    QTableWidget* grid_;
    QPlainTextEdit* modelo_;
    QLineEdit* ddd_;
};

// Shows the screen modally.
void showLembretes(data::Tdm& dm, QWidget* parent = nullptr);

}  // namespace sales
