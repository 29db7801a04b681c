// The plugin's entries, found by name by music::PrintLibrary.
#include "PdfFile.h"
#include "TablaturePainter.h"
#include "music/PrintLibrary.h"

#include <QGuiApplication>
#include <QPagedPaintDevice>

#include <optional>
#include <type_traits>

namespace {

int applicationArgc = 1;
char applicationName[] = "mechik";
char* applicationArgv[] = {applicationName, nullptr};

}  // namespace

extern "C" {

Q_DECL_EXPORT int mechik_print_interface_version() {
    return music::PrintInterfaceVersion;
}

Q_DECL_EXPORT int mechik_print_paint(const music::Tablature& tablature, QPagedPaintDevice& device) {
    return print::paintTablature(tablature, device);
}

Q_DECL_EXPORT bool mechik_print_write_pdf(const music::Tablature& tablature, const QString& path,
                                          QString& error) {
    // Fonts need a QGuiApplication. A program without any application object (the
    // command-line tool) gets an off-screen one for the length of the call.
    std::optional<QGuiApplication> application;
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application.emplace(applicationArgc, applicationArgv);
    }
    return print::writeTablaturePdf(tablature, path, error);
}
}

// The loader calls the entries through these types: they must match.
static_assert(
    std::is_same_v<decltype(&mechik_print_interface_version), music::InterfaceVersionFunction>);
static_assert(std::is_same_v<decltype(&mechik_print_paint), music::PaintFunction>);
static_assert(std::is_same_v<decltype(&mechik_print_write_pdf), music::WritePdfFunction>);
