#include "RecentSongsMenu.h"

#include "MainMenu.h"
#include "services/Dialogs.h"
#include "services/ProgramSettings.h"
#include "songs/RecentSongs.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace app {

RecentSongsMenu::RecentSongsMenu(const MenuActions& menu, services::ProgramSettings& settings,
                                 services::Dialogs& dialogs)
    : soubor_(menu.mnuSoubor),
      before_(menu.sepKonec),
      otevrit_(menu.mnuOtevrit),
      settings_(settings),
      dialogs_(dialogs) {
    runCommand = [](const std::function<void()>& command) { command(); };
    refresh();
}

// The entries go with the list, never to be triggered into a list that is gone.
RecentSongsMenu::~RecentSongsMenu() {
    for (QAction* entry : entries_) {
        delete entry;
    }
    delete separator_;
}

// Later: the entry that was picked may be the one whose signal is being handled.
void RecentSongsMenu::clear() {
    for (QAction* entry : entries_) {
        soubor_->removeAction(entry);
        entry->deleteLater();
    }
    entries_.clear();
    if (separator_) {
        soubor_->removeAction(separator_);
        separator_->deleteLater();
        separator_ = nullptr;
    }
}

void RecentSongsMenu::refresh() {
    clear();
    const songs::RecentSongs recent(settings_.list(services::ProgramSettings::PosledniPisne));
    if (recent.paths().isEmpty()) {
        return;
    }
    separator_ = new QAction(soubor_);
    separator_->setSeparator(true);
    soubor_->insertAction(before_, separator_);
    const QStringList captions = recent.captions();
    for (int i = 0; i < captions.size(); ++i) {
        const QString path = recent.paths()[i];
        auto* entry = new QAction(captions[i], soubor_);
        entry->setObjectName(QStringLiteral("mnuPosledniPisen(%1)").arg(i));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        entry->setEnabled(otevrit_->isEnabled());
        QObject::connect(otevrit_, &QAction::enabledChanged, entry, &QAction::setEnabled);
        QObject::connect(entry, &QAction::triggered, entry,
                         [this, path] { runCommand([this, path] { pick(path); }); });
        soubor_->insertAction(before_, entry);
        entries_.push_back(entry);
    }
}

void RecentSongsMenu::remember(const QString& path) {
    songs::RecentSongs recent(settings_.list(services::ProgramSettings::PosledniPisne));
    recent.remember(path);
    settings_.setList(services::ProgramSettings::PosledniPisne, recent.paths());
    refresh();
}

void RecentSongsMenu::pick(const QString& path) {
    songs::RecentSongs recent(settings_.list(services::ProgramSettings::PosledniPisne));
    const songs::RecentSongs::Pick picked = recent.pick(path);
    if (picked.problem.isEmpty()) {
        if (open) {
            open(picked.path);
        }
        return;
    }
    settings_.setList(services::ProgramSettings::PosledniPisne, recent.paths());
    refresh();
    dialogs_.message(QStringLiteral("Písnička nenalezena."), picked.problem,
                     services::MessageIcon::Exclamation);
}

}  // namespace app
