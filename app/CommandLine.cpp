#include "CommandLine.h"

#include <QFileInfo>
#include <QUrl>

namespace app {

QString songToOpen(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.isEmpty() || argument.startsWith(u'-')) {
            continue;
        }
        const QString local = argument.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)
                                  ? QUrl(argument).toLocalFile()
                                  : argument;
        return QFileInfo(local).absoluteFilePath();
    }
    return {};
}

}  // namespace app
