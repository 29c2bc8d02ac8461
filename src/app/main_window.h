#pragma once
// The main window: the button bar for the daily work, the menu bar, and the login once it
// is shown. Until the login holds, no entry opens anything. Every entry runs its cash
// precondition and access check before its screen; entries whose screens come from other
// parts of the program stay disabled until they are wired.
#include <QMainWindow>

#include <functional>
#include <map>
#include <string>

class QAction;
class QMenu;
class QToolBar;

namespace data {
class Tdm;
}

namespace app {

struct MenuEntry;

class TFmMenu : public QMainWindow {
    Q_OBJECT
  public:
    explicit TFmMenu(QWidget* parent = nullptr);

    // The data module, created after the window and before the window is first shown.
    void attach(data::Tdm& dm);

    // Connects a screen to an entry (an id of app::entry) and enables it. Triggering the
    // entry then checks the cash state and the entry's access area before `action`.
    // Throws std::invalid_argument for an unknown id.
    void wire(const QString& id, std::function<void()> action);
    // The button or menu item of an entry; nullptr for an unknown id.
    QAction* entryAction(const QString& id) const;

    // The day's birthday report: runs after a successful login while TbCliente is ranged
    // to the clients whose birthday is today, and only when there is one.
    std::function<void()> onBirthdaysToday;

    // What every activation of the window (and its first showing) does: today's birthday
    // key again and, the first time, the login. A failed login closes the window.
    void onActivated();
    bool loginDone() const { return login_ == Login::Done; }
    const std::string& chaveAniversario() const { return chaveAniversario_; }

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // A login that failed stays Started: the window is closing.
    enum class Login { Pending, Started, Done };

    void buildBackground();
    void addEntry(const MenuEntry& entry);
    QMenu* menuAt(const QStringList& path);
    void wireOwnScreens();
    void trigger(const MenuEntry& entry);
    // The button bar and the menu bar, greyed out until the login holds.
    void setEntriesUsable(bool usable);
    void login();

    data::Tdm* dm_ = nullptr;
    QToolBar* buttonBar_;
    std::map<QString, QMenu*> menus_;  // by path joined with "/"
    std::map<QString, QAction*> actions_;
    std::map<QString, std::function<void()>> handlers_;
    Login login_ = Login::Pending;
    std::string chaveAniversario_;
};

}  // namespace app
