#pragma once

#include "WorkbookData.h"

#include <QString>

#include <memory>

namespace spreadsheet {

class Application;

// An open workbook. Its name is its window name: the file name with extension, or "Sešit1"
// and so on until it is first saved.
class Workbook {
public:
    Workbook(Application& application, QString name, QString path, WorkbookData data);
    ~Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    Application& application() const { return application_; }
    const QString& name() const { return name_; }
    const QString& path() const { return path_; }  // empty until first saved

    int sheetCount() const { return static_cast<int>(sheets_.sheets.size()); }
    std::shared_ptr<Sheet> sheetAt(int index) const;  // 0-based; null when out of range
    std::shared_ptr<Sheet> sheetNamed(const QString& name) const;  // ignores case
    int indexOf(const Sheet& sheet) const;                         // 0-based, -1 if foreign
    std::shared_ptr<Sheet> activeSheet() const;
    void setActiveSheet(const Sheet& sheet);

    // Throws 1004 when the name breaks the sheet-name rules or another sheet has it.
    void renameSheet(Sheet& sheet, const QString& newName);

    // What the file it was read from held that no save can write back, while that file is
    // still the workbook's own; nothing once it was saved elsewhere.
    UnkeptParts unkeptParts() const { return path_ == readFrom_ ? sheets_.unkept : UnkeptParts{}; }

    // Writes the workbook to `path` (absolute, extension included) and takes that file's name.
    // Never over the file it was read from when that holds parts a save would lose.
    void writeTo(const QString& path);

    // A change of what the file holds: a cell, a sheet's name. The sheets report their own.
    void markModified() { modified_ = true; }
    // The cursor moved: no change of the content, but the file keeps the cursor too.
    void markCursorMoved() { cursorMoved_ = true; }
    // What the file holds differs from the workbook: cells, sheet names or the active sheet
    // changed since the file was opened or last written.
    bool hasUnsavedChanges() const;
    // Whether Save must write. A file is rewritten only for a change of its content, so a
    // workbook opened and saved unchanged stays byte for byte as it was; once this host has
    // rewritten the file in this session, the cursor alone is reason enough.
    bool needsWrite() const;

private:
    Application& application_;
    QString name_;
    QString path_;
    QString readFrom_;
    WorkbookData sheets_;
    bool modified_ = false;
    bool cursorMoved_ = false;
    bool rewritten_ = false;
    int writtenActiveSheet_ = 0;
};

}  // namespace spreadsheet
