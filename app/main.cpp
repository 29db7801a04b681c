// Mechík: the window of Knoflovka.
#include "CommandLine.h"
#include "Form1.h"
#include "services/CommandGuard.h"
#include "services/CommonMessages.h"
#include "services/ProgramPaths.h"
#include "services/ProgramSettings.h"
#include "tunings/UserTuningDatabase.h"
#include "views/QtDialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QTranslator>
#include <QWindow>

namespace {

// The last net under the commands' own guard: a failure that still reaches the event loop is
// told like any unexpected error, and the program goes on.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    services::Dialogs* dialogs = nullptr;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            if (dialogs) {
                services::showUnexpectedError(*dialogs,
                                              services::errorNumberOf(std::current_exception()));
            }
            return false;
        }
    }
};

// MECHIK_QUIT_WHEN_SHOWN=1: the program ends as soon as its window is on the screen, through
// the same shutdown as the player's own closing, so that a whole-process timer can measure the
// start. Nothing is saved: no song has been touched.
class QuitWhenShown : public QObject {
public:
    explicit QuitWhenShown(QWidget& window) : window_(window) {}

    static bool isAsked() { return qEnvironmentVariable("MECHIK_QUIT_WHEN_SHOWN") == "1"; }

    // After show(): the window reaches the screen in the event loop, or already has.
    void watch() {
        QWindow* handle = window_.windowHandle();
        if (handle->isExposed()) {
            quitLater();
        } else {
            handle->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            quitLater();  // after the window has painted itself for this exposure
        }
        return false;
    }

private:
    void quitLater() {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (window_.close()) {
                    QCoreApplication::exit(0);
                }
            },
            Qt::QueuedConnection);
    }

    QWidget& window_;
};

}  // namespace

int main(int argc, char* argv[]) {
    GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mechik"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Qt's own dialogs (the file dialog) in Czech too.
    QTranslator qtCzech;
    if (qtCzech.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtCzech);
    }

    views::QtDialogs dialogs;
    application.dialogs = &dialogs;
    const auto forgetDialogs = qScopeGuard([&application] { application.dialogs = nullptr; });
    services::ProgramSettings settings;
    const services::ProgramEnvironment environment{services::programFolder(),
                                                   services::defaultWorkingFolder(), QString(),
                                                   tunings::tuningDatabaseForUser()};
    app::Form1 form(environment, dialogs, settings, &dialogs);
    dialogs.setParent(&form);
    if (!form.Form_Load()) {
        return 1;
    }
    form.show();
    if (const QString song = app::songToOpen(QApplication::arguments()); !song.isEmpty()) {
        form.openGivenSong(song);
    }
    QuitWhenShown quitWhenShown(form);
    if (QuitWhenShown::isAsked()) {
        quitWhenShown.watch();
    }
    return QApplication::exec();
}
