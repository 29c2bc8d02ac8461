#include "app/access.h"

#include "app/authorization.h"
#include "core/text.h"
#include "data/dm.h"
#include "ui/dialogs.h"

namespace app {

namespace {

const std::string kAnyLevel = "Qualquer Nível";
const std::string kTopLevel = "Nível - 1";

std::string trimmedText(store::Table& table, const char* field) {
    return core::trimmed(table.field(field).asString());
}

}  // namespace

bool accessCheck(data::Tdm& dm, double area, ui::Dialogs& dialogs, const Authorization& authorize) {
    // An area without a row has never been protected by anyone. Reading on after a failed
    // lookup would judge the action by whichever area happened to be current.
    if (!dm.TbAcesso.findKey({area})) return true;
    if (trimmedText(dm.TbAcesso, "Status").empty()) return true;
    if (!authorize()) return false;
    // The permitted-user rows follow the area just found; permissions belong to employee
    // codes, so every user of a permitted employee passes.
    const double code = dm.TbAcesso.field("Codigo").asFloat();
    if (dm.TbItemAcesso.findKey({code, dm.TbSenha.field("CodFUN").asInteger()})) return true;
    dialogs.message(kNotAuthorized);
    return false;
}

bool levelCheck(data::Tdm& dm, LevelField field, ui::Dialogs& dialogs, const Authorization& authorize) {
    const std::string required =
        trimmedText(dm.TbConfig, field == LevelField::AltPagar ? "AltPagar" : "Servico");
    if (required.empty()) return true;
    if (!authorize()) return false;
    const std::string level = trimmedText(dm.TbSenha, "Nivel");
    if (level == required || level == kTopLevel || required == kAnyLevel) return true;
    dialogs.message(kNotAuthorized);
    return false;
}

bool accessCheck(data::Tdm& dm, double area) {
    return accessCheck(dm, area, ui::Dialogs::current(), [&dm] { return authorize(dm); });
}

bool levelCheck(data::Tdm& dm, LevelField field) {
    return levelCheck(dm, field, ui::Dialogs::current(), [&dm] { return authorize(dm); });
}

}  // namespace app
