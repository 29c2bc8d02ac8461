#include "ui/focus_arrival.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QWidget>

namespace ui {
namespace {

constexpr const char* kArrivalPending = "velmoraArrivalPending";

// Turns the focus a box gets back with its window into the program's move that put it there.
class ArrivalOnReturn : public QObject {
  public:
    explicit ArrivalOnReturn(QWidget* box) : QObject(box) {
        box->setProperty(kArrivalPending, true);
        box->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn) return false;
        watched->removeEventFilter(this);
        watched->setProperty(kArrivalPending, false);
        deleteLater();
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) return false;
        QFocusEvent moved(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(watched, &moved);
        return true;
    }
};

}  // namespace

void moveFocusTo(QWidget* box) {
    if (!box->window()->isActiveWindow()) {
        if (!box->property(kArrivalPending).toBool()) new ArrivalOnReturn(box);
        box->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!box->hasFocus()) return box->setFocus(Qt::OtherFocusReason);
    QFocusEvent again(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(box, &again);
}

}  // namespace ui
