#pragma once
// What the two cash screens share: their heading with a help button beside it, and help
// buttons that show their messages one after the other.
#include <QBoxLayout>
#include <QStringList>
#include <QToolButton>

namespace cash {

QToolButton* addHelpButton(QBoxLayout& bar, const QString& objectName, const QStringList& messages);
// The heading in large bold letters with a help button at its right.
QHBoxLayout* heading(QWidget* screen, const QString& text, const QString& helpName,
                     const QStringList& messages);

}  // namespace cash
