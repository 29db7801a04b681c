#include "PdfFile.h"

#include "TablaturePainter.h"

#include <QDir>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace print {

namespace {

QString cannotSave(const QString& path, const QString& reason) {
    return QStringLiteral("Soubor %1 nelze uložit: %2").arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace

void setUpPdfWriter(QPdfWriter& writer, const music::Tablature& tablature) {
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(tablature.songName);
    writer.setCreator(QStringLiteral("Mechík"));
}

bool writeTablaturePdf(const music::Tablature& tablature, const QString& path, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = cannotSave(path, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        setUpPdfWriter(writer, tablature);
        if (paintTablature(tablature, writer) == 0) {
            file.cancelWriting();
            error = cannotSave(path, QStringLiteral("stránky se nepodařilo vykreslit."));
            return false;
        }
    }
    if (!file.commit()) {
        error = cannotSave(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace print
