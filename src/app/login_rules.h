#pragma once
// What the login and the authorization dialog decide, apart from their windows.
#include <QString>

#include <functional>
#include <string>

#include "core/date.h"

namespace data {
class Tdm;
}

namespace app {

inline const QString kWrongPassword = QStringLiteral("Senha Incorreta! Acesso Ao Sistema Negado!");

enum class AuthorizationVerdict {
    Accept,
    NoUser,         // no user chosen and none current: refused without a word
    WrongPassword,  // refused with kWrongPassword
};

// Whether the authorization dialog may close with OK for the current TbSenha record and the
// password typed (already upper case, compared exactly).
AuthorizationVerdict judgeAuthorization(data::Tdm& dm, const QString& typed);

// The login holds when there is a current user and his password is the one typed last,
// whichever way the last authorization dialog ended.
bool loginHolds(data::Tdm& dm, const QString& lastTyped);

// Today's birthday key, the form of TbCliente.Aniversario: 5 March is "5/3".
std::string birthdayKeyOf(const core::Date& day);

// Opens TbCliente on its birthday index and, when a client has `key`, ranges it to the
// clients with that key and calls `show` (the day's birthday report). TbCliente is left on
// its primary index, without range, and closed, whatever `show` does. True when a client
// had the key.
bool listBirthdays(data::Tdm& dm, const std::string& key, const std::function<void()>& show);

}  // namespace app
