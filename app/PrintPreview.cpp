#include "PrintPreview.h"

#include "music/PrintPlugin.h"
#include "music/Tablature.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace app {

void showPrintPreview(const music::Tablature& tablature, music::PrintPlugin& plugin,
                      QWidget* parent, const std::function<void(QPrintPreviewDialog&)>& run) {
    QPrinter printer(QPrinter::HighResolution);
    // The plugin lays the margins out itself.
    printer.setFullPage(true);
    printer.setDocName(tablature.songName);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Tisk – %1").arg(tablature.songName));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&tablature, &plugin](QPrinter* target) { plugin.paint(tablature, *target); });
    run(dialog);
}

}  // namespace app
