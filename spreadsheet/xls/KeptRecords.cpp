#include "KeptRecords.h"

#include <algorithm>

namespace spreadsheet::xls {

void RecordList::append(std::uint16_t id, const std::uint8_t* raw, std::size_t size) {
    entries_.push_back(
        {id, static_cast<std::uint32_t>(bytes_.size()), static_cast<std::uint32_t>(size)});
    bytes_.insert(bytes_.end(), raw, raw + size);
}

void RecordList::appendBody(std::uint16_t id, const std::vector<std::uint8_t>& body) {
    const std::uint8_t header[4] = {
        static_cast<std::uint8_t>(id), static_cast<std::uint8_t>(id >> 8),
        static_cast<std::uint8_t>(body.size()), static_cast<std::uint8_t>(body.size() >> 8)};
    entries_.push_back({id, static_cast<std::uint32_t>(bytes_.size()),
                        static_cast<std::uint32_t>(body.size() + 4)});
    bytes_.insert(bytes_.end(), header, header + 4);
    bytes_.insert(bytes_.end(), body.begin(), body.end());
}

void RecordList::placeholder(std::uint16_t id) {
    entries_.push_back({id, static_cast<std::uint32_t>(bytes_.size()), 0});
}

void RecordList::insertPlaceholderBefore(std::size_t index, std::uint16_t id) {
    index = std::min(index, entries_.size());
    const auto offset = index < entries_.size() ? entries_[index].offset
                                                : static_cast<std::uint32_t>(bytes_.size());
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(index), Entry{id, offset, 0});
}

std::vector<std::uint8_t> RecordList::body(const Entry& entry) const {
    std::vector<std::uint8_t> joined;
    const std::uint8_t* raw = this->raw(entry);
    std::size_t position = 0;
    while (position + 4 <= entry.size) {
        const std::size_t length = std::min<std::size_t>(
            raw[position + 2] | (raw[position + 3] << 8), entry.size - position - 4);
        joined.insert(joined.end(), raw + position + 4, raw + position + 4 + length);
        position += 4 + length;
    }
    return joined;
}

bool RecordList::contains(std::uint16_t id) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [id](const Entry& entry) { return entry.id == id; });
}

std::uint16_t KeptSheet::formatOf(int row0, int column0) const {
    const auto r = static_cast<std::size_t>(row0);
    const auto c = static_cast<std::size_t>(column0);
    if (r >= cellFormats.size() || c >= cellFormats[r].size()) {
        return NoFormat;
    }
    return cellFormats[r][c];
}

void KeptSheet::setFormat(int row0, int column0, std::uint16_t format) {
    const auto r = static_cast<std::size_t>(row0);
    const auto c = static_cast<std::size_t>(column0);
    if (r >= cellFormats.size()) {
        cellFormats.resize(r + 1);
    }
    auto& row = cellFormats[r];
    if (c >= row.size()) {
        row.resize(c + 1, NoFormat);
    }
    row[c] = format;
}

void KeptSheet::addRow(const KeptRow& row) {
    rowsInOrder = rowsInOrder && (rows.empty() || rows.back().row0 < row.row0);
    rows.push_back(row);
}

// Files list their rows in order; the rest are put in order here.
void KeptSheet::sortRows() {
    if (rowsInOrder) {
        return;
    }
    rowsInOrder = true;
    const auto byRow = [](const KeptRow& a, const KeptRow& b) { return a.row0 < b.row0; };
    std::stable_sort(rows.begin(), rows.end(), byRow);
    std::vector<KeptRow> unique;
    for (const KeptRow& row : rows) {
        if (!unique.empty() && unique.back().row0 == row.row0) {
            unique.back() = row;
        } else {
            unique.push_back(row);
        }
    }
    rows = std::move(unique);
}

// Spreadsheets give a cell typed into an empty place the format of its row, when the row has
// one, else that of its column.
std::optional<std::uint16_t> KeptSheet::rowFormat(int row0) const {
    constexpr std::uint16_t rowHasFormat = 0x0080;
    const auto row = std::lower_bound(rows.begin(), rows.end(), row0,
                                      [](const KeptRow& r, int wanted) { return r.row0 < wanted; });
    if (row == rows.end() || row->row0 != row0) {
        return std::nullopt;
    }
    const auto& b = row->body;
    const auto flags = static_cast<std::uint16_t>(b[12] | (b[13] << 8));
    const auto format = static_cast<std::uint16_t>((b[14] | (b[15] << 8)) & 0x0FFF);
    if ((flags & rowHasFormat) && format < formatCount) {
        return format;
    }
    return std::nullopt;
}

std::uint16_t KeptSheet::columnFormat(int column0) const {
    for (const ColumnFormat& column : columnFormats) {
        if (column0 >= column.first && column0 <= column.last && column.format < formatCount) {
            return column.format;
        }
    }
    return DefaultCellFormat;
}

}  // namespace spreadsheet::xls
