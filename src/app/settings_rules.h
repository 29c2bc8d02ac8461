#pragma once
// What the settings and access screens do to TbAcesso, TbItemAcesso and TbConfig, apart
// from their windows.
#include <QString>

#include "receipts/printer_settings.h"

namespace data {
class Tdm;
}

namespace app {

inline const QString kUserEnabled = QStringLiteral("O Usuário Foi Habilitado Para Esta Área!");
inline const QString kNoUserToRemove = QStringLiteral("Não Existe Usuário Para Exclusão!");
inline const QString kSettingsUpdated = QStringLiteral("Suas Configurações Foram Atualizadas!");

// Protects the current area when it is open and opens it to everyone when it is protected;
// its permitted users stay on file either way. True when the area is now protected.
bool toggleProtection(data::Tdm& dm);

// Permits the current user (TbSenha) in the current area, once: false when his employee
// code was already permitted there.
bool grantCurrentArea(data::Tdm& dm);

// Takes the current permitted user (TbItemAcesso) out of the current area.
void removeCurrentPermission(data::Tdm& dm);

// Records the settings being edited (name, fee, logo) together with the two switches and
// the receipt printer.
void saveSettings(data::Tdm& dm, bool automaticCommission, bool automaticValue,
                  const receipts::PrinterSettings& printer);

}  // namespace app
