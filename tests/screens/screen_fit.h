#pragma once
// What keeps a screen readable, measured on the screen as shown: every field with a mask, a
// size or a number shows all it may hold by its font, no control is cut off by the widget
// holding it or squeezed by its layout below the size it needs, and the whole screen fits the salon's
// desktop. Each fault is one line naming the control. Every page of a tabbed screen is looked at; the page
// showing stays showing.
#include <QSize>
#include <QStringList>
#include <QWidget>

namespace screencheck {

QStringList fitProblems(QWidget& screen, QSize desktop);

}  // namespace screencheck
