#pragma once
// Reading a picture file the user chose for a client's photo, before anything is stored.
#include <QString>

#include <optional>
#include <string>

namespace registers {

// The open-picture dialog's filter, shared with the employee photo.
inline const QString kPictureFilter = QStringLiteral(
    "All (*.bmp *.ico *.emf *.wmf *.jpg *.jpeg);;Bitmaps (*.bmp);;Icons (*.ico);;Enhanced Metafiles "
    "(*.emf);;Metafiles (*.wmf);;JPEG (*.jpg *.jpeg)");

// The file's bytes when it can be read and holds a picture the program can show; nothing
// for a missing or unreadable file, or one that is not a picture.
std::optional<std::string> readPictureFile(const QString& path);

// What the user is told when readPictureFile gives nothing.
QString unreadablePictureMessage(const QString& path);

}  // namespace registers
