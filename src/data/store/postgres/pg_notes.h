#pragma once
// Notes about the data set as a whole on the server: rows of a small table of their own
// (velmora_notas), made when the first note is written.
#include <optional>
#include <string>

namespace store {

class PgConnection;

std::optional<std::string> pgReadNote(PgConnection& connection, const std::string& name);
void pgWriteNote(PgConnection& connection, const std::string& name, const std::string& text);
void pgRemoveNote(PgConnection& connection, const std::string& name);

}  // namespace store
