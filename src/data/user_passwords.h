#pragma once
// The users' passwords in TbSenha.Senha, kept as hashes (data/password_hash.h). Every rule
// that reads or writes that field lives here, so no screen ever compares or shows it.
#include <cstdint>
#include <string>

namespace data {

class Tdm;

// A password is typed in capitals and holds at most this many characters.
inline constexpr int kUserPasswordLength = 10;

// Whether `typed` is the password of the current TbSenha record.
bool isUsersPassword(Tdm& dm, const std::string& typed);

// Whether the current TbSenha record still has the first password every data set starts with.
bool onFirstPassword(Tdm& dm);

// Stores `typed` as the password of the TbSenha record being inserted or edited.
void setUsersPassword(Tdm& dm, const std::string& typed);

// Gives user `codigo` a new password, in one posting. Throws, writing nothing, when that user
// is gone or another station holds his record.
void changeUsersPassword(Tdm& dm, std::int64_t codigo, const std::string& typed);

// Hashes every password a data set made before passwords were hashed still keeps in clear, in
// one posting: all of them or none. Returns how many were hashed (none, once done).
int hashClearPasswords(Tdm& dm);

}  // namespace data
