#pragma once
// Running the program with its windows: the application, the main window, the data module
// on the data directory, then the event loop until the main window closes.
#include <filesystem>
#include <functional>

#include "data/store/database.h"

namespace data {
class Tdm;
}
namespace ui {
class Dialogs;
}

namespace app {

class TFmMenu;

// Connects the screens of the rest of the program to the main window's entries.
using ScreenWiring = std::function<void(TFmMenu& menu, data::Tdm& dm)>;

// The whole interactive run; returns the exit status. Creates the QApplication unless the
// caller already has one.
int runProgram(int& argc, char** argv, const store::Location& dataSet, const ScreenWiring& wireScreens = {});

// A data directory without the program's tables is named to the user, who may have a new
// data set created there; its master password is then shown, this once. False when there is still no data set
// to work on (the user said no, or it could not be created; the reason has been shown).
// A database on a server without them is named and offered the same way.
bool ensureDataSet(const store::Location& dataSet, ui::Dialogs& dialogs);

}  // namespace app
