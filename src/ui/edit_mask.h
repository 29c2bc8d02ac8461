#pragma once
// Edit masks as the field definitions write them ("!99/99/0099;1;_": the mask, whether the
// literals are stored with the value, the blank character), turned into a QLineEdit input
// mask. In these masks 0 is a required digit and 9 an optional one (the other way round
// from Qt), L/l a letter, A/a a letter or digit, C/c any character, \ quotes a literal,
// > and < change case and a leading ! only says how blanks are kept.
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

namespace ui {

class EditMask {
  public:
    // Nothing for the empty mask.
    static std::optional<EditMask> parse(std::string_view mask);

    // For QLineEdit::setInputMask, blank character included.
    const QString& inputMask() const { return inputMask_; }
    QChar blank() const { return blank_; }
    bool savesLiterals() const { return saveLiterals_; }
    // Characters the mask shows, literals included ("99/99/00" shows 8).
    int length() const { return static_cast<int>(literal_.size()); }

    // True when no input position of the shown text holds a character.
    bool isBlank(const QString& shown) const;
    // The value to store from the shown text: blanks become spaces; literals stay only
    // when the mask saves them.
    QString valueOf(const QString& shown) const;

  private:
    QString inputMask_;
    QChar blank_ = QLatin1Char('_');
    bool saveLiterals_ = true;
    std::vector<bool> literal_;  // one per shown character
};

}  // namespace ui
