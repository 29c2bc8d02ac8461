#include "cash/cash_heading.h"

#include <QLabel>

#include "ui/dialogs.h"

namespace cash {

QToolButton* addHelpButton(QBoxLayout& bar, const QString& objectName, const QStringList& messages) {
    auto* button = new QToolButton;
    button->setText(QStringLiteral("?"));
    button->setObjectName(objectName);
    button->setToolTip(QStringLiteral("Ajuda"));
    QObject::connect(button, &QToolButton::clicked, button, [messages] {
        for (const QString& message : messages) ui::Dialogs::current().message(message);
    });
    bar.addWidget(button);
    return button;
}

QHBoxLayout* heading(QWidget* screen, const QString& text, const QString& helpName,
                     const QStringList& messages) {
    auto* row = new QHBoxLayout;
    auto* title = new QLabel(text, screen);
    title->setObjectName(QStringLiteral("LabelTitulo"));
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    title->setFont(font);
    row->addWidget(title, 1);
    addHelpButton(*row, helpName, messages);
    return row;
}

}  // namespace cash
