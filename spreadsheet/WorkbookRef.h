#pragma once

#include "SheetRef.h"
#include "UnkeptParts.h"

#include <QString>

#include <memory>

namespace spreadsheet {

class Workbook;

// The arguments of SaveAs. Only a plain workbook without passwords can be written; other
// values are refused with error 1004 rather than silently ignored.
struct SaveAsOptions {
    static constexpr int xlNormal = -4143;
    int fileFormat = xlNormal;
    QString password;
    QString writeResPassword;
    bool readOnlyRecommended = false;
    bool createBackup = false;
};

// A handle on an open workbook; error 91 once it is closed or the application quit.
class WorkbookRef {
public:
    WorkbookRef() = default;
    explicit WorkbookRef(std::weak_ptr<Workbook> workbook) : workbook_(std::move(workbook)) {}

    explicit operator bool() const { return !workbook_.expired(); }

    QString name() const;      // the window name: file name with extension
    QString fullName() const;  // the path, or the name while never saved
    QString path() const;      // empty while never saved

    // What the file it was read from held that no save can write back (drawings, charts,
    // macros), while the workbook is still that file's; a save never writes over that file.
    UnkeptParts unkeptParts() const;

    int sheetCount() const;
    SheetRef sheet(int index) const;            // 1-based; error 9 when there is no such sheet
    SheetRef sheet(const QString& name) const;  // ignores case; error 9 when missing
    SheetRef activeSheet() const;

    void activate() const;
    // A name without folder goes to the default folder, one without extension gets ".xls".
    // The file is replaced only once the new one is complete.
    void saveAs(const QString& filename, const SaveAsOptions& options = {}) const;
    // Writes only when the workbook's content changed (see Workbook::needsWrite).
    void save() const;
    // Cells, sheet names or the active sheet changed since the file was read or written.
    bool hasUnsavedChanges() const;
    void close() const;  // without saving

private:
    std::shared_ptr<Workbook> locked() const;

    std::weak_ptr<Workbook> workbook_;
};

}  // namespace spreadsheet
