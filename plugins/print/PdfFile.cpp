#include "PdfFile.h"

#include "TablaturePainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

namespace print {

void setUpPdfWriter(QPdfWriter& writer, const music::Tablature& tablature) {
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(tablature.songName);
    writer.setCreator(QStringLiteral("Mechík"));
}

QByteArray tablaturePdf(const music::Tablature& tablature) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        setUpPdfWriter(writer, tablature);
        if (paintTablature(tablature, writer) == 0) {
            return {};
        }
    }
    return buffer.data();
}

}  // namespace print
