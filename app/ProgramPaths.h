#pragma once

#include <QString>

namespace app {

// The folder of the program's files (Vezar.xls, the help page): the executable's own folder
// in a build, share/mechik beside bin/ when installed.
QString programFolder();
// The tuning database the program works with: the one beside the executable in a build;
// installed, a copy in the user's data folder (made on the first start from the shipped one),
// so the chosen tuning can be saved and a player can add a sheet of his own. Tones shipped
// wrong by an earlier version are corrected in that copy where the player left them as they were.
QString tuningDatabaseForUser();
// Where songs are created: C:\Dokumenty\Knoflovka on Windows, ~/Dokumenty/Knoflovka elsewhere.
QString defaultWorkingFolder();

}  // namespace app
