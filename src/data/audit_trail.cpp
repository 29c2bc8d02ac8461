#include "data/audit_trail.h"

#include <sodium.h>
#include <unistd.h>

#include <array>

#include "core/date.h"
#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/password_hash.h"
#include "data/store/posting.h"

namespace data {

namespace {

// The fields a row's hash covers, in this order, after the previous row's hash.
constexpr std::array kCoveredFields = {"Codigo",       "Data",      "Hora", "Estacao", "CodUsuario",
                                       "Usuario",      "CodAutorizou", "Autorizou", "Acao",    "Tabela",
                                       "Chave",        "Resumo",    "Motivo"};

std::string stationName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return "desconhecida";
    return name;
}

std::string sha256Hex(const std::string& text) {
    initialiseCryptography();
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(text.data()), text.size());
    char hex[crypto_hash_sha256_BYTES * 2 + 1];
    sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
    return hex;
}

// The previous row's hash, then every covered field: a unit separator between them, so that no
// shift of text from one field into the next gives the same content.
std::string rowHash(store::Table& auditoria, const std::string& previous) {
    std::string content = previous;
    for (const char* name : kCoveredFields) {
        content += '\x1f';
        store::Field field = auditoria.field(name);
        switch (field.type()) {
            case store::FieldType::Date:
                content += field.asDate().toIso();
                break;
            case store::FieldType::Time:
                content += field.asTime().toIso();
                break;
            default:
                content += field.asString();
        }
    }
    return sha256Hex(content);
}

}  // namespace

void audit(Tdm& dm, const AuditEntry& entry) {
    store::Table& auditoria = dm.TbAuditoria;
    auditoria.setIndexName("");
    auditoria.last();  // inside the posting, which holds the table: nobody appends meanwhile
    const bool first = auditoria.isEmpty();
    const std::int64_t codigo = first ? 1 : auditoria.field("Codigo").asInteger() + 1;
    const std::string previous = first ? std::string() : auditoria.field("Hash").asString();

    store::Table& senha = dm.TbSenha;
    const std::int64_t current = senha.isOpen() && !senha.isEmpty() ? senha.field("Codigo").asInteger() : 0;
    const Tdm::Operator& user = dm.loggedIn.codigo != 0 ? dm.loggedIn : Tdm::Operator{};

    auditoria.insert();
    auditoria.field("Codigo").setInteger(codigo);
    auditoria.field("Data").setDate(core::Date::today());
    auditoria.field("Hora").setTime(core::Time::now());
    auditoria.field("Estacao").setString(stationName());
    auditoria.field("CodUsuario").setInteger(user.codigo);
    auditoria.field("Usuario").setString(user.nome);
    // Nobody logged in (the command line, the demo salon): the current record authorized nothing.
    if (!entry.noAuthorizer && user.codigo != 0 && current != 0 && current != user.codigo) {
        auditoria.field("CodAutorizou").setInteger(current);
        auditoria.field("Autorizou").setString(senha.field("Usuario").asString());
    }
    auditoria.field("Acao").setString(entry.acao);
    auditoria.field("Tabela").setString(entry.tabela);
    auditoria.field("Chave").setString(entry.chave);
    auditoria.field("Resumo").setString(entry.resumo);
    auditoria.field("Motivo").setString(entry.motivo);
    auditoria.field("Anterior").setString(previous);
    auditoria.field("Hash").setString(rowHash(auditoria, previous));
    auditoria.post();
}

void postAudited(Tdm& dm, std::vector<store::Table*> tables,
                 const std::function<std::optional<AuditEntry>()>& work) {
    OpenedTables opened;
    opened.open(dm.TbAuditoria);
    tables.push_back(&dm.TbAuditoria);
    store::post(tables, [&] {
        if (const std::optional<AuditEntry> entry = work()) audit(dm, *entry);
    });
}

void auditAlone(Tdm& dm, const AuditEntry& entry) {
    postAudited(dm, {}, [&] { return entry; });
}

AuditCheck checkAuditTrail(Tdm& dm) {
    OpenedTables opened;
    opened.open(dm.TbAuditoria);
    store::Table& auditoria = dm.TbAuditoria;
    auditoria.setIndexName("");
    AuditCheck check;
    std::string previous;
    std::int64_t expectedCode = 1;
    for (auditoria.first(); !auditoria.eof(); auditoria.next(), ++check.rows, ++expectedCode) {
        const std::int64_t codigo = auditoria.field("Codigo").asInteger();
        const auto broken = [&](std::string problem) {
            check.brokenAt = codigo;
            check.problem = std::move(problem);
        };
        if (auditoria.field("Anterior").asString() != previous) {
            broken(codigo == expectedCode ? "o encadeamento com o registro anterior não confere"
                                          : "falta o registro " + std::to_string(expectedCode) +
                                                " antes dele (removido)");
            break;
        }
        if (codigo != expectedCode) {
            broken("falta o registro " + std::to_string(expectedCode) + " antes dele (removido)");
            break;
        }
        if (rowHash(auditoria, previous) != auditoria.field("Hash").asString()) {
            broken("o conteúdo foi alterado depois de gravado");
            break;
        }
        previous = auditoria.field("Hash").asString();
    }
    return check;
}

}  // namespace data
