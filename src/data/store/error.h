#pragma once
// Errors of the table store. Their text names the table and the cause in Portuguese, so
// the screens can show it unchanged in the standard error box.
#include <stdexcept>
#include <string>

namespace store {

// Where an error happened, for messages: "Tabela TbCliente (Clientes.DAT)".
struct ErrorContext {
    std::string table;
    std::string fileName;
    std::string describe() const { return "Tabela " + table + " (" + fileName + ")"; }
};

class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A post would duplicate the primary key.
class KeyViolation : public Error {
  public:
    using Error::Error;
};

// A record or the table is held by another program instance after every retry.
class LockError : public Error {
  public:
    using Error::Error;
};

// The table file is missing, is not a table, or is damaged.
class FileError : public Error {
  public:
    using Error::Error;
};

// The data server cannot be reached, or the connection to it was lost during the action:
// the action failed (a posting wrote nothing) and the next one connects again.
class ConnectionError : public Error {
  public:
    using Error::Error;
};

// A post cancelled by its OnPostError hook after the hook has told the user: the action
// stops without a further message.
class Aborted : public Error {
  public:
    Aborted() : Error("Operação cancelada.") {}
};

}  // namespace store
