#pragma once
// The login of the first activation of the main window.
class QWidget;

namespace data {
class Tdm;
}

namespace app {

// Shows the start screen until a user is authorized or the screen is cancelled. True when
// the login holds: the current user's password is the one typed last.
bool runLogin(data::Tdm& dm, QWidget* mainWindow);

}  // namespace app
