#include "MxlArchive.h"

#include "ImportError.h"
#include "XmlEntities.h"

#include <QDir>
#include <QXmlStreamReader>

#include <zip.h>

#include <memory>

namespace melody {

namespace {

const QString DamagedArchive = QStringLiteral("Archiv %1 je poškozený.");

constexpr qint64 MaxContainerBytes = 64 * 1024;
constexpr qint64 ChunkBytes = 64 * 1024;

struct ZipDiscard {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
struct ZipFileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

class MxlReader {
public:
    MxlReader(const QByteArray& archive, const QString& fileName, const MxlLimits& limits)
        : fileName_(fileName), limits_(limits) {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t* source = zip_source_buffer_create(
            archive.constData(), static_cast<zip_uint64_t>(archive.size()), 0, &error);
        if (source) {
            zip_.reset(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
            if (!zip_) {
                zip_source_free(source);
            }
        }
        zip_error_fini(&error);
        if (!zip_) {
            refuse(QStringLiteral("Soubor %1 není platný komprimovaný MusicXML (.mxl)."));
        }
    }

    QByteArray score() {
        const QString root = rootFile();
        if (root.isEmpty()) {
            refuse(QStringLiteral("Archiv %1 neobsahuje žádnou partituru."));
        }
        return entry(root, limits_.maxScoreBytes);
    }

private:
    [[noreturn]] void refuse(const QString& message) const {
        throw ImportError(message.arg(QDir::toNativeSeparators(fileName_)));
    }

    QString rootFile() {
        const zip_int64_t container = zip_name_locate(zip_.get(), "META-INF/container.xml", 0);
        if (container >= 0) {
            return rootFileOf(entry(QStringLiteral("META-INF/container.xml"), MaxContainerBytes));
        }
        const zip_int64_t entries = zip_get_num_entries(zip_.get(), 0);
        for (zip_int64_t i = 0; i < entries; ++i) {
            const char* name = zip_get_name(zip_.get(), static_cast<zip_uint64_t>(i), 0);
            const QString path = name ? QString::fromUtf8(name) : QString();
            if (!path.startsWith(QStringLiteral("META-INF/")) &&
                (path.endsWith(QStringLiteral(".xml")) ||
                 path.endsWith(QStringLiteral(".musicxml")))) {
                return path;
            }
        }
        return {};
    }

    QString rootFileOf(const QByteArray& container) const {
        QXmlStreamReader xml(container);
        while (!xml.atEnd()) {
            xml.readNext();
            refuseEntityDeclarations(xml, fileName_);
            if (xml.isStartElement() && xml.name() == u"rootfile") {
                return xml.attributes().value(QLatin1StringView("full-path")).toString();
            }
        }
        return {};
    }

    // One file of the archive, refused once it would grow past `maxBytes` or unpacks
    // suspiciously well, whatever sizes the archive claims.
    QByteArray entry(const QString& name, qint64 maxBytes) {
        const zip_int64_t index = zip_name_locate(zip_.get(), name.toUtf8().constData(), 0);
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (index < 0 ||
            zip_stat_index(zip_.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
            refuse(QStringLiteral("Archiv %1 neobsahuje partituru, kterou sám uvádí."));
        }
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
            refuse(QStringLiteral("Archiv %1 je zašifrovaný; program ho nepřečte."));
        }
        const qint64 compressed = (stat.valid & ZIP_STAT_COMP_SIZE) ? qint64(stat.comp_size) : 0;
        if (stat.valid & ZIP_STAT_SIZE) {
            checkSize(qint64(std::min<zip_uint64_t>(stat.size, zip_uint64_t(maxBytes) + 1)),
                      compressed, maxBytes);
        }
        std::unique_ptr<zip_file_t, ZipFileClose> file(
            zip_fopen_index(zip_.get(), static_cast<zip_uint64_t>(index), 0));
        if (!file) {
            refuse(DamagedArchive);
        }
        QByteArray bytes;
        for (;;) {
            const qsizetype had = bytes.size();
            bytes.resize(had + ChunkBytes);
            const zip_int64_t read = zip_fread(file.get(), bytes.data() + had, ChunkBytes);
            if (read < 0) {
                refuse(DamagedArchive);
            }
            bytes.resize(had + read);
            checkSize(bytes.size(), compressed, maxBytes);
            if (read == 0) {
                return bytes;
            }
        }
    }

    void checkSize(qint64 bytes, qint64 compressed, qint64 maxBytes) const {
        if (bytes > maxBytes) {
            const bool megabytes = maxBytes >= 1024 * 1024;
            throw ImportError(
                QStringLiteral("Partitura v archivu %1 je po rozbalení příliš velká (nejvýše %2).")
                    .arg(QDir::toNativeSeparators(fileName_),
                         megabytes ? QStringLiteral("%1 MB").arg(maxBytes / (1024 * 1024))
                                   : QStringLiteral("%1 kB").arg(maxBytes / 1024)));
        }
        if (bytes > limits_.ratioCheckedFrom && bytes > qint64(limits_.maxRatio) * compressed) {
            refuse(QStringLiteral(
                "Partitura v archivu %1 je podezřele silně zkomprimovaná; program ji "
                "z bezpečnostních důvodů nerozbalí."));
        }
    }

    const QString& fileName_;
    const MxlLimits& limits_;
    std::unique_ptr<zip_t, ZipDiscard> zip_;
};

}  // namespace

QByteArray mxlScore(const QByteArray& archive, const QString& fileName, const MxlLimits& limits) {
    return MxlReader(archive, fileName, limits).score();
}

}  // namespace melody
