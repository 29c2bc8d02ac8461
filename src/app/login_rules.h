#pragma once
// What the login and the authorization dialog decide, apart from their windows.
#include <QString>

#include <chrono>
#include <functional>
#include <string>

#include "core/date.h"

namespace data {
class Tdm;
}

namespace app {

inline const QString kWrongPassword = QStringLiteral("Senha Incorreta! Acesso Ao Sistema Negado!");

enum class AuthorizationVerdict {
    Accept,
    NoUser,         // no user chosen and none current: refused without a word
    WrongPassword,  // refused with kWrongPassword
};

// Whether the authorization dialog may close with OK for the current TbSenha record and the
// password typed (already upper case, compared exactly).
AuthorizationVerdict judgeAuthorization(data::Tdm& dm, const QString& typed);

// Wrong passwords in a row, on this station, whichever authorization dialog they were typed
// in: from the third on, the next try waits (1 s, then twice as long each time, at most 30 s),
// so guessing a password by trying takes years rather than minutes.
class WrongPasswords {
  public:
    using Clock = std::chrono::steady_clock;

    void wrong(Clock::time_point when);
    void right() { inARow_ = 0; }
    // How long the next try must still wait at `now`; zero when it may be checked.
    std::chrono::milliseconds waitAt(Clock::time_point now) const;
    // The wait that follows this many wrong passwords in a row.
    static std::chrono::seconds waitAfter(int inARow);

  private:
    int inARow_ = 0;
    Clock::time_point lastWrong_;
};

// The station's own count, shared by every authorization dialog.
WrongPasswords& wrongPasswords();

// "Aguarde 4 segundos para tentar de novo." for a wait of 3.2 s: whole seconds, rounded up.
QString waitMessage(std::chrono::milliseconds wait);

// The current TbSenha user becomes the one logged in on this station, and the trail records
// his login.
void recordLogin(data::Tdm& dm);

// The trail records a wrong password typed for the current TbSenha user.
void recordWrongPassword(data::Tdm& dm);

// The login holds when there is a current user and his password is the one typed last,
// whichever way the last authorization dialog ended.
bool loginHolds(data::Tdm& dm, const QString& lastTyped);

// Today's birthday key, the form of TbCliente.Aniversario: 5 March is "5/3".
std::string birthdayKeyOf(const core::Date& day);

// Opens TbCliente on its birthday index and, when a client has `key`, ranges it to the
// clients with that key and calls `show` (the day's birthday report). TbCliente is left on
// its primary index, without range, and closed, whatever `show` does. True when a client
// had the key.
bool listBirthdays(data::Tdm& dm, const std::string& key, const std::function<void()>& show);

}  // namespace app
