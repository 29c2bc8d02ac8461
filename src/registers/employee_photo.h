#pragma once
// The employee's photograph: which files the picture chooser offers, and the check that a
// chosen file really is a picture before it goes into the record.
#include <QString>

#include <optional>

namespace registers {

// The chooser lists metafiles too, as salons keep old logos that way; they are refused
// on loading when the toolkit cannot decode them.
inline const QString kPictureFilter = QStringLiteral(
    "All (*.bmp *.ico *.emf *.wmf *.jpg *.jpeg);;Bitmaps (*.bmp);;Icons (*.ico);;"
    "Enhanced Metafiles (*.emf);;Metafiles (*.wmf)");

// Nothing when `path` holds a picture that can be shown again from the record; otherwise
// the message telling the user why it was not loaded.
std::optional<QString> pictureRefusal(const QString& path);

}  // namespace registers
