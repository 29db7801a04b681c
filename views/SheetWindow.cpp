#include "SheetWindow.h"

#include "SheetModel.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/Sheet.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/Workbook.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <optional>

namespace views {

using spreadsheet::CellAddress;
using spreadsheet::CellRect;
using spreadsheet::SpreadsheetError;

// A grid that behaves as a spreadsheet's: Enter and Tab end an edit by moving down and right
// instead of editing the next cell, Delete clears the chosen cells.
class SheetView : public QTableView {
public:
    std::function<void()> clearChosenCells;

    bool isEditing() const { return state() == EditingState; }

    // The open editor's text into its cell; the cursor stays where it is.
    void commitEditor() {
        QWidget* editor = isEditing() ? indexWidget(currentIndex()) : nullptr;
        if (editor) {
            commitData(editor);
            QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Delete && state() != EditingState && clearChosenCells) {
            clearChosenCells();
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }

    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        int down = 0;
        int right = 0;
        switch (hint) {
            case QAbstractItemDelegate::SubmitModelCache:
                down = 1;
                break;
            case QAbstractItemDelegate::EditNextItem:
                right = 1;
                break;
            case QAbstractItemDelegate::EditPreviousItem:
                right = -1;
                break;
            default:
                QTableView::closeEditor(editor, hint);
                return;
        }
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        const QModelIndex current = currentIndex();
        const QModelIndex next = model()->index(current.row() + down, current.column() + right);
        if (next.isValid()) {
            setCurrentIndex(next);
        }
    }
};

namespace {

// The rectangle around the chosen cells; the grid allows one contiguous block only.
std::optional<CellRect> chosenRect(const QItemSelectionModel& selectionModel) {
    const QItemSelection selection = selectionModel.selection();
    if (selection.isEmpty()) {
        return std::nullopt;
    }
    int top = selection.first().top();
    int left = selection.first().left();
    int bottom = selection.first().bottom();
    int right = selection.first().right();
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        left = std::min(left, range.left());
        bottom = std::max(bottom, range.bottom());
        right = std::max(right, range.right());
    }
    return CellRect{{top + 1, left + 1}, {bottom + 1, right + 1}};
}

const std::vector<std::shared_ptr<spreadsheet::Workbook>> noWorkbooks;

// Setting a tab's text lays the tab bar out again, even for the same text.
void setTabTexts(QTabWidget& tabs, int index, const QString& text, const QString& toolTip) {
    if (tabs.tabText(index) != text) {
        tabs.setTabText(index, text);
    }
    if (tabs.tabToolTip(index) != toolTip) {
        tabs.setTabToolTip(index, toolTip);
    }
}

}  // namespace

SheetWindow::SheetWindow(spreadsheet::Application& host, QWidget* parent, bool held)
    : QWidget(parent, Qt::Window), host_(&host), workbookTabs_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Tabulka – Knoflovka"));
    // The main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The program making the host visible must not take the keyboard from the main window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(workbookTabs_);
    workbookTabs_->setDocumentMode(true);
    resize(900, 600);
    connect(workbookTabs_, &QTabWidget::currentChanged, this,
            [this](int index) { workbookTabChosen(index); });

    host.addObserver(this);
    held_ = true;
    if (!held) {
        showHeldWindow();
    }
}

void SheetWindow::showHeldWindow() {
    if (!held_) {
        return;
    }
    held_ = false;
    refresh();
    if (hostRunning() && host_->visible()) {
        show();
        if (inFront_) {
            inFront_->raise();
        }
    }
}

void SheetWindow::showHeldWindowOnceExposed(QWindow* window) {
    if (held_) {
        inFront_ = window;
        window->installEventFilter(this);
    }
}

bool SheetWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWindow*>(watched);
    if (window && event->type() == QEvent::Expose && window->isExposed()) {
        window->removeEventFilter(this);
        // After the main window's first paint, not within it.
        QMetaObject::invokeMethod(
            this, [this] { showHeldWindow(); }, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

SheetWindow::~SheetWindow() {
    if (host_) {
        host_->removeObserver(this);
    }
    // The tabs tell of their removal while being deleted; the handlers must still find the
    // window whole and ignore it.
    syncing_ = true;
    delete workbookTabs_;
}

bool SheetWindow::hostRunning() const {
    return host_ && host_->isRunning();
}

void SheetWindow::bringToFront() {
    if (!hostRunning()) {
        return;
    }
    showHeldWindow();
    host_->setVisible(true);
    show();
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

QTableView* SheetWindow::sheetView(const QString& workbookName, const QString& sheetName) {
    showHeldWindow();
    for (const auto& page : pages_) {
        const auto workbook = page->workbook.lock();
        if (!workbook || workbook->name() != workbookName) {
            continue;
        }
        for (const SheetPage& sheetPage : page->sheets) {
            const auto sheet = sheetPage.sheet.lock();
            if (sheet && sheet->name() == sheetName) {
                return sheetPage.view;
            }
        }
    }
    return nullptr;
}

void SheetWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (hostRunning()) {
        host_->setVisible(false);  // hides this window through visibilityChanged
    }
}

// --- The host's notifications: note and catch up later ---

void SheetWindow::visibilityChanged(bool visible) {
    if (held_) {
        return;  // shown as the host says once it is no longer held
    }
    if (visible) {
        show();
    } else {
        hide();
    }
}

void SheetWindow::workbooksChanged() {
    workbooksDirty_ = true;
    scheduleRefresh();
}

void SheetWindow::cellsChanged(const spreadsheet::Sheet& sheet) {
    // A loop over a song writes one sheet over and over: the last entry is the usual hit.
    if (dirtyCells_.empty() || dirtyCells_.back() != &sheet) {
        if (std::find(dirtyCells_.begin(), dirtyCells_.end(), &sheet) == dirtyCells_.end()) {
            dirtyCells_.push_back(&sheet);
        }
    }
    scheduleRefresh();
}

void SheetWindow::selectionChanged(const spreadsheet::Sheet&) {
    selectionDirty_ = true;
    scheduleRefresh();
}

void SheetWindow::hostDestroyed() {
    host_ = nullptr;
    hide();
    workbooksDirty_ = true;
    refresh();  // drops every page while the workbooks still exist
}

void SheetWindow::scheduleRefresh() {
    if (refreshScheduled_ || held_) {
        return;
    }
    refreshScheduled_ = true;
    QMetaObject::invokeMethod(
        this, [this] { refresh(); }, Qt::QueuedConnection);
}

// --- From the host to the window ---

void SheetWindow::refresh() {
    refreshScheduled_ = false;
    const QScopedValueRollback<bool> guard(syncing_, true);
    const bool workbooks = workbooksDirty_;
    const bool selection = selectionDirty_ || workbooksDirty_;
    workbooksDirty_ = false;
    selectionDirty_ = false;
    std::vector<const spreadsheet::Sheet*> dirtyCells;
    dirtyCells.swap(dirtyCells_);

    if (workbooks) {
        syncWorkbooks();
    }
    for (const auto& page : pages_) {
        for (const SheetPage& sheetPage : page->sheets) {
            const auto sheet = sheetPage.sheet.lock();
            if (!sheet) {
                continue;
            }
            if (std::find(dirtyCells.begin(), dirtyCells.end(), sheet.get()) != dirtyCells.end()) {
                sheetPage.model->cellsChanged();
            }
            if (selection) {
                syncSelection(sheetPage);
            }
        }
    }
}

void SheetWindow::syncWorkbooks() {
    const auto& open = hostRunning() ? host_->windows() : noWorkbooks;
    for (size_t i = pages_.size(); i-- > 0;) {
        const auto workbook = pages_[i]->workbook.lock();
        if (!workbook || std::find(open.begin(), open.end(), workbook) == open.end()) {
            workbookTabs_->removeTab(static_cast<int>(i));
            delete pages_[i]->sheetTabs;
            pages_.erase(pages_.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    // New tabs go to the end, the least recently active of them first, so that activating a
    // workbook never reorders the tabs.
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        const auto& workbook = *it;
        const bool shown = std::any_of(pages_.begin(), pages_.end(), [&workbook](const auto& p) {
            return p->workbook.lock() == workbook;
        });
        if (shown) {
            continue;
        }
        auto page = std::make_unique<WorkbookPage>();
        page->workbook = workbook;
        page->sheetTabs = new QTabWidget;
        page->sheetTabs->setTabPosition(QTabWidget::South);  // where a spreadsheet has them
        page->sheetTabs->setDocumentMode(true);
        QTabWidget* sheetTabs = page->sheetTabs;
        connect(sheetTabs, &QTabWidget::currentChanged, this, [this, sheetTabs](int index) {
            if (const WorkbookPage* owner = pageOf(sheetTabs)) {
                sheetTabChosen(*owner, index);
            }
        });
        workbookTabs_->addTab(sheetTabs, workbook->name());
        pages_.push_back(std::move(page));
    }
    for (size_t i = 0; i < pages_.size(); ++i) {
        const auto workbook = pages_[i]->workbook.lock();
        setTabTexts(*workbookTabs_, static_cast<int>(i), workbook->name(), workbook->path());
        syncSheets(*pages_[i], *workbook);
    }
    syncCurrentTabs();
}

void SheetWindow::syncSheets(WorkbookPage& page, const spreadsheet::Workbook& workbook) {
    bool same = static_cast<int>(page.sheets.size()) == workbook.sheetCount();
    for (int i = 0; same && i < workbook.sheetCount(); ++i) {
        same = page.sheets[static_cast<size_t>(i)].sheet.lock() == workbook.sheetAt(i);
    }
    if (!same) {
        while (page.sheetTabs->count() > 0) {
            QWidget* view = page.sheetTabs->widget(0);
            page.sheetTabs->removeTab(0);
            delete view;
        }
        page.sheets.clear();
        for (int i = 0; i < workbook.sheetCount(); ++i) {
            addSheetPage(page, workbook.sheetAt(i));
        }
    }
    for (size_t i = 0; i < page.sheets.size(); ++i) {
        if (const auto sheet = page.sheets[i].sheet.lock()) {
            setTabTexts(*page.sheetTabs, static_cast<int>(i), sheet->name(), QString());
        }
    }
}

void SheetWindow::addSheetPage(WorkbookPage& page,
                               const std::shared_ptr<spreadsheet::Sheet>& sheet) {
    auto* view = new SheetView;
    auto* model = new SheetModel(sheet, view);
    model->runEdit = [this](const std::function<void()>& change) { edit(change); };
    view->setModel(model);
    view->setSelectionMode(QAbstractItemView::ContiguousSelection);  // the host keeps one block
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    view->setWordWrap(false);
    view->horizontalHeader()->setDefaultSectionSize(72);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);

    const auto chosen = [this, view] {
        if (syncing_) {
            return;
        }
        for (const auto& owner : pages_) {
            for (const SheetPage& sheetPage : owner->sheets) {
                if (sheetPage.view == view) {
                    cellsChosen(*owner, sheetPage);
                    return;
                }
            }
        }
    };
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, chosen);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, chosen);
    view->clearChosenCells = [this, view] {
        for (const auto& owner : pages_) {
            for (const SheetPage& sheetPage : owner->sheets) {
                if (sheetPage.view == view) {
                    clearChosenCells(sheetPage);
                    return;
                }
            }
        }
    };
    // Scrolling to the end offers more rows, as a spreadsheet's grid seems to go on.
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, model, [view, model](int value) {
        if (value > 0 && value == view->verticalScrollBar()->maximum()) {
            model->growTo(model->rowCount() + SheetModel::RowMargin);
        }
    });

    page.sheetTabs->addTab(view, sheet->name());
    page.sheets.push_back({sheet, model, view});
}

void SheetWindow::syncCurrentTabs() {
    if (!hostRunning() || host_->windows().empty()) {
        return;
    }
    const auto& active = host_->windows().front();
    for (size_t i = 0; i < pages_.size(); ++i) {
        const WorkbookPage& page = *pages_[i];
        const auto workbook = page.workbook.lock();
        if (!workbook) {
            continue;
        }
        if (workbook == active) {
            workbookTabs_->setCurrentIndex(static_cast<int>(i));
        }
        const auto activeSheet = workbook->activeSheet();
        for (size_t j = 0; j < page.sheets.size(); ++j) {
            if (page.sheets[j].sheet.lock() == activeSheet) {
                page.sheetTabs->setCurrentIndex(static_cast<int>(j));
            }
        }
    }
}

void SheetWindow::syncSelection(const SheetPage& page) {
    const auto sheet = page.sheet.lock();
    if (!sheet) {
        return;
    }
    SheetModel& model = *page.model;
    model.fitRows();
    CellRect selection = sheet->selection();
    selection.last.row = std::min(selection.last.row, model.rowCount());
    const QModelIndex current = model.indexOf(sheet->activeCell());
    QItemSelectionModel& selectionModel = *page.view->selectionModel();
    // Most refreshes, the player's own clicks echoed back among them, change nothing here.
    if (selectionModel.currentIndex() == current && chosenRect(selectionModel) == selection) {
        return;
    }
    // A new current cell scrolls into view by itself, at once or when its grid is shown.
    selectionModel.setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selectionModel.select(
        QItemSelection(model.indexOf(selection.first), model.indexOf(selection.last)),
        QItemSelectionModel::ClearAndSelect);
}

// --- From the window to the host ---

const SheetWindow::WorkbookPage* SheetWindow::pageOf(const QTabWidget* sheetTabs) const {
    for (const auto& page : pages_) {
        if (page->sheetTabs == sheetTabs) {
            return page.get();
        }
    }
    return nullptr;
}

void SheetWindow::workbookTabChosen(int index) {
    if (syncing_ || !hostRunning() || index < 0 || index >= static_cast<int>(pages_.size())) {
        return;
    }
    try {
        spreadsheet::WorkbookRef(pages_[static_cast<size_t>(index)]->workbook).activate();
    } catch (const SpreadsheetError&) {
        workbooksChanged();  // closed meanwhile: the next refresh drops its tab
    }
}

void SheetWindow::sheetTabChosen(const WorkbookPage& page, int index) {
    if (syncing_ || !hostRunning() || index < 0 || index >= static_cast<int>(page.sheets.size())) {
        return;
    }
    try {
        spreadsheet::WorkbookRef(page.workbook).activate();
        spreadsheet::SheetRef(page.sheets[static_cast<size_t>(index)].sheet).select();
    } catch (const SpreadsheetError&) {
        workbooksChanged();
    }
}

void SheetWindow::cellsChosen(const WorkbookPage& workbookPage, const SheetPage& page) {
    if (syncing_ || !hostRunning()) {
        return;
    }
    const QModelIndex current = page.view->currentIndex();
    if (!current.isValid()) {
        return;
    }
    const CellAddress cell = SheetModel::cellOf(current);
    CellRect rect = CellRect::single(cell);
    if (const auto chosen = chosenRect(*page.view->selectionModel());
        chosen && chosen->contains(cell)) {
        rect = *chosen;
    }
    try {
        spreadsheet::WorkbookRef(workbookPage.workbook).activate();
        spreadsheet::SheetRef(page.sheet).select();
        spreadsheet::Range(page.sheet, rect).select();
        if (cell != rect.first) {
            spreadsheet::Range(page.sheet, CellRect::single(cell)).activate();
        }
    } catch (const SpreadsheetError&) {
        workbooksChanged();
    }
}

void SheetWindow::clearChosenCells(const SheetPage& page) {
    if (!hostRunning()) {
        return;
    }
    const auto chosen = chosenRect(*page.view->selectionModel());
    if (!chosen) {
        return;
    }
    edit([this, &page, &chosen] {
        try {
            spreadsheet::Range(page.sheet, *chosen).clearContents();
        } catch (const SpreadsheetError&) {
            workbooksChanged();
        }
    });
}

void SheetWindow::edit(const std::function<void()>& change) {
    const QScopedValueRollback applying(applyingEdit_, true);
    if (runEdit) {
        runEdit(change);
    } else {
        change();
    }
}

void SheetWindow::commitEdit() {
    // The text being put into its cell is the command itself.
    if (applyingEdit_) {
        return;
    }
    for (const auto& page : pages_) {
        for (const SheetPage& sheetPage : page->sheets) {
            sheetPage.view->commitEditor();
        }
    }
}

bool SheetWindow::isEditing() const {
    for (const auto& page : pages_) {
        for (const SheetPage& sheetPage : page->sheets) {
            if (sheetPage.view->isEditing()) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace views
