#pragma once
// Every screen of the program, built on a data module and shown as the program shows it.
// The screenshot tool pictures each one and the screen check measures each one, so a screen
// added here is both pictured and checked.
#include <QString>
#include <QWidget>

#include <functional>

#include "ui/desktop.h"

namespace data {
class Tdm;
}

// Builds each screen in turn on `dm`, shows it and hands it to `visit` with its class name,
// then closes it. Adds a permitted user to an access area, so the settings screen shows
// both its lists filled.
using ScreenVisitor = std::function<void(QWidget& screen, const QString& name)>;
void forEachScreen(data::Tdm& dm, const ScreenVisitor& visit);
