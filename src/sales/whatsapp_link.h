#pragma once
// The link that opens a WhatsApp conversation with a number, the message already typed.
#include <QString>
#include <QUrl>

namespace sales {

// https://wa.me/NUMBER?text=MESSAGE, with the message percent-encoded as UTF-8: only
// letters, digits and "-._~" stay as they are, so "+", "&", "?", "#" and line breaks
// reach the conversation as typed. `number` is the full international one, digits only.
QUrl whatsappLink(const QString& number, const QString& message);

}  // namespace sales
