// Phones made into Brazil's full numbering, and the WhatsApp link carrying a message.
#include <gtest/gtest.h>

#include <QUrlQuery>

#include "sales/brazil_phone.h"
#include "sales/whatsapp_link.h"

namespace {

using sales::normaliseBrazilPhone;

struct PhoneCase {
    const char* typed;
    const char* salonAreaCode;
    const char* number;  // empty: refused
    const char* reason;  // a part of the reason given
};

TEST(BrazilPhone, TypedPhonesBecomeFullNumbersOrSayWhyNot) {
    const PhoneCase cases[] = {
        // with the area code, any punctuation
        {"(11) 98765-4321", "", "5511987654321", ""},
        {"11 98765 4321", "21", "5511987654321", ""},
        {"11.98765.4321", "", "5511987654321", ""},
        // a landline keeps its 8 digits
        {"(21) 2345-6789", "", "552123456789", ""},
        {"3456-7890", "31", "553134567890", ""},
        // without the area code: the salon's
        {"98765-4321", "47", "5547987654321", ""},
        {"98765-4321", "", "", "Sem DDD"},
        // a mobile of before the extra 9 gets it
        {"(11) 8765-4321", "", "5511987654321", ""},
        {"8765-4321", "19", "5519987654321", ""},
        // country code, trunk prefix and carrier code
        {"+55 (11) 98765-4321", "", "5511987654321", ""},
        {"55 11 98765 4321", "", "5511987654321", ""},
        {"0055 11 98765-4321", "", "5511987654321", ""},
        {"(011) 98765-4321", "", "5511987654321", ""},
        {"0 21 11 98765-4321", "", "5511987654321", ""},
        // foreign numbers
        {"+351 912 345 678", "11", "", "estrangeiro"},
        {"+1 (415) 555-0100", "", "", "estrangeiro"},
        {"00 44 20 7946 0000", "", "", "estrangeiro"},
        // what cannot be a Brazilian number
        {"", "11", "", "Sem telefone"},
        {"  -  ", "11", "", "Sem telefone"},
        {"(10) 98765-4321", "", "", "DDD inválido"},
        {"(11) 88765-4321", "", "", "começar com 9"},
        {"1234-5678", "11", "", "Número inválido"},
        {"12345", "11", "", "5 dígitos"},
        {"(11) 98765-43210", "", "", "12 dígitos"},
        {"ver com a mãe", "11", "", "letras"},
    };
    for (const PhoneCase& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " / DDD " + c.salonAreaCode);
        const sales::NormalisedPhone phone = normaliseBrazilPhone(c.typed, c.salonAreaCode);
        EXPECT_EQ(phone.number, c.number);
        EXPECT_EQ(phone.ok(), std::string(c.number) != "");
        if (phone.ok())
            EXPECT_EQ(phone.reason, "");
        else
            EXPECT_NE(phone.reason.find(c.reason), std::string::npos) << phone.reason;
    }
}

TEST(WhatsappLink, TheMessageDecodesBackExactlyAndNoReservedCharacterIsLeftBare) {
    const QString message = QStringLiteral(
        "Olá, Conceição! Amanhã às 14:30: corte + escova & hidratação?\n"
        "Responda SIM/NÃO #1 50% = ok");
    const QUrl link = sales::whatsappLink(QStringLiteral("5511987654321"), message);
    ASSERT_TRUE(link.isValid()) << link.errorString().toStdString();
    const QString encoded = link.toString(QUrl::FullyEncoded);
    EXPECT_TRUE(encoded.startsWith(QStringLiteral("https://wa.me/5511987654321?text=")))
        << encoded.toStdString();
    const QString text = encoded.section(QLatin1Char('='), 1);
    for (const QChar bare : QStringLiteral("+&?=#/:!, \n"))
        EXPECT_FALSE(text.contains(bare))
            << "bare '" << QString(bare).toStdString() << "' in " << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("%2B")));
    EXPECT_TRUE(text.contains(QStringLiteral("%0A")));
    for (const QChar c : text) EXPECT_LT(c.unicode(), 128) << text.toStdString();

    // Read back the way a browser hands it over: the raw query split at "&", then decoded.
    EXPECT_EQ(QUrl::fromPercentEncoding(text.toLatin1()), message);
    const QUrlQuery query{QUrl(encoded)};
    EXPECT_EQ(query.queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded), message);
    EXPECT_EQ(query.queryItems().size(), 1);
}

}  // namespace
