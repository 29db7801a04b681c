#pragma once

#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

// Where each sheet of the file stands once the sheets a save leaves out (charts, modules) are
// gone, for the records that name sheets by their place: the references of formulas and names
// (EXTERNSHEET), the workbook's own SUPBOOK, a name's sheet (NAME) and the sheet ids (TABID).
class SheetReferences {
public:
    // `fileTabOfSheet`: the place in the file of each sheet that is written.
    SheetReferences(int fileTabCount, const std::vector<int>& fileTabOfSheet);

    bool changesAnything() const { return changed_; }

    std::vector<std::uint8_t> externSheet(const std::vector<std::uint8_t>& body,
                                          int ownSupBook) const;
    std::vector<std::uint8_t> supBook(const std::vector<std::uint8_t>& body) const;
    std::vector<std::uint8_t> name(const std::vector<std::uint8_t>& body) const;
    std::vector<std::uint8_t> tabId(const std::vector<std::uint8_t>& body) const;

    // A SUPBOOK record that stands for this workbook itself.
    static bool isOwnSupBook(const std::vector<std::uint8_t>& body);

private:
    int newTab(int fileTab) const;  // -1 for a sheet left out

    std::vector<int> newTabOfFileTab_;
    int keptCount_ = 0;
    bool changed_ = false;
};

}  // namespace spreadsheet::xls
