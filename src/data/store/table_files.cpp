#include "data/store/table_files.h"

#include "data/store/database.h"
#include "data/store/error.h"

namespace store {

void requireTableFiles(const Database& database, const std::string& work) {
    if (database.keepsTableFiles()) return;
    throw Error(
        work + " trabalha com os arquivos de tabela de um diretório de dados, e estes dados ficam no " +
        database.location() +
        ". Faça a cópia de segurança e a manutenção com as ferramentas do servidor (pg_dump, pg_restore).");
}

}  // namespace store
