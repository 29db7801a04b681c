#include "SheetReferences.h"

namespace spreadsheet::xls {

namespace {

std::uint16_t u16At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

void setU16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

constexpr std::uint16_t NoSheet = 0xFFFF;  // a reference to a deleted sheet: #REF!

}  // namespace

SheetReferences::SheetReferences(int fileTabCount, const std::vector<int>& fileTabOfSheet)
    : newTabOfFileTab_(static_cast<std::size_t>(fileTabCount), -1),
      keptCount_(static_cast<int>(fileTabOfSheet.size())) {
    for (std::size_t i = 0; i < fileTabOfSheet.size(); ++i) {
        const int fileTab = fileTabOfSheet[i];
        if (fileTab >= 0 && fileTab < fileTabCount) {
            newTabOfFileTab_[static_cast<std::size_t>(fileTab)] = static_cast<int>(i);
            changed_ = changed_ || fileTab != static_cast<int>(i);
        }
    }
    changed_ = changed_ || fileTabCount != keptCount_;
}

int SheetReferences::newTab(int fileTab) const {
    if (fileTab < 0 || fileTab >= static_cast<int>(newTabOfFileTab_.size())) {
        return -1;
    }
    return newTabOfFileTab_[static_cast<std::size_t>(fileTab)];
}

bool SheetReferences::isOwnSupBook(const std::vector<std::uint8_t>& body) {
    return body.size() >= 4 && u16At(body, 2) == 0x0401;
}

std::vector<std::uint8_t> SheetReferences::supBook(const std::vector<std::uint8_t>& body) const {
    std::vector<std::uint8_t> result = body;
    if (isOwnSupBook(result)) {
        setU16(result, 0, static_cast<std::uint16_t>(keptCount_));
    }
    return result;
}

// Each reference names a first and a last sheet; a range keeps the sheets of it still there.
std::vector<std::uint8_t> SheetReferences::externSheet(const std::vector<std::uint8_t>& body,
                                                       int ownSupBook) const {
    std::vector<std::uint8_t> result = body;
    if (result.size() < 2) {
        return result;
    }
    const std::size_t count = u16At(result, 0);
    for (std::size_t i = 0; i < count && 2 + 6 * i + 6 <= result.size(); ++i) {
        const std::size_t at = 2 + 6 * i;
        const std::uint16_t first = u16At(result, at + 2);
        const std::uint16_t last = u16At(result, at + 4);
        if (u16At(result, at) != ownSupBook || first >= 0xFFFE || last >= 0xFFFE) {
            continue;  // another workbook's sheets, or the workbook as a whole
        }
        int newFirst = -1;
        int newLast = -1;
        for (int tab = first; tab <= last; ++tab) {
            const int mapped = newTab(tab);
            if (mapped >= 0) {
                newFirst = newFirst < 0 ? mapped : newFirst;
                newLast = mapped;
            }
        }
        setU16(result, at + 2, newFirst < 0 ? NoSheet : static_cast<std::uint16_t>(newFirst));
        setU16(result, at + 4, newLast < 0 ? NoSheet : static_cast<std::uint16_t>(newLast));
    }
    return result;
}

// A name local to a sheet left out becomes a name of the whole workbook.
std::vector<std::uint8_t> SheetReferences::name(const std::vector<std::uint8_t>& body) const {
    constexpr std::size_t sheetAt = 8;
    std::vector<std::uint8_t> result = body;
    if (result.size() < sheetAt + 2) {
        return result;
    }
    const int sheet = u16At(result, sheetAt);
    if (sheet > 0) {
        const int mapped = newTab(sheet - 1);
        setU16(result, sheetAt, static_cast<std::uint16_t>(mapped < 0 ? 0 : mapped + 1));
    }
    return result;
}

std::vector<std::uint8_t> SheetReferences::tabId(const std::vector<std::uint8_t>& body) const {
    std::vector<std::uint8_t> result(static_cast<std::size_t>(keptCount_) * 2, 0);
    for (std::size_t fileTab = 0;
         fileTab < newTabOfFileTab_.size() && 2 * fileTab + 2 <= body.size(); ++fileTab) {
        const int mapped = newTabOfFileTab_[fileTab];
        if (mapped >= 0) {
            setU16(result, 2 * static_cast<std::size_t>(mapped), u16At(body, 2 * fileTab));
        }
    }
    return result;
}

}  // namespace spreadsheet::xls
