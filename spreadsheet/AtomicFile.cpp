#include "AtomicFile.h"

#include "DiskSync.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace spreadsheet {

namespace {

QString folderProblem(const QString& path) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    const QString name = QDir::toNativeSeparators(folder.filePath());
    if (!folder.isDir()) {
        return QStringLiteral("složka %1 neexistuje.").arg(name);
    }
    if (!folder.isWritable()) {
        return QStringLiteral("do složky %1 nelze zapisovat.").arg(name);
    }
    return QStringLiteral("soubor nelze vytvořit.");
}

}  // namespace

SpreadsheetError cannotSave(const QString& path, const QString& reason) {
    return SpreadsheetError(
        FileOrCellOperation,
        QStringLiteral("Soubor %1 nelze uložit: %2").arg(QDir::toNativeSeparators(path), reason));
}

AtomicFile::AtomicFile(const QString& path)
    : path_(path), file_(std::make_unique<QSaveFile>(path)) {
    // Unbuffered, so that a write cut short (a full disk, a size limit) shows in write()'s
    // count: buffered, QSaveFile can commit a truncated file and report success.
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw cannotSave(path_, folderProblem(path_));
    }
}

AtomicFile::~AtomicFile() {
    if (file_->isOpen()) {
        file_->cancelWriting();
    }
}

void AtomicFile::write(const char* data, qint64 size) {
    if (file_->write(data, size) != size) {
        failWriting();
    }
}

void AtomicFile::overwriteAt(qint64 position, const QByteArray& bytes) {
    const qint64 end = file_->pos();
    if (!file_->seek(position) || file_->write(bytes) != bytes.size() || !file_->seek(end)) {
        failWriting();
    }
}

// A saved song must survive a power cut too: its bytes, then the folder entry naming it.
void AtomicFile::commit() {
    if (!syncFileToDisk(file_->handle()) || !file_->commit()) {
        failWriting();
    }
    if (!syncFolderToDisk(QFileInfo(path_).absolutePath())) {
        throw cannotSave(path_, QStringLiteral("disk nepotvrdil zápis do složky."));
    }
}

void AtomicFile::failWriting() {
    file_->cancelWriting();
    throw cannotSave(path_, QStringLiteral("zápis se nezdařil (možná je plný disk). Soubor na "
                                           "disku zůstal tak, jak byl."));
}

}  // namespace spreadsheet
