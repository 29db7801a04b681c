#pragma once

#include <functional>

class QPrintPreviewDialog;
class QWidget;

namespace music {
class PrintPlugin;
struct Tablature;
}  // namespace music

namespace views {

// "Tisk...": the tablature in Qt's print preview on the printer's own paper, printed from
// there. `run` shows the dialog (tests look at it instead). False when a printer or the
// preview could not be painted on, so that a print that failed is not taken for done.
[[nodiscard]] bool showPrintPreview(const music::Tablature& tablature, music::PrintPlugin& plugin,
                                    QWidget* parent,
                                    const std::function<void(QPrintPreviewDialog&)>& run);

}  // namespace views
