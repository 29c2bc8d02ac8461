#include "desktop/x_input.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace desktop {

namespace {

// Long enough for the program to take each event before the next, as a fast typist.
constexpr auto kBetweenEvents = std::chrono::milliseconds(15);

}  // namespace

XInput::XInput() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) throw std::runtime_error("no X display to send input to");
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display_, &event, &error, &major, &minor))
        throw std::runtime_error("the X server has no XTest extension");
}

XInput::~XInput() {
    XCloseDisplay(display_);
}

void XInput::pause() const {
    std::this_thread::sleep_for(kBetweenEvents);
}

void XInput::press(KeySym symbol, bool down) {
    const KeyCode code = XKeysymToKeycode(display_, symbol);
    if (code == 0) throw std::runtime_error("no key for keysym " + std::to_string(symbol));
    XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
    XFlush(display_);
}

void XInput::key(KeySym symbol, unsigned modifiers) {
    const KeyCode code = XKeysymToKeycode(display_, symbol);
    if (code == 0) throw std::runtime_error("no key for keysym " + std::to_string(symbol));
    // A symbol on the shifted level of its key ('A', ':') needs Shift as a user would hold it.
    if (XkbKeycodeToKeysym(display_, code, 0, 0) != symbol) modifiers |= Shift;
    const std::pair<unsigned, KeySym> held[] = {{Control, XK_Control_L}, {Alt, XK_Alt_L}, {Shift, XK_Shift_L}};
    for (const auto& [flag, modifier] : held)
        if (modifiers & flag) press(modifier, true);
    press(symbol, true);
    press(symbol, false);
    for (const auto& [flag, modifier] : held)
        if (modifiers & flag) press(modifier, false);
    XSync(display_, False);
    pause();
}

void XInput::type(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) throw std::runtime_error("only ASCII is typed through X");
        // Printable ASCII characters are their own keysyms.
        key(c == ' ' ? XK_space : static_cast<KeySym>(c));
    }
}

void XInput::click(int x, int y) {
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XSync(display_, False);
    pause();
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XSync(display_, False);
    pause();
}

}  // namespace desktop
