#pragma once

#include "../WorkbookData.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace spreadsheet::xls {

// A workbook file of at most this size is read; real songs are a few kilobytes.
inline constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

// Throws SpreadsheetError 1004 with a Czech description naming the file and the problem.
WorkbookData readXlsFile(const QString& path);
// The same for file contents already in memory; `path` only names the file in messages.
WorkbookData readXlsBytes(const QByteArray& bytes, const QString& path);

// Writes to a temporary file beside `path` and renames it over `path` only when complete, so
// a full disk or a crash never leaves a damaged file. Throws SpreadsheetError 1004.
void writeXlsFile(const QString& path, const std::vector<const Sheet*>& sheets, int activeSheet);
// The same for a workbook read or built as a whole.
void writeXlsFile(const QString& path, const WorkbookData& workbook);
// The complete .xls file as bytes.
QByteArray encodeXls(const std::vector<const Sheet*>& sheets, int activeSheet);

}  // namespace spreadsheet::xls
