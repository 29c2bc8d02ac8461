#pragma once
// Reading a picture file the user chose for a client's or an employee's photo, before
// anything is stored: the whole picture is decoded, so a cut or foreign file never becomes
// a photo that cannot be shown.
#include <QString>

#include <optional>
#include <string>

namespace registers {

// The open-picture dialog's filter. Metafiles are listed, as salons keep old pictures that
// way; they are refused on loading when they cannot be decoded.
inline const QString kPictureFilter = QStringLiteral(
    "All (*.bmp *.ico *.emf *.wmf *.jpg *.jpeg);;Bitmaps (*.bmp);;Icons (*.ico);;Enhanced Metafiles "
    "(*.emf);;Metafiles (*.wmf);;JPEG (*.jpg *.jpeg)");

// The file's bytes when it can be read and holds a picture the program can show; nothing
// for a missing or unreadable file, or one that is not a picture.
std::optional<std::string> readPictureFile(const QString& path);

// What the user is told when readPictureFile gives nothing.
QString unreadablePictureMessage(const QString& path);

}  // namespace registers
