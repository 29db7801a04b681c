#include "SongLayout.h"

#include "spreadsheet/Application.h"

namespace songs {

void SelectGripCell(spreadsheet::Application& host) {
    host.range(QStringLiteral("B%1").arg(host.activeCell().row())).select();
}

}  // namespace songs
