#pragma once
// How the data module tells the user something without knowing about windows: the
// screens' Dialogs service implements it, tests record what was said.
#include <stdexcept>
#include <string>

namespace data {

class Messages {
  public:
    virtual ~Messages() = default;
    // A modal information box with one OK button.
    virtual void inform(const std::string& text) = 0;
};

// For work with nobody to read a message (writing a data set, a command run from a
// terminal): anything that would be said is a failure.
class FailOnMessage final : public Messages {
  public:
    void inform(const std::string& text) override { throw std::runtime_error(text); }
};

}  // namespace data
