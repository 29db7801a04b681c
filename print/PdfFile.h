#pragma once

#include "music/Tablature.h"

#include <QString>

class QPdfWriter;

namespace print {

// A4 portrait without the writer's own margins (the layout keeps its own), titled with the
// song's name.
void setUpPdfWriter(QPdfWriter& writer, const music::Tablature& tablature);

// The tablature as an A4 portrait PDF with its fonts embedded. Written to a temporary file
// beside `path` and renamed over it only when complete. False with a Czech message in `error`.
bool writeTablaturePdf(const music::Tablature& tablature, const QString& path, QString& error);

}  // namespace print
