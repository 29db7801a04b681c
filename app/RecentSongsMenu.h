#pragma once

#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace services {
class Dialogs;
class ProgramSettings;
}  // namespace services

namespace app {

struct MenuActions;

// The last songs in "Soubor": above its final separator and "Konec", under a separator of
// their own, "&1 Polka.xls" first. They are offered while "Otevřít" is, that is while no song is
// open; a picked one opens as "Otevřít" opens a chosen song, and one that is gone is dropped
// with a message. The list is kept in the settings.
class RecentSongsMenu {
public:
    RecentSongsMenu(const MenuActions& menu, services::ProgramSettings& settings,
                    services::Dialogs& dialogs);
    ~RecentSongsMenu();
    RecentSongsMenu(const RecentSongsMenu&) = delete;
    RecentSongsMenu& operator=(const RecentSongsMenu&) = delete;

    // Opens a picked song; set by the window.
    std::function<void(const QString&)> open;
    // Each pick runs through this (the program's command guard).
    std::function<void(const std::function<void()>&)> runCommand;

    // A song created, opened, imported or converted goes to the top of the list.
    void remember(const QString& path);
    void pick(const QString& path);

    const std::vector<QAction*>& entries() const { return entries_; }

private:
    void refresh();
    void clear();

    QMenu* soubor_;
    QAction* before_;
    QAction* otevrit_;
    services::ProgramSettings& settings_;
    services::Dialogs& dialogs_;
    QAction* separator_ = nullptr;
    std::vector<QAction*> entries_;
};

}  // namespace app
