#include "sales/brazil_phone.h"

#include <cctype>

namespace sales {

namespace {

constexpr std::string_view kCountry = "55";

NormalisedPhone refused(std::string reason) {
    return {"", std::move(reason)};
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Area codes run from 11 to 99 and never hold a 0.
bool isAreaCode(std::string_view digits) {
    return digits.size() == 2 && digits[0] != '0' && digits[1] != '0';
}

// Area code and subscriber number, checked and completed.
NormalisedPhone national(std::string_view areaCode, std::string subscriber) {
    if (!isAreaCode(areaCode)) return refused("DDD inválido: " + std::string(areaCode) + ".");
    if (subscriber.size() == 9 && subscriber[0] != '9')
        return refused("Celular de 9 dígitos deve começar com 9.");
    if (subscriber.size() == 8) {
        if (subscriber[0] == '0' || subscriber[0] == '1')
            return refused("Número inválido: " + subscriber + ".");
        // Landlines start with 2 to 5; 6 to 9 is a mobile still written without its 9.
        if (subscriber[0] >= '6') subscriber.insert(subscriber.begin(), '9');
    }
    return {std::string(kCountry) + std::string(areaCode) + subscriber, ""};
}

}  // namespace

NormalisedPhone normaliseBrazilPhone(std::string_view typed, std::string_view salonAreaCode) {
    std::string digits;
    bool international = false;
    for (char c : typed) {
        if (isDigit(c))
            digits += c;
        else if (c == '+' && digits.empty())
            international = true;
        else if (std::isalpha(static_cast<unsigned char>(c)))
            return refused("Telefone com letras: " + std::string(typed) + ".");
    }
    if (digits.empty()) return refused("Sem telefone.");
    if (!international && digits.starts_with("00")) {
        international = true;
        digits.erase(0, 2);
    }
    if (international) {
        if (!digits.starts_with(kCountry))
            return refused("Número estrangeiro (+" + digits.substr(0, 3) +
                           "...): fora da numeração do Brasil.");
        digits.erase(0, kCountry.size());
    } else if (digits.front() == '0') {
        // The trunk prefix, followed by a carrier code when the rest is longer than a full
        // national number.
        digits.erase(0, 1);
        if (digits.size() == 12 || digits.size() == 13) digits.erase(0, 2);
    } else if ((digits.size() == 12 || digits.size() == 13) && digits.starts_with(kCountry)) {
        digits.erase(0, kCountry.size());
    }
    switch (digits.size()) {
        case 8:
        case 9:
            if (salonAreaCode.empty()) return refused("Sem DDD: informe o DDD do cliente ou o DDD do salão.");
            return national(salonAreaCode, digits);
        case 10:
        case 11:
            return national(std::string_view(digits).substr(0, 2), digits.substr(2));
        default:
            return refused("Número com " + std::to_string(digits.size()) +
                           " dígitos: esperado DDD e 8 ou 9 dígitos.");
    }
}

}  // namespace sales
