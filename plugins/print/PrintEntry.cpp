// The plugin's only export, found by name by music::loadPrintPlugin.
#include "PdfFile.h"
#include "TablaturePainter.h"
#include "music/PrintPlugin.h"

#include <QGuiApplication>

#include <optional>
#include <type_traits>

namespace print {

namespace {

int applicationArgc = 1;
char applicationName[] = "mechik";
char* applicationArgv[] = {applicationName, nullptr};

class TablaturePrintPlugin : public music::PrintPlugin {
public:
    int paint(const music::Tablature& tablature, QPagedPaintDevice& device) override {
        return paintTablature(tablature, device);
    }

    QByteArray pdf(const music::Tablature& tablature) override {
        // Fonts need a QGuiApplication; nothing is shown, so it needs no display.
        std::optional<QGuiApplication> application;
        if (!QCoreApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            application.emplace(applicationArgc, applicationArgv);
        }
        return tablaturePdf(tablature);
    }
};

}  // namespace

}  // namespace print

extern "C" Q_DECL_EXPORT music::PrintPlugin* mechik_print_plugin_v1() {
    return new print::TablaturePrintPlugin;
}

static_assert(std::is_same_v<decltype(&mechik_print_plugin_v1), music::PrintPluginFactory>);
