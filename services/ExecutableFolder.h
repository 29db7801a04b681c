#pragma once

#include <QString>

namespace services {

// The folder of the running program's executable, also before any application object exists:
// the command-line tool finds its database and the print plugin before the plugin makes the
// QGuiApplication that print needs.
QString executableFolder();

}  // namespace services
