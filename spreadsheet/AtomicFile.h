#pragma once

#include "SpreadsheetError.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QSaveFile;

namespace spreadsheet {

// A file written whole or not at all: the bytes go to a temporary file beside `path` that
// replaces `path` only on commit(), so a full disk or a crash never leaves a damaged or partial
// file. Every failure throws SpreadsheetError 1004 saying why; a file never committed is
// discarded.
class AtomicFile {
public:
    explicit AtomicFile(const QString& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(const char* data, qint64 size);
    void write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }
    // Replaces bytes already written, e.g. a header whose sizes are known only at the end.
    void overwriteAt(qint64 position, const QByteArray& bytes);
    void commit();

private:
    [[noreturn]] void failWriting();

    QString path_;
    std::unique_ptr<QSaveFile> file_;
};

// "Soubor X nelze uložit: REASON" as the error every save reports.
SpreadsheetError cannotSave(const QString& path, const QString& reason);

}  // namespace spreadsheet
