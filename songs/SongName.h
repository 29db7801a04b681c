#pragma once

#include <QString>

namespace songs {

// A song name becomes a file name in the working folder, never a path. The reason a name
// cannot be used, in Czech, or the empty text when it can.
QString songNameProblem(const QString& name);

}  // namespace songs
