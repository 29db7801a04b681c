#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tools {

// `mechik-cli tuning list|show|add|set|rename|delete ... [--db FILE]`: the player's tunings
// edited from a script, with the checks of the tuning window. `args` follow the word
// "tuning"; `defaultDatabase` is asked only when `--db` is not given. Returns the exit status:
// 0 done (`output` printed), 1 refused or failed (`error` says why in Czech; the database is
// unchanged), 2 wrong arguments (the caller prints the usage).
int runTuningCommand(const QStringList& args, const std::function<QString()>& defaultDatabase,
                     QString& output, QString& error);

}  // namespace tools
