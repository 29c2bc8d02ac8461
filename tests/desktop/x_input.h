#pragma once
// A user's keyboard and mouse: events injected into the X server (XTest), which delivers them
// to whichever window holds the focus or lies under the pointer, as it would a real user's.
// Used from the test thread only, over a display connection of its own.
// Only the key names: X.h's macros (KeyPress, FocusIn, None…) would clash with Qt's.
#include <X11/keysym.h>

#include <string_view>

struct _XDisplay;

namespace desktop {

using KeySym = unsigned long;  // as X's own

enum Modifier : unsigned { NoModifier = 0, Shift = 1, Alt = 2, Control = 4 };

class XInput {
  public:
    XInput();
    ~XInput();
    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;

    // One key pressed and released with the modifiers held, e.g. key(XK_Return), key('c', Alt).
    void key(KeySym symbol, unsigned modifiers = NoModifier);
    // Plain ASCII text, key by key.
    void type(std::string_view text);
    void click(int x, int y);

  private:
    void press(KeySym symbol, bool down);
    void pause() const;

    _XDisplay* display_;
};

}  // namespace desktop
