#pragma once

#include <QString>

namespace services {

// The folder of the program's files (Vezar.xls, the help page): the executable's own folder
// in a build, share/mechik beside bin/ when installed.
QString programFolder();
// True in a build, where the program's files lie beside the executable.
bool programFilesBesideExecutable();
// The tuning database the program is delivered with, in the program's folder.
QString shippedTuningDatabase();

// Where songs are created: C:\Dokumenty\Knoflovka on Windows, ~/Dokumenty/Knoflovka elsewhere.
QString defaultWorkingFolder();

}  // namespace services
