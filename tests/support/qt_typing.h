#pragma once
// Typing as a user does into whichever box has the focus.
class QString;

namespace testsupport {

// Replaces what the focused box shows with `text`, then presses Enter; fails the test when
// the focus is not on a box.
void enter(const QString& text);

}  // namespace testsupport
