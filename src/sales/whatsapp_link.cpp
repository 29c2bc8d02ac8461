#include "sales/whatsapp_link.h"

namespace sales {

QUrl whatsappLink(const QString& number, const QString& message) {
    const QByteArray text = QUrl::toPercentEncoding(message);
    return QUrl(QStringLiteral("https://wa.me/%1?text=%2").arg(number, QString::fromLatin1(text)));
}

}  // namespace sales
