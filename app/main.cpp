// Mechík: the window of Knoflovka.
#include "Form1.h"
#include "ProgramPaths.h"
#include "ProgramSettings.h"
#include "QtDialogs.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mechik"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    app::QtDialogs dialogs;
    app::ProgramSettings settings;
    const app::ProgramEnvironment environment{app::programFolder(), app::defaultWorkingFolder(),
                                              QString(), app::tuningDatabaseForUser()};
    app::Form1 form(environment, dialogs, settings, &dialogs);
    dialogs.setParent(&form);
    if (!form.Form_Load()) {
        return 1;
    }
    form.show();
    return QApplication::exec();
}
