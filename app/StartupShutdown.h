#pragma once

#include "MainMenu.h"
#include "services/SpreadsheetConnection.h"
#include "services/SpreadsheetStart.h"
#include "views/MainWindowLayout.h"

#include <QString>

namespace spreadsheet {
class FileChooser;
}
namespace views {
class KeyboardModels;
}
namespace songs {
class SongKeeper;
}

namespace services {
class Dialogs;
class ProgramSettings;
}  // namespace services

namespace app {

// What the program runs on: its folder, the working folder and where the host keeps its
// settings. Tests point them at temporary folders.

// Start-up: the spreadsheet connection with the tuning database, the tuning list, the stored
// numbering and keyboard model. Shutdown: the open song saved, the host ended, its default
// folder restored.
class StartupShutdown {
public:
    StartupShutdown(services::SpreadsheetConnection& connection,
                    const services::ProgramEnvironment& environment,
                    const views::Form1Controls& controls, const MenuActions& menu,
                    views::KeyboardModels& models, services::ProgramSettings& settings,
                    services::Dialogs& dialogs, spreadsheet::FileChooser* fileChooser,
                    songs::SongKeeper& keeper);

    // False when the tuning database cannot be opened: the user has been told, the program
    // must end.
    bool Form_Load();
    void StartSpreadsheet();
    void FillTuningList();
    // False when the open song could not be saved and the player chose to go back to it: the
    // program must stay open.
    bool ShutDownSpreadsheet();

private:
    void readStoredChoices();
    void applyStoredModel(int value);

    services::SpreadsheetConnection& connection_;
    services::ProgramEnvironment environment_;
    const views::Form1Controls& c_;
    const MenuActions& menu_;
    views::KeyboardModels& models_;
    services::ProgramSettings& settings_;
    services::Dialogs& dialogs_;
    spreadsheet::FileChooser* fileChooser_;
    songs::SongKeeper& keeper_;
};

}  // namespace app
