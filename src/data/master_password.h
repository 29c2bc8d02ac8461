#pragma once
// Each data set's own master password: the door to the settings screen for when nobody may
// pass its access check. It is made at random when the data set is created (or renewed by
// `velmora --senha-master`), shown once, and kept only as a salted, slow hash in the
// settings record, so reading the data files does not give it away.
#include <string>

namespace data {

class Tdm;

inline constexpr std::size_t kMasterPasswordLength = 10;

// Ten random upper-case letters and digits.
std::string newMasterPassword();

// Gives the data set a new master password, stores its hash in the settings record and
// returns the password itself, to be shown once.
std::string renewMasterPassword(Tdm& dm);

enum class MasterCheck { NotSet, Wrong, Right };

// The typed text, in capitals whatever case it was typed in, against the stored hash.
// NotSet when the data set has no master password yet (made before there was one).
MasterCheck checkMasterPassword(Tdm& dm, const std::string& typed);

// What the person who was just given a master password should be told with it.
std::string masterPasswordNotice(const std::string& password);

}  // namespace data
