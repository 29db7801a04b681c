#pragma once

namespace spreadsheet {

class Sheet;

// Told by the host what changed, so that a view of its workbooks can follow. The host calls it
// synchronously from its operations, which the program runs thousands of times in a loop: an
// observer only notes what is out of date and refreshes later.
class HostObserver {
public:
    virtual ~HostObserver() = default;

    virtual void visibilityChanged(bool visible) = 0;
    // Opened, added, closed, activated, renamed by SaveAs, a sheet selected or renamed, quit.
    virtual void workbooksChanged() = 0;
    virtual void cellsChanged(const Sheet& sheet) = 0;      // values of that sheet
    virtual void selectionChanged(const Sheet& sheet) = 0;  // its selection or active cell
    // The host is being destroyed: the observer must not call it any more.
    virtual void hostDestroyed() {}
};

}  // namespace spreadsheet
