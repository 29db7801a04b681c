#include "XlsReader.h"

#include "Biff5Records.h"
#include "BiffRecords.h"
#include "KeptRecords.h"
#include "ReadContext.h"
#include "RecordStream.h"
#include "SheetParser.h"
#include "StringReader.h"

#include <algorithm>

namespace spreadsheet::xls {

namespace {

constexpr std::size_t MaxSheets = 4096;

enum SheetType : std::uint8_t {
    Worksheet = 0x00,
    MacroSheet = 0x01,
    ChartSheet = 0x02,
    VbModule = 0x06
};

struct SheetEntry {
    std::uint32_t offset = 0;
    QString name;
    std::uint8_t visibility = 0;
    int fileTab = 0;
};

class WorkbookParser {
public:
    WorkbookParser(const std::vector<std::uint8_t>& stream,
                   std::vector<NamedStream> propertyStreams)
        : context_(stream) {
        kept_.otherStreams = std::move(propertyStreams);
    }

    WorkbookData parse();

private:
    void readBof(RecordStream& records);
    void parseGlobals();
    void readGlobal(const Record& record);
    void readBoundSheet(const Record& record);
    void readSst(const Record& record);
    void keep(const Record& record);
    bool formatsUsable() const;

    ReadContext context_;
    KeptWorkbook kept_;
    int activeTab_ = 0;
    int fileTabs_ = 0;
    int fonts_ = 0;
    bool formatsConverted_ = true;
    std::vector<SheetEntry> entries_;
};

WorkbookData WorkbookParser::parse() {
    parseGlobals();
    WorkbookData data;
    int activeSheet = 0;
    kept_.sheets.resize(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].fileTab == activeTab_) {
            activeSheet = static_cast<int>(data.sheets.size());
        }
        KeptSheet& sheet = kept_.sheets[i];
        sheet.visibility = entries_[i].visibility;
        sheet.formatCount = context_.formatCount;
        data.sheets.push_back(
            SheetParser(context_, sheet).parse(entries_[i].name, entries_[i].offset));
        kept_.fileTabOfSheet.push_back(entries_[i].fileTab);
    }
    if (data.sheets.empty()) {
        throw XlsFormatError(QStringLiteral("sešit neobsahuje žádný list s buňkami."));
    }
    data.activeSheet = activeSheet;
    data.unkept = context_.unkept;
    kept_.fileTabCount = fileTabs_;
    // Without a usable format table no cell format can be written back: the cells alone are.
    if (formatsUsable()) {
        data.kept = std::make_shared<KeptWorkbook>(std::move(kept_));
    }
    return data;
}

bool WorkbookParser::formatsUsable() const {
    return formatsConverted_ && fonts_ > 0 && context_.formatCount > DefaultCellFormat;
}

void WorkbookParser::readBof(RecordStream& records) {
    auto bof = records.next();
    if (!bof || bof->id == record::Bof2 || bof->id == record::Bof3 || bof->id == record::Bof4) {
        throw XlsFormatError(QStringLiteral(
            "soubor je ve starém formátu Excelu (verze 4 nebo starší), který program neumí číst."));
    }
    if (bof->id != record::Bof) {
        throwDamaged();
    }
    ByteReader r = bof->reader();
    const std::uint16_t version = r.u16();
    const std::uint16_t type = r.u16();
    if (version == 0x0600) {
        context_.biff = Biff::V8;
        context_.codePage = 1200;
    } else if (version == 0x0500) {
        context_.biff = Biff::V5;
    } else {
        throw XlsFormatError(QStringLiteral("neznámá verze formátu sešitu."));
    }
    if (type != 0x0005) {
        throw XlsFormatError(
            QStringLiteral("soubor neobsahuje sešit, jen samostatný list nebo graf."));
    }
}

void WorkbookParser::parseGlobals() {
    RecordStream records(context_.stream, 0);
    readBof(records);
    while (auto rec = records.next()) {
        context_.chargeWork(rec->size);
        if (rec->id == record::Eof) {
            if (!kept_.globals.contains(record::Window1)) {
                kept_.globals.insertPlaceholderBefore(0, record::Window1);
            }
            return;
        }
        readGlobal(*rec);
    }
    throwDamaged();  // the workbook globals never ended
}

// The records a save makes anew leave a placeholder where they stood; drawings and the VBA
// project cannot be written back and are left out.
void WorkbookParser::readGlobal(const Record& record) {
    switch (record.id) {
        case record::FilePass:
            throw XlsFormatError(
                QStringLiteral("sešit je chráněn heslem. Odstraňte heslo v Excelu nebo LibreOffice "
                               "a uložte ho znovu."));
        case record::CodePage:
            context_.codePage = record.reader().u16();
            kept_.globals.placeholder(record::CodePage);
            return;
        case record::Window1: {
            ByteReader w = record.reader();
            w.skip(10);
            activeTab_ = w.u16();
            keep(record);
            return;
        }
        case record::BoundSheet:
            if (fileTabs_ == 0) {
                kept_.globals.placeholder(record::BoundSheet);
            }
            readBoundSheet(record);
            return;
        case record::Sst:
            if (context_.biff == Biff::V8) {
                readSst(record);
                kept_.globals.placeholder(record::Sst);
            }
            return;
        case record::ObProj:
            context_.unkept.macros = true;
            return;
        case record::ExtSst:
        case record::Dsf:
        case record::RecalcId:  // without it, Excel computes every formula anew on opening
        case record::MsoDrawingGroup:
            return;
        case record::Xf:
            ++context_.formatCount;
            break;
        case record::Font:
            ++fonts_;
            break;
        default:
            break;
    }
    keep(record);
}

void WorkbookParser::keep(const Record& record) {
    if (context_.biff == Biff::V8) {
        kept_.globals.append(record.id, context_.stream.data() + record.rawStart,
                             record.rawEnd - record.rawStart);
        return;
    }
    auto body = biff8GlobalsBody(record, context_.codePage);
    if (body) {
        kept_.globals.appendBody(record.id, *body);
    } else if (record.id == record::Xf || record.id == record::Font) {
        formatsConverted_ = false;  // the indices of the others would shift
    }
}

// Worksheets and macro sheets hold cells; charts and modules are left out, and with them
// what the workbook's names and references say of them.
void WorkbookParser::readBoundSheet(const Record& record) {
    if (entries_.size() >= MaxSheets) {
        throw XlsFormatError(QStringLiteral("sešit má příliš mnoho listů."));
    }
    StringReader s(record);
    ByteReader& r = s.bytes();
    SheetEntry entry;
    entry.offset = r.u32();
    entry.visibility = r.u8() & 0x03;
    const std::uint8_t type = r.u8();
    entry.fileTab = fileTabs_++;
    if (type == ChartSheet) {
        context_.unkept.charts = true;
        return;
    }
    if (type == MacroSheet || type == VbModule) {
        context_.unkept.macros = true;
    }
    if (type != Worksheet && type != MacroSheet) {
        return;
    }
    const std::size_t length = r.u8();
    entry.name =
        context_.biff == Biff::V8 ? s.unicodeString(length) : context_.eightBitString(r, length);
    entries_.push_back(std::move(entry));
}

void WorkbookParser::readSst(const Record& record) {
    StringReader s(record);
    ByteReader& r = s.bytes();
    r.skip(4);
    const std::uint32_t unique = r.u32();
    for (std::uint32_t i = 0; i < unique && !r.atEnd(); ++i) {
        const std::size_t length = r.u16();
        std::vector<std::uint8_t> runs;
        context_.sst.push_back(s.unicodeString(length, &runs));
        context_.sstRuns.push_back(std::move(runs));
    }
}

}  // namespace

WorkbookData parseWorkbookStream(const std::vector<std::uint8_t>& stream,
                                 std::vector<NamedStream> propertyStreams) {
    return WorkbookParser(stream, std::move(propertyStreams)).parse();
}

}  // namespace spreadsheet::xls
