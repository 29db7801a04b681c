#include "PrintPreview.h"

#include "music/PrintPlugin.h"
#include "music/Tablature.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace views {

bool showPrintPreview(const music::Tablature& tablature, music::PrintPlugin& plugin,
                      QWidget* parent, const std::function<void(QPrintPreviewDialog&)>& run) {
    QPrinter printer(QPrinter::HighResolution);
    // The plugin lays the margins out itself.
    printer.setFullPage(true);
    printer.setDocName(tablature.songName);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Tisk – %1").arg(tablature.songName));
    bool painted = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&tablature, &plugin, &painted](QPrinter* target) {
                         if (plugin.paint(tablature, *target) == 0) {
                             painted = false;
                         }
                     });
    run(dialog);
    return painted;
}

}  // namespace views
