#pragma once
// The audit trail: one row of TbAuditoria for every sensitive action (a sale deleted, a price
// overridden, a bill reversed, cash taken out, a login...), written inside the same posting as
// the action, so both reach the disk or neither does. Rows are never changed or removed (the
// table is append-only in the store), and each carries a hash of the row before it and of its
// own content, so a row removed or altered in the middle breaks the chain where it was.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace store {
class Table;
}

namespace data {

class Tdm;

// What happened, as the action itself knows it; who and when are filled in by audit().
struct AuditEntry {
    std::string acao;    // "Exclusão de Venda"
    std::string tabela;  // "TbServico"
    std::string chave;   // the record's key, as text
    // What changed, readably: amounts before and after, items, forms. Clients are named by
    // their code only: the trail is never rewritten, and a client may ask to be forgotten.
    std::string resumo;
    std::string motivo;  // the reason typed, where the screen asks for one
    // The current TbSenha record authorized nothing: a failed try, or the record the users
    // screen itself is changing.
    bool noAuthorizer = false;
};

// Appends `entry` inside the posting running now, which must name dm.TbAuditoria. The user is
// the one logged in on this station (nobody for the command line); the authorizing user is the
// current TbSenha record when an authorization dialog made another user current.
void audit(Tdm& dm, const AuditEntry& entry);

// Runs `work` in one posting over `tables` and TbAuditoria, and appends the entry it returns:
// the action and its audit row are written together or not at all. No entry: the action found
// nothing to do (a cash already closed elsewhere), and the trail has nothing to say.
void postAudited(Tdm& dm, std::vector<store::Table*> tables,
                 const std::function<std::optional<AuditEntry>()>& work);

// An action audited on its own, with nothing else written (a login, a failed one).
void auditAlone(Tdm& dm, const AuditEntry& entry);

struct AuditCheck {
    std::int64_t rows = 0;
    // The first row whose chain does not hold: its code, and what is wrong with it.
    std::optional<std::int64_t> brokenAt;
    std::string problem;
};

// Walks the whole trail in order and checks every row's hashes.
AuditCheck checkAuditTrail(Tdm& dm);

}  // namespace data
