// The floor under mechik-cli's commands: a process that only creates a QCoreApplication and
// reads the workbook stream out of an .xls container with libgsf, as the spreadsheet host
// does. Timed whole with hyperfine beside the CLI; prints nothing, fails when it cannot read.
#include "spreadsheet/xls/CompoundFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdint>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        return 2;
    }
    QFile file(arguments.at(1));
    if (!file.open(QIODevice::ReadOnly)) {
        return 1;
    }
    const QByteArray bytes = file.readAll();
    const auto contents = spreadsheet::xls::extractWorkbookStream(
        reinterpret_cast<const std::uint8_t*>(bytes.constData()),
        static_cast<std::size_t>(bytes.size()), static_cast<std::size_t>(bytes.size()));
    const bool read = contents.problem == spreadsheet::xls::ContainerProblem::None &&
                      !contents.workbookStream.empty();
    return read ? 0 : 1;
}
