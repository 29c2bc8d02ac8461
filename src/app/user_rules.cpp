#include "app/user_rules.h"

#include "data/dm.h"
#include "data/register_rules.h"
#include "data/user_passwords.h"

namespace app {

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
    data::setUsersPassword(dm, password.toStdString());
    dm.TbSenha.post();
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
    senha.deleteRecord();  // a user still being inserted is simply dropped
    return true;
}

}  // namespace app
