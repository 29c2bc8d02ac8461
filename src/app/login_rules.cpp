#include "app/login_rules.h"

#include <algorithm>

#include "app/scoped_table.h"
#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/user_passwords.h"

namespace app {

AuthorizationVerdict judgeAuthorization(data::Tdm& dm, const QString& typed) {
    if (dm.TbSenha.field("Codigo").asInteger() == 0) return AuthorizationVerdict::NoUser;
    if (!data::isUsersPassword(dm, typed.toStdString())) return AuthorizationVerdict::WrongPassword;
    return AuthorizationVerdict::Accept;
}

void WrongPasswords::wrong(Clock::time_point when) {
    ++inARow_;
    lastWrong_ = when;
}

std::chrono::milliseconds WrongPasswords::waitAt(Clock::time_point now) const {
    const auto wait = waitAfter(inARow_) - std::chrono::duration_cast<std::chrono::milliseconds>(now - lastWrong_);
    return std::max(wait, std::chrono::milliseconds(0));
}

std::chrono::seconds WrongPasswords::waitAfter(int inARow) {
    constexpr int kFree = 2;  // the third wrong one in a row is the first to cost a wait
    constexpr std::chrono::seconds kLongest(30);
    if (inARow <= kFree) return std::chrono::seconds(0);
    std::chrono::seconds wait(1);
    for (int i = kFree + 1; i < inARow && wait < kLongest; ++i) wait *= 2;
    return std::min(wait, kLongest);
}

WrongPasswords& wrongPasswords() {
    static WrongPasswords station;
    return station;
}

QString waitMessage(std::chrono::milliseconds wait) {
    const auto seconds = (wait.count() + 999) / 1000;
    return seconds == 1 ? QStringLiteral("Aguarde 1 segundo para tentar de novo.")
                        : QStringLiteral("Aguarde %1 segundos para tentar de novo.").arg(seconds);
}

void recordLogin(data::Tdm& dm) {
    store::Table& senha = dm.TbSenha;
    dm.loggedIn = {senha.field("Codigo").asInteger(), senha.field("Usuario").asString()};
    data::auditAlone(dm, {.acao = "Entrada no Sistema", .tabela = senha.name(), .chave = senha.field("Codigo").asString()});
}

void recordWrongPassword(data::Tdm& dm) {
    store::Table& senha = dm.TbSenha;
    data::auditAlone(dm, {.acao = "Senha Incorreta",
                          .tabela = senha.name(),
                          .chave = senha.field("Codigo").asString(),
                          .resumo = "Tentativa como " + senha.field("Usuario").asString(),
                          .noAuthorizer = true});
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
