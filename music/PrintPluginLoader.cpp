#include "PrintPluginLoader.h"

#include "spreadsheet/AtomicFile.h"

namespace music {

PrintPluginLoading loadPrintPlugin(const QStringList& folders) {
    const PluginFactoryLoading loading = loadPluginFactory(
        QStringLiteral("tiskový modul"), PrintPluginName, PrintPluginFactoryName, folders);
    if (!loading.factory) {
        return {nullptr, loading.failure};
    }
    return {std::unique_ptr<PrintPlugin>(reinterpret_cast<PrintPluginFactory>(loading.factory)()),
            {}};
}

void writeTablaturePdf(const Tablature& tablature, const QString& path, PrintPlugin& plugin) {
    const QByteArray pdf = plugin.pdf(tablature);
    if (pdf.isEmpty()) {
        throw spreadsheet::cannotSave(path, QStringLiteral("stránky se nepodařilo vykreslit."));
    }
    spreadsheet::AtomicFile file(path);
    file.write(pdf);
    file.commit();
}

}  // namespace music
