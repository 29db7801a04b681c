// Any bytes as the workbook stream inside the container, where the BIFF records are parsed:
// reaching the record parser directly makes the fuzzer far more effective there. Whatever
// reads is then saved with the records kept from it, and must read back the same.
#include "spreadsheet/xls/KeptRecords.h"
#include "spreadsheet/xls/XlsFormatError.h"
#include "spreadsheet/xls/XlsReader.h"
#include "spreadsheet/xls/XlsWriter.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

using spreadsheet::WorkbookData;

namespace {

// The sheets' names, cells as text and cursors, and the active sheet.
QStringList visible(const WorkbookData& data) {
    QStringList lines{QString::number(data.activeSheet)};
    for (const auto& sheet : data.sheets) {
        lines << sheet->name() << sheet->activeCell().toA1() << sheet->selection().toAbsolute();
        sheet->forEachCell(
            [&lines](spreadsheet::CellAddress cell, const spreadsheet::CellValue& value) {
                lines << cell.toA1() + u' ' + QString::number(static_cast<int>(value.type())) +
                             u' ' + value.text();
            });
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> stream(data, data + size);
    std::optional<WorkbookData> read;
    try {
        read = spreadsheet::xls::parseWorkbookStream(stream);
    } catch (const spreadsheet::xls::XlsFormatError&) {
        return 0;
    }
    std::vector<const spreadsheet::Sheet*> sheets;
    for (const auto& sheet : read->sheets) {
        sheets.push_back(sheet.get());
    }
    std::vector<std::uint8_t> saved;
    try {
        saved = spreadsheet::xls::buildWorkbookStream(sheets, read->activeSheet, read->kept.get());
    } catch (const spreadsheet::xls::XlsFormatError&) {
        return 0;  // what the format cannot hold (a text too long) is refused
    }
    try {
        if (visible(spreadsheet::xls::parseWorkbookStream(saved)) != visible(*read)) {
            __builtin_trap();
        }
    } catch (const spreadsheet::xls::XlsFormatError&) {
        __builtin_trap();  // what we wrote does not read
    }
    return 0;
}
