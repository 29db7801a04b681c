#include "ToneLookup.h"

#include "spreadsheet/Application.h"

namespace tones {

spreadsheet::Range findWholeCell(spreadsheet::Application& host, const QString& value) {
    QString firstPartialHit;
    for (;;) {
        const spreadsheet::Range hit = host.selection().find(value, host.activeCell());
        if (!hit) {
            return {};
        }
        hit.activate();
        if (hit.text() == value) {
            return hit;
        }
        // Back at the first cell that only contained the value: every cell has been seen.
        if (firstPartialHit.isEmpty()) {
            firstPartialHit = hit.address();
        } else if (hit.address() == firstPartialHit) {
            return {};
        }
    }
}

}  // namespace tones
