#include "app/login_rules.h"

#include "app/scoped_table.h"
#include "data/dm.h"

namespace app {

AuthorizationVerdict judgeAuthorization(data::Tdm& dm, const QString& typed) {
    if (dm.TbSenha.field("Codigo").asInteger() == 0) return AuthorizationVerdict::NoUser;
    if (QString::fromStdString(dm.TbSenha.field("Senha").asString()) != typed)
        return AuthorizationVerdict::WrongPassword;
    return AuthorizationVerdict::Accept;
}

bool loginHolds(data::Tdm& dm, const QString& lastTyped) {
    // Without a user, an empty password would "match" the empty one read for nobody.
    return judgeAuthorization(dm, lastTyped) == AuthorizationVerdict::Accept;
}

std::string birthdayKeyOf(const core::Date& day) {
    return core::birthdayKey(day.day, day.month);
}

bool listBirthdays(data::Tdm& dm, const std::string& key, const std::function<void()>& show) {
    ScopedTable cliente(dm.TbCliente, "siAniversario");
    if (!cliente->findKey({key})) return false;
    cliente->setRange({key}, {key});
    if (show) show();
    return true;
}

}  // namespace app
