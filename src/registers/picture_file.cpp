#include "registers/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace registers {

std::optional<std::string> readPictureFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    // Decode from the bytes read, so what is checked is exactly what would be stored.
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (reader.read().isNull()) return std::nullopt;
    return bytes.toStdString();
}

QString unreadablePictureMessage(const QString& path) {
    return QStringLiteral("Não foi possível ler a imagem \"%1\". Escolha um arquivo de imagem válido.")
        .arg(QFileInfo(path).fileName());
}

}  // namespace registers
