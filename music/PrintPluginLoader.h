#pragma once

#include "PluginLibrary.h"
#include "PrintPlugin.h"

#include <QString>

#include <memory>

namespace music {

// The print plugin's file name without the platform's prefix and suffix.
inline constexpr char PrintPluginName[] = "mechik_print";

struct PrintPluginLoading {
    std::unique_ptr<PrintPlugin> plugin;
    QString failure;  // Czech, why there is no plugin
};

PrintPluginLoading loadPrintPlugin(const QStringList& folders = pluginFolders());

// The tablature as a PDF file, written whole or not at all through a temporary file beside
// `path`. Throws spreadsheet::SpreadsheetError 1004 ("Soubor X nelze uložit: ...").
void writeTablaturePdf(const Tablature& tablature, const QString& path, PrintPlugin& plugin);

}  // namespace music
