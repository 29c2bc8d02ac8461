#pragma once
// What keeps a screen readable, measured on the screen as shown: every field with a mask, a
// size or a number shows all it may hold by its font, no control is cut off by the widget
// holding it or squeezed by its layout below the size it needs, and the whole screen fits the salon's
// desktop. A grid's columns show their names and descriptions and their headers whole, all of them when
// the desktop has room, and a look-up shows enough rows to choose from; the window's caption is written
// whole. Each fault is one line naming the control. Every page of a tabbed screen is looked at; the page
// showing stays showing.
#include <QSize>
#include <QStringList>
#include <QWidget>

namespace screencheck {

QStringList fitProblems(QWidget& screen, QSize desktop);

}  // namespace screencheck
