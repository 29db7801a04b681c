#pragma once

#include <QString>
#include <QStringList>

namespace tools {

// `mechik-cli import MELODY TUNING OUT.xls [--db FILE] [--transpose N] [--force]` (`arguments`
// without the word "import"): the melody made into a new song in TUNING, written to OUT only
// when everything has succeeded. `output` gets "imported<TAB>GRIPS<TAB>REVERSALS<TAB>SHIFT",
// `error` the Czech message of a refusal. Returns 0, 1 for a refusal, 2 for wrong arguments.
int importCommand(const QStringList& arguments, const QString& defaultDatabase, QString& output,
                  QString& error);

}  // namespace tools
