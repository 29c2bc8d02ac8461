#pragma once
// Passwords are kept only as salted, slow hashes (argon2id strings, which carry their own salt
// and cost), so reading the data files, a backup or the server's tables gives none away.
#include <string>

namespace data {

// Starts the cryptography library once; throws, in Portuguese, when it cannot start.
void initialiseCryptography();

std::string hashPassword(const std::string& password);

// Whether `typed` is the password `hash` was made from. False for anything that is not a hash.
bool passwordMatches(const std::string& hash, const std::string& typed);

// Whether a stored value is already a hash made here, as opposed to a password kept in clear
// by a data set made before passwords were hashed.
bool isPasswordHash(const std::string& stored);

// For test programs only: hashes made from now on use the library's least cost, so the many
// data sets the tests create do not each spend a tenth of a second and 64 MiB per password.
void useLeastPasswordCostForTests();

}  // namespace data
