#include "support/qt_modal.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

namespace testsupport {
namespace {

constexpr int kPollMs = 5;

// Shuts a modal the test left open: a dialog is rejected, anything else closed.
void shut(QWidget& modal) {
    if (auto* dialog = qobject_cast<QDialog*>(&modal)) {
        dialog->reject();
    } else {
        modal.close();
    }
}

}  // namespace

void onNextModal(std::function<void(QWidget&)> action, std::chrono::milliseconds timeout) {
    auto* poll = new QTimer(qApp);
    QElapsedTimer clock;
    clock.start();
    // The modal open now (if any) is not the next one: it must be a window opened later.
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QObject::connect(poll, &QTimer::timeout, poll,
                     [poll, clock, before, action = std::move(action), timeout] {
                         QWidget* modal = QApplication::activeModalWidget();
                         if (modal != nullptr && modal != before.data() && modal->isVisible()) {
                             poll->stop();
                             poll->deleteLater();
                             action(*modal);
                         } else if (clock.elapsed() > timeout.count()) {
                             poll->stop();
                             poll->deleteLater();
                             ADD_FAILURE() << "no modal window opened";
                         }
                     });
    poll->start(kPollMs);
}

class ModalWatchdog::Timer : public QTimer {
  public:
    explicit Timer(std::chrono::milliseconds limit) : limit_(limit) {
        connect(this, &QTimer::timeout, this, &Timer::check);
        start(50);
    }

  private:
    void check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != watched_) {
            watched_ = modal;
            since_.start();
            return;
        }
        if (modal != nullptr && since_.elapsed() > limit_.count()) {
            ADD_FAILURE() << "modal window left open: " << modal->metaObject()->className() << " \""
                          << modal->windowTitle().toStdString() << "\"";
            watched_ = nullptr;
            shut(*modal);
        }
    }

    std::chrono::milliseconds limit_;
    QPointer<QWidget> watched_;
    QElapsedTimer since_;
};

ModalWatchdog::ModalWatchdog(std::chrono::milliseconds limit) : timer_(new Timer(limit)) {}

ModalWatchdog::~ModalWatchdog() = default;

}  // namespace testsupport
