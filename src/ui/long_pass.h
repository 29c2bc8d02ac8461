#pragma once
// A report screen's long walk over a period: while it reads, the gauge moves with every
// record, the screen stays responsive, the buttons that would start a second walk (or print
// half-read figures) are disabled, and closing the screen stops the walk instead of pulling
// its tables away. The walk itself is plain code over the data module taking a
// core::PassProgress; its own guards put its tables back on every way out.
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

#include "core/pass_progress.h"

class QAbstractButton;
class QProgressBar;
class QWidget;

namespace ui {

class LongPass : public QObject, public core::PassProgress {
  public:
    // `gauge` shows the progress; `heldWhileRunning` are disabled during the walk and put back
    // as they were afterwards.
    LongPass(QWidget& screen, QProgressBar& gauge, std::vector<QWidget*> heldWhileRunning);
    ~LongPass() override;
    LongPass(const LongPass&) = delete;
    LongPass& operator=(const LongPass&) = delete;

    // A button that asks to stop: it disables itself when pressed, and at the next record the
    // user is asked `question`; Sim stops the walk, Não goes on. Enabled only while running.
    void setCancelButton(QAbstractButton& button, const QString& question);

    // Runs `walk` with this object as its progress. True when it ran to the end; false when
    // the user stopped it (by the cancel button or by closing the screen, which then closes
    // once the walk has unwound) or when it failed (the error already shown through
    // ui::runGuarded). A screen closed after the last record (while the walk shows its
    // report) closes when the walk returns.
    bool run(const std::function<void(core::PassProgress&)>& walk);
    bool running() const { return running_; }

    void start(std::size_t count) override;
    void advance() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& screen_;
    QProgressBar& gauge_;
    std::vector<QPointer<QWidget>> held_;
    QPointer<QAbstractButton> cancel_;
    QString question_;
    bool running_ = false;
    bool cancelAsked_ = false;
    bool closeAsked_ = false;
};

}  // namespace ui
