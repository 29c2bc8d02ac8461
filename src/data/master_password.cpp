#include "data/master_password.h"

#include <sodium.h>

#include "core/text.h"
#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/password_hash.h"

namespace data {

namespace {

constexpr const char* kHashField = "SenhaMaster";

// The stored hash as another station may just have renewed it; a settings record being
// edited on this station is left as it is.
std::string storedHash(Tdm& dm) {
    store::Table& config = dm.TbConfig;
    if (config.isOpen() && !config.isEditing()) config.refresh();
    return config.isEmpty() ? std::string() : config.field(kHashField).asString();
}

}  // namespace

std::string newMasterPassword() {
    initialiseCryptography();
    static constexpr char kSymbols[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string password;
    for (std::size_t i = 0; i < kMasterPasswordLength; ++i)
        password += kSymbols[randombytes_uniform(sizeof kSymbols - 1)];
    return password;
}

std::string renewMasterPassword(Tdm& dm) {
    const std::string password = newMasterPassword();
    const std::string hash = hashPassword(password);
    store::Table& config = dm.TbConfig;
    postAudited(dm, {&config}, [&] {
        config.first();
        if (config.isEmpty())
            config.insert();
        else
            config.edit();
        config.field(kHashField).setString(hash);
        config.post();
        return AuditEntry{.acao = "Nova Senha Master", .tabela = config.name()};
    });
    return password;
}

MasterCheck checkMasterPassword(Tdm& dm, const std::string& typed) {
    const std::string hash = storedHash(dm);
    if (hash.empty()) return MasterCheck::NotSet;
    return passwordMatches(hash, core::upperPtBr(typed)) ? MasterCheck::Right : MasterCheck::Wrong;
}

std::string masterPasswordNotice(const std::string& password) {
    return "Senha Master destes dados: " + password +
           "\nGuarde-a em lugar seguro: ela abre as configurações e o controle de acesso sem nenhuma "
           "outra senha, e não será mostrada de novo.";
}

}  // namespace data
