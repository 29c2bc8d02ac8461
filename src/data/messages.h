#pragma once
// How the data module tells the user something without knowing about windows: the
// screens' Dialogs service implements it, tests record what was said.
#include <string>

namespace data {

class Messages {
  public:
    virtual ~Messages() = default;
    // A modal information box with one OK button.
    virtual void inform(const std::string& text) = 0;
};

}  // namespace data
