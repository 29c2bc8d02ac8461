#pragma once
// How wide a one-line field must be to show everything typed in it, by its own font: a
// masked field its mask filled in, a number field the widest amount it is meant to hold
// (or as many digits as the screen allows it), a field with a size that many characters (long fields stop at
// kLongTextCharacters and stretch instead). Data fields size themselves with it; the screen check measures
// with it.
#include <QLineEdit>
#include <QString>

namespace ui {

// Characters a long text field is given before it just takes the width left on its row.
inline constexpr int kLongTextCharacters = 30;

// The widest text the field is expected to show, or nothing when it is unbounded.
QString widestContent(const QLineEdit& edit);
// Pixels the field needs to show `text` whole, frame, margins and cursor included.
int widthToShow(const QLineEdit& edit, const QString& text);
// widthToShow of widestContent, or 0 when the content is unbounded.
int contentWidth(const QLineEdit& edit);
// True when the content is known to be short enough that the field need not stretch.
bool hasShortContent(const QLineEdit& edit);

}  // namespace ui
