#pragma once
// A report that could not be written, printed or read back, with a message fit for the user.
#include <stdexcept>

namespace reports {

class OutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace reports
