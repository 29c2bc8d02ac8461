#pragma once
// Connects the screens of every subsystem to the main window's entries. The main window is
// built before those screens exist for it; the program (and the screenshot tool) link
// everything and call this once the data module is there.

namespace app {
class TFmMenu;
}
namespace data {
class Tdm;
}

void wireScreens(app::TFmMenu& menu, data::Tdm& dm);
