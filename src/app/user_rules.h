#pragma once
// The rules of the users screen over TbSenha and TbFuncionario (which the screen keeps
// open), apart from its window.
#include <QString>

namespace data {
class Tdm;
}

namespace app {

inline const QString kUnknownEmployee = QStringLiteral("Código de Funcionário Inexistente!");
inline const QString kSelectUser = QStringLiteral("Selecione o Usuário Para o Cadastro da Senha!");
inline const QString kTypeConfirmation = QStringLiteral("Digite a SENHA de Confirmação!");
inline const QString kConfirmationDiffers =
    QStringLiteral("A SENHA de Confirmação Não Confere Com a SENHA!!!");
inline const QString kRecordInEdit = QStringLiteral("Registro em Edição! Grave ou Exclua o Lançamento!");
inline const QString kOnlyUser = QStringLiteral("O Único Usuário do Sistema Não Pode Ser Excluído!");

// Inserts a TbSenha record numbered after the highest user code on file.
void startNewUser(data::Tdm& dm);

// Fills TbSenha.Usuario with the name of the employee TbSenha.CodFUN names. False when no
// employee has that code.
bool takeEmployeeName(data::Tdm& dm);

enum class RegistrationProblem { None, NoUser, UnknownEmployee, NoConfirmation, ConfirmationDiffers };

// Checks the user being registered or changed, and the password typed against its
// confirmation. The employee is looked up again, and the user's name taken from it, so a code
// changed after the name was filled in cannot register one employee's name with another's
// permissions.
RegistrationProblem checkRegistration(data::Tdm& dm, const QString& password, const QString& confirmation);

// Records the user being registered or changed with `password` (kept only as its hash).
void registerUser(data::Tdm& dm, const QString& password);

// The message for a problem; empty for None.
QString messageFor(RegistrationProblem problem);

// Deletes the current user after dropping any change not yet recorded; a user still being
// inserted simply disappears. Refused (false) for the only user on file: without one nobody
// could log in again.
bool deleteCurrentUser(data::Tdm& dm);

}  // namespace app
