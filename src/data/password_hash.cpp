#include "data/password_hash.h"

#include <sodium.h>

#include <stdexcept>

namespace data {

namespace {

bool leastCost = false;

}  // namespace

void initialiseCryptography() {
    static const int status = sodium_init();
    if (status < 0) throw std::runtime_error("Não foi possível iniciar a biblioteca de criptografia.");
}

std::string hashPassword(const std::string& password) {
    initialiseCryptography();
    char hash[crypto_pwhash_STRBYTES];
    const unsigned long long operations = leastCost ? crypto_pwhash_OPSLIMIT_MIN : crypto_pwhash_OPSLIMIT_INTERACTIVE;
    const std::size_t memory = leastCost ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE;
    if (crypto_pwhash_str_alg(hash, password.data(), password.size(), operations, memory,
                              crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw std::runtime_error("Memória insuficiente para proteger a senha.");
    return hash;
}

bool passwordMatches(const std::string& hash, const std::string& typed) {
    if (!isPasswordHash(hash)) return false;
    initialiseCryptography();
    return crypto_pwhash_str_verify(hash.c_str(), typed.data(), typed.size()) == 0;
}

bool isPasswordHash(const std::string& stored) {
    return stored.starts_with(crypto_pwhash_argon2id_STRPREFIX);
}

void useLeastPasswordCostForTests() {
    leastCost = true;
}

}  // namespace data
