#pragma once

#include "QtPrinters.h"
#include "spreadsheet/WorkbookData.h"
#include "spreadsheet/xls/CompoundFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace testing_support {

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// Fails at the first line in which `actual` differs from `expected`, naming both.
void expectSameLines(const QString& expected, const QString& actual);

// Little-endian body builder: Body{}.u16(1).u32(2).latin1("abc").bytes
struct Body {
    std::vector<std::uint8_t> bytes;
    Body& u8(std::uint8_t v) { return raw({v}); }
    Body& u16(std::uint16_t v) { return u8(static_cast<std::uint8_t>(v)).u8(v >> 8); }
    Body& u16s(std::initializer_list<std::uint16_t> values);  // each little-endian
    Body& u32(std::uint32_t v) { return u16(static_cast<std::uint16_t>(v)).u16(v >> 16); }
    Body& f64(double v);
    Body& latin1(const char* text);
    Body& utf16(const QString& text);
    Body& raw(std::initializer_list<std::uint8_t> more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
    operator const std::vector<std::uint8_t>&() const { return bytes; }  // NOLINT
};

// A BIFF record stream built by hand, record by record, for feeding the reader exactly the
// bytes a given writer would produce.
class BiffStream {
public:
    BiffStream& record(std::uint16_t id, const std::vector<std::uint8_t>& body);
    BiffStream& bof(std::uint16_t version, std::uint16_t type);
    BiffStream& eof() { return record(0x000A, {}); }
    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    // Overwrites four bytes (a BOUNDSHEET offset) once the target position is known.
    void patchU32(std::size_t position, std::uint32_t value);

private:
    std::vector<std::uint8_t> bytes_;
};

// Runs `action` while no file may grow past 1 KiB, as on a full disk: every save of a
// workbook fails half-way. Works for root too, unlike a read-only folder.
void withFullDisk(const std::function<void()>& action);

// mechik-cli run with `arguments`: its exit status and what it printed (UTF-8).
struct CliRun {
    int exitCode;
    QString out;
    QString err;
};
// `workingDirectory` empty: the test's own.
CliRun runMechikCli(const QStringList& arguments, const QString& workingDirectory = {});

// What an outside tool (pdftotext, pdffonts, ...) printed; it must succeed.
QString runTool(const QString& program, const QStringList& arguments);

// The stream inside an OLE2 container, with other streams beside it, as an .xls file's bytes.
QByteArray xlsFileWithStream(const std::vector<std::uint8_t>& stream,
                             const char* streamName = "Workbook",
                             const std::vector<spreadsheet::xls::NamedStream>& others = {});

// A workbook in memory with the given sheets; cells are "A1" -> text pairs.
std::shared_ptr<spreadsheet::Sheet> sheetWith(
    const QString& name,
    std::initializer_list<std::pair<const char*, spreadsheet::CellValue>> cells);
// A sheet of text cells, each written as its address, '=' and its text: "B1=c1,".
std::shared_ptr<spreadsheet::Sheet> sheetOf(const QString& name, const QStringList& cells);

// The sheet of that name; the test fails without it.
spreadsheet::Sheet& sheetNamed(const spreadsheet::WorkbookData& data, const QString& name);

// The delivered tuning database, built into the binary folder.
inline const QString DeliveredDatabase = QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls");

}  // namespace testing_support
