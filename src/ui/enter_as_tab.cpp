#include "ui/enter_as_tab.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace ui {
namespace {

constexpr const char* kAllowEnter = "velmoraAllowEnter";

bool isEnter(const QKeyEvent& key) {
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
    return (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A focused push button takes Enter and clicks, except one that deletes or reverses: there
// Enter moves on too, so a user pressing Enter through a form can never delete by it.
bool destroys(const QAbstractButton& button) {
    const QString caption = button.text().remove(QLatin1Char('&')).trimmed();
    return caption.startsWith(QStringLiteral("Excluir")) || caption.startsWith(QStringLiteral("Estornar"));
}

bool allowsEnter(const QWidget* widget, const QWidget* screen) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (widget->property(kAllowEnter).toBool()) return true;
        if (widget == screen) break;
    }
    return false;
}

// Watches the whole application, because a key reaches the focused control before any
// filter on the screen itself could see it; only keys aimed at this screen's window count.
class EnterAsTab : public QObject {
  public:
    explicit EnterAsTab(QWidget* screen) : QObject(screen), screen_(screen) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        auto* target = static_cast<QWidget*>(watched);
        if (target != screen_ && !screen_->isAncestorOf(target)) return false;
        if (!isEnter(*static_cast<QKeyEvent*>(event))) return false;
        QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr || (focused != screen_ && !screen_->isAncestorOf(focused))) return false;
        if (allowsEnter(focused, screen_)) return false;
        const auto* button = qobject_cast<QAbstractButton*>(focused);
        if (button != nullptr && !destroys(*button)) return false;
        // Qt's own Tab handling moves the focus: the same order, skipping and wrapping.
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focused->window(), &tab);
        return true;
    }

  private:
    QPointer<QWidget> screen_;
};

}  // namespace

void installEnterAsTab(QWidget* screen) {
    new EnterAsTab(screen);
}

void allowEnterIn(QWidget* control) {
    control->setProperty(kAllowEnter, true);
}

}  // namespace ui
