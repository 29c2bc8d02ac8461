#pragma once
// How wide a one-line field must be to show everything typed in it, by its own font: a
// masked field its mask filled in, a number field the widest amount it is meant to hold
// (or as many digits as the screen allows it), a field with a size that many characters (long fields stop at
// kLongTextCharacters and stretch instead). A grid's cells by the same rules, by the grid's font. Data fields
// and grids size themselves with it; the screen check measures with it.
#include <QLineEdit>
#include <QString>

#include "data/store/definition.h"

class QAbstractItemView;

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

// Characters a grid's text column shows whole; a longer name is rare enough to be cut.
inline constexpr int kGridTextCharacters = 40;

// The widest text a grid shows in a column of the field: a text its size in capital X (at most
// kGridTextCharacters), money "-99.999.999,99", a date or time filled in.
QString widestCellText(const store::FieldDef& def);
// Pixels a cell of `view` needs to show `text` whole, by the view's font, with the margins the
// view's items keep around their text and the grid line.
int cellWidthToShow(const QAbstractItemView& view, const QString& text);

}  // namespace ui
