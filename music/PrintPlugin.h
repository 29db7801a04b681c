#pragma once

#include <QByteArray>

class QPagedPaintDevice;

// The printed tablature's pages, painted by a plugin library (Qt Gui) loaded only when
// something is printed, so that neither the program's start nor mechik-cli pays for it. The
// core sees the plugin through this class only; the plugin is built from the same tree, so C++
// classes may cross between them.
namespace music {

struct Tablature;

class PrintPlugin {
public:
    virtual ~PrintPlugin() = default;
    // Lays the tablature out for the device's page and paints every page: a printer, a print
    // preview, a PDF writer. The process needs a QGuiApplication. The number of pages; 0 when
    // the device cannot be painted on.
    virtual int paint(const Tablature& tablature, QPagedPaintDevice& device) = 0;
    // The tablature as an A4 portrait PDF with its fonts embedded; empty when it could not be
    // drawn. A process without any application object (mechik-cli) gets an off-screen
    // QGuiApplication for the length of the call.
    virtual QByteArray pdf(const Tablature& tablature) = 0;
};

// The plugin's only export: extern "C" music::PrintPlugin* mechik_print_plugin_v1(); the
// version changes whenever the class above does, so a stale plugin is refused, not crashed into.
inline constexpr char PrintPluginFactoryName[] = "mechik_print_plugin_v1";
using PrintPluginFactory = PrintPlugin* (*)();

}  // namespace music
