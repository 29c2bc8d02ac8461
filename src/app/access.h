#pragma once
// The two guards in front of protected actions: the access check by area and the older
// check by user level. Both read the current TbSenha record as the user, which the
// authorization dialog leaves on the user it accepted.
#include <QString>

#include <functional>

namespace data {
class Tdm;
}
namespace ui {
class Dialogs;
}

namespace app {

inline const QString kNotAuthorized = QStringLiteral("Usuário Não Autorizado Para Esta Área!");

// Asks who is there: true when a user was chosen and gave the right password; that user is
// then the current TbSenha record.
using Authorization = std::function<bool()>;

// Area N open (or not on file): go on without asking. Protected: go on only when the
// authorized user's employee code is among the area's permitted users. A cancelled
// authorization stops silently; a user not permitted is told so.
bool accessCheck(data::Tdm& dm, double area, ui::Dialogs& dialogs, const Authorization& authorize);

// The settings field that names the level an action needs.
enum class LevelField { AltPagar, Servico };

// Empty setting: go on without asking. Otherwise the authorized user goes on when his
// Nivel is the one required, when it is "Nível - 1", or when the setting is "Qualquer Nível".
bool levelCheck(data::Tdm& dm, LevelField field, ui::Dialogs& dialogs, const Authorization& authorize);

// The same checks with the installed Dialogs service and the real authorization dialog:
// what screens and the menu call.
bool accessCheck(data::Tdm& dm, double area);
bool levelCheck(data::Tdm& dm, LevelField field);

}  // namespace app
