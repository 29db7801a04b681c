// Any bytes as the workbook stream inside the container, where the BIFF records are parsed:
// reaching the record parser directly makes the fuzzer far more effective there.
#include "spreadsheet/xls/XlsFormatError.h"
#include "spreadsheet/xls/XlsReader.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> stream(data, data + size);
    try {
        spreadsheet::xls::parseWorkbookStream(stream);
    } catch (const spreadsheet::xls::XlsFormatError&) {
    }
    return 0;
}
