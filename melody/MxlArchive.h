#pragma once

#include <QByteArray>
#include <QString>

namespace melody {

// What a compressed score may unpack to. Real scores are a few hundred kilobytes and compress
// ten to thirty times; the limits stop a "zip bomb" long before it costs memory.
struct MxlLimits {
    qint64 maxScoreBytes = 32 * 1024 * 1024;
    int maxRatio = 200;                     // uncompressed bytes per compressed byte
    qint64 ratioCheckedFrom = 1024 * 1024;  // smaller scores may compress as they like
};

// The score of a compressed MusicXML file (.mxl), uncompressed: the first root file that
// META-INF/container.xml names, or without a container the first .xml or .musicxml file outside
// META-INF. Throws ImportError naming `fileName`. No other file includes libzip.
QByteArray mxlScore(const QByteArray& archive, const QString& fileName,
                    const MxlLimits& limits = {});

}  // namespace melody
