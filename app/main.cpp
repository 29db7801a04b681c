// Mechík: the window of Knoflovka.
#include "Form1.h"
#include "ProgramPaths.h"
#include "ProgramSettings.h"
#include "QtDialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mechik"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Qt's own dialogs (the file dialog) in Czech too.
    QTranslator qtCzech;
    if (qtCzech.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtCzech);
    }

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
