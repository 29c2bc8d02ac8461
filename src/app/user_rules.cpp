#include "app/user_rules.h"

#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/register_rules.h"
#include "data/user_passwords.h"

namespace app {

namespace {

// The user on the screen's own TbSenha record, which authorized nothing.
data::AuditEntry userAudit(store::Table& senha, std::string acao) {
    return {.acao = std::move(acao),
            .tabela = senha.name(),
            .chave = senha.field("Codigo").asString(),
            .resumo = "Usuário " + senha.field("Usuario").asString() + " (funcionário " +
                      senha.field("CodFUN").asString() + ")",
            .noAuthorizer = true};
}

}  // namespace

void startNewUser(data::Tdm& dm) {
    const std::int64_t code = data::nextCode(dm.TbSenha);
    dm.TbSenha.insert();
    dm.TbSenha.field("Codigo").setInteger(code);
}

bool takeEmployeeName(data::Tdm& dm) {
    if (!dm.TbFuncionario.findKey({dm.TbSenha.field("CodFUN").asInteger()})) return false;
    dm.TbSenha.field("Usuario").setString(dm.TbFuncionario.field("Nome").asString());
    return true;
}

RegistrationProblem checkRegistration(data::Tdm& dm, const QString& password, const QString& confirmation) {
    if (dm.TbSenha.field("Usuario").asString().empty()) return RegistrationProblem::NoUser;
    if (!takeEmployeeName(dm)) return RegistrationProblem::UnknownEmployee;
    if (confirmation.isEmpty()) return RegistrationProblem::NoConfirmation;
    if (confirmation != password) return RegistrationProblem::ConfirmationDiffers;
    return RegistrationProblem::None;
}

void registerUser(data::Tdm& dm, const QString& password) {
    store::Table& senha = dm.TbSenha;
    const bool added = senha.state() == store::TableState::Insert;
    data::setUsersPassword(dm, password.toStdString());  // slow on purpose: before the posting
    data::postAudited(dm, {&senha}, [&] {
        senha.post();
        return userAudit(senha, added ? "Inclusão de Usuário" : "Troca de Senha");
    });
}

QString messageFor(RegistrationProblem problem) {
    switch (problem) {
        case RegistrationProblem::NoUser:
            return kSelectUser;
        case RegistrationProblem::UnknownEmployee:
            return kUnknownEmployee;
        case RegistrationProblem::NoConfirmation:
            return kTypeConfirmation;
        case RegistrationProblem::ConfirmationDiffers:
            return kConfirmationDiffers;
        case RegistrationProblem::None:
            break;
    }
    return {};
}

bool deleteCurrentUser(data::Tdm& dm) {
    store::Table& senha = dm.TbSenha;
    if (senha.state() != store::TableState::Insert && senha.recordCount() == 1) {
        senha.cancel();  // an unconfirmed password change goes too
        return false;
    }
    if (senha.state() == store::TableState::Insert) {
        senha.deleteRecord();  // a user still being inserted is simply dropped
        return true;
    }
    senha.cancel();
    data::postAudited(dm, {&senha}, [&] {
        const data::AuditEntry audited = userAudit(senha, "Exclusão de Usuário");
        senha.deleteRecord();
        return audited;
    });
    return true;
}

}  // namespace app
