#include "data/user_passwords.h"

#include <stdexcept>
#include <vector>

#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/password_hash.h"
#include "data/store/posting.h"

namespace data {

namespace {

constexpr const char* kPasswordField = "Senha";

std::string storedPassword(store::Table& senha) {
    return senha.isEmpty() ? std::string() : senha.field(kPasswordField).asString();
}

}  // namespace

bool isUsersPassword(Tdm& dm, const std::string& typed) {
    return passwordMatches(storedPassword(dm.TbSenha), typed);
}

bool onFirstPassword(Tdm& dm) {
    return isUsersPassword(dm, kFirstPassword);
}

void setUsersPassword(Tdm& dm, const std::string& typed) {
    dm.TbSenha.field(kPasswordField).setString(hashPassword(typed));
}

void changeUsersPassword(Tdm& dm, std::int64_t codigo, const std::string& typed) {
    store::Table& senha = dm.TbSenha;
    const std::string hash = hashPassword(typed);  // slow on purpose: before the record is held
    postAudited(dm, {&senha}, [&] {
        if (!senha.findKey({codigo})) throw std::runtime_error("Usuário não encontrado! Ele foi excluído em outra estação.");
        senha.editExisting();
        senha.field(kPasswordField).setString(hash);
        senha.post();
        return AuditEntry{.acao = "Troca de Senha",
                          .tabela = senha.name(),
                          .chave = std::to_string(codigo),
                          .resumo = "Usuário " + senha.field("Usuario").asString() + ", pela própria pessoa"};
    });
}

int hashClearPasswords(Tdm& dm) {
    store::Table& senha = dm.TbSenha;
    const int field = senha.field(kPasswordField).index();
    std::vector<std::int64_t> clear;
    for (const store::Record& row : senha.rowsAt(0, senha.recordCount())) {
        const auto* stored = std::get_if<std::string>(&row.values[field]);
        if (stored == nullptr || !isPasswordHash(*stored)) clear.push_back(row.rowid);
    }
    if (clear.empty()) return 0;
    const std::optional<std::int64_t> shown = senha.bookmark();
    int hashed = 0;
    store::post({&senha}, [&] {
        for (const std::int64_t rowid : clear) {
            if (!senha.gotoBookmark(rowid)) continue;  // deleted meanwhile: nothing left to hide
            senha.editExisting();
            const std::string stored = senha.field(kPasswordField).asString();
            if (isPasswordHash(stored)) {  // another station opening the same data got there first
                senha.cancel();
                continue;
            }
            senha.field(kPasswordField).setString(hashPassword(stored));
            senha.post();
            ++hashed;
        }
    });
    if (shown) senha.gotoBookmark(*shown);
    return hashed;
}

}  // namespace data
