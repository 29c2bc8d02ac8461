#pragma once
// A money action refused before its first write, with the reason in the user's words
// ("O Caixa Não Está Aberto!!!"): the screen shows it in an information box, and the posting
// it ran in writes nothing.
#include <stdexcept>
#include <string>

namespace data {

class Refusal : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace data
