#include "ui/long_pass.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QProgressBar>
#include <QWidget>

#include <algorithm>

#include "ui/dialogs.h"
#include "ui/fresh_screens.h"
#include "ui/guarded.h"

namespace ui {

LongPass::LongPass(QWidget& screen, QProgressBar& gauge, std::vector<QWidget*> heldWhileRunning)
    : screen_(screen), gauge_(gauge) {
    for (QWidget* widget : heldWhileRunning) held_.emplace_back(widget);
    screen_.installEventFilter(this);
}

LongPass::~LongPass() {
    screen_.removeEventFilter(this);
}

void LongPass::setCancelButton(QAbstractButton& button, const QString& question) {
    cancel_ = &button;
    question_ = question;
    button.setEnabled(false);
    QObject::connect(&button, &QAbstractButton::clicked, this, [this] {
        if (!running_) return;
        cancelAsked_ = true;
        if (cancel_) cancel_->setEnabled(false);
    });
}

bool LongPass::run(const std::function<void(core::PassProgress&)>& walk) {
    if (running_) return false;  // a second walk never starts inside the first
    std::vector<bool> wasEnabled;
    for (const auto& widget : held_) {
        wasEnabled.push_back(widget && widget->isEnabled());
        if (widget) widget->setEnabled(false);
    }
    if (cancel_) cancel_->setEnabled(true);
    running_ = true;
    const KeepTablesStill tablesStill;
    cancelAsked_ = closeAsked_ = false;
    bool completed = false;
    bool stopped = false;
    runGuarded([&] {
        try {
            walk(*this);
            completed = true;
        } catch (const core::PassCancelled&) {
            stopped = true;
        }
    });
    running_ = false;
    if (cancel_) cancel_->setEnabled(false);
    for (std::size_t i = 0; i < held_.size(); ++i)
        if (held_[i]) held_[i]->setEnabled(wasEnabled[i]);
    // A close asked for while the walk showed its report (no record left to stop at) is
    // carried out once the report is closed.
    if (closeAsked_) screen_.close();
    return completed;
}

void LongPass::start(std::size_t count) {
    gauge_.setRange(0, static_cast<int>(std::max<std::size_t>(count, 1)));
    gauge_.setValue(0);
}

void LongPass::advance() {
    if (gauge_.value() < gauge_.maximum()) gauge_.setValue(gauge_.value() + 1);
    QCoreApplication::processEvents();
    if (closeAsked_) throw core::PassCancelled{};
    if (cancelAsked_) {
        cancelAsked_ = false;
        if (Confirma(question_)) throw core::PassCancelled{};
        if (cancel_) cancel_->setEnabled(true);
    }
}

bool LongPass::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &screen_ && running_) {
        const bool escape =
            event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        if (event->type() == QEvent::Close || escape) {
            // The walk is still reading the screen's tables: stop it first, close afterwards.
            closeAsked_ = true;
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ui
