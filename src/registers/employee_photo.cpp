#include "registers/employee_photo.h"

#include <QFileInfo>
#include <QImageReader>

namespace registers {

std::optional<QString> pictureRefusal(const QString& path) {
    if (!QFileInfo(path).isFile()) return QStringLiteral("Arquivo de Foto Não Encontrado: %1").arg(path);
    // Decoding the whole picture, not just its header: a truncated file must not be
    // stored as a photo that never shows.
    QImageReader reader(path);
    if (reader.read().isNull())
        return QStringLiteral(
                   "Não Foi Possível Abrir a Foto: o arquivo %1 não é uma figura válida "
                   "(use JPEG, BMP ou ICO).")
            .arg(QFileInfo(path).fileName());
    return std::nullopt;
}

}  // namespace registers
