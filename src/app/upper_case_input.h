#pragma once
// Password boxes turn letters into capitals as they are typed, the Brazilian way ("ç" to
// "Ç"), so the stored upper-case password matches whatever case the user types in.
class QLineEdit;

namespace app {

void typeInUpperCase(QLineEdit* edit);

}  // namespace app
