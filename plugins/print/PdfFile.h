#pragma once

#include "music/Tablature.h"

#include <QByteArray>

class QPdfWriter;

namespace print {

// A4 portrait without the writer's own margins (the layout keeps its own), titled with the
// song's name.
void setUpPdfWriter(QPdfWriter& writer, const music::Tablature& tablature);

// The tablature as an A4 portrait PDF with its fonts embedded; empty when the pages could not
// be painted. The process needs a QGuiApplication.
QByteArray tablaturePdf(const music::Tablature& tablature);

}  // namespace print
