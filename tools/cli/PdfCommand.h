#pragma once

#include "keyboard/ButtonNumbering.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tools {

struct PdfRequest {
    QString songPath;
    QString pdfPath;
    QString tuningDatabase;
    keyboard::Numbering numbering = keyboard::Numbering::Standard;
};

// `pdf SONG.xls OUT.pdf [--db FILE] [--numbering standard|trizonia]`; nothing for arguments
// that do not fit.
std::optional<PdfRequest> parsePdfArguments(const QStringList& args,
                                            const QString& defaultDatabase);

// The song as a printed tablature of the full keyboard, written as a PDF by the print plugin.
// Runs before any application object exists: the plugin makes the QGuiApplication its fonts
// need. `output` gets the PDF's path, `error` the Czech message of a failure (exit status 1).
int writeSongPdf(const PdfRequest& request, QString& output, QString& error);

}  // namespace tools
