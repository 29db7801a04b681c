#include "ScorePlace.h"

namespace melody {

QString barAndBeat(const QString& bar, double beat) {
    QString number = QString::number(beat, 'f', 2);
    while (number.endsWith(u'0')) {
        number.chop(1);
    }
    if (number.endsWith(u'.')) {
        number.chop(1);
    }
    number.replace(u'.', u',');
    return QStringLiteral("takt %1, doba %2").arg(bar, number);
}

}  // namespace melody
