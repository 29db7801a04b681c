#pragma once

#include <QString>

namespace app {

// The folder of the executable: Vezar.xls and the help page lie there.
QString programFolder();
// Where songs are created: C:\Dokumenty\Knoflovka on Windows, ~/Dokumenty/Knoflovka elsewhere.
QString defaultWorkingFolder();

}  // namespace app
