// Any bytes given to the .xls reader as a file: read or refused with error 1004, nothing else.
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        spreadsheet::xls::readXlsBytes(bytes, QStringLiteral("fuzz.xls"));
    } catch (const spreadsheet::SpreadsheetError& error) {
        if (error.number() != spreadsheet::FileOrCellOperation) {
            __builtin_trap();
        }
    }
    return 0;
}
