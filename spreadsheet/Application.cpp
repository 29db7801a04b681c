#include "Application.h"

#include "FileChooser.h"
#include "SpreadsheetError.h"
#include "Workbook.h"
#include "xls/XlsFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace spreadsheet {

namespace {

[[noreturn]] void throwNoSuchWindow(const QString& name) {
    throw SpreadsheetError(SubscriptOutOfRange,
                           QStringLiteral("Okno „%1“ není otevřeno.").arg(name));
}

}  // namespace

Application::Application(HostSettings settings) : settings_(std::move(settings)) {}

Application::~Application() {
    // Observers unregister themselves from the notification, so walk a copy.
    const auto observers = observers_;
    for (HostObserver* observer : observers) {
        observer->hostDestroyed();
    }
}

void Application::addObserver(HostObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) {
        observers_.push_back(observer);
    }
}

void Application::removeObserver(HostObserver* observer) {
    std::erase(observers_, observer);
}

// By index, so that an observer removing itself while being told does no harm.
void Application::notifyWorkbooksChanged() const {
    for (size_t i = 0; i < observers_.size(); ++i) {
        observers_[i]->workbooksChanged();
    }
}

void Application::notifyCellsChanged(const Sheet& sheet) const {
    for (size_t i = 0; i < observers_.size(); ++i) {
        observers_[i]->cellsChanged(sheet);
    }
}

void Application::notifySelectionChanged(const Sheet& sheet) const {
    for (size_t i = 0; i < observers_.size(); ++i) {
        observers_[i]->selectionChanged(sheet);
    }
}

void Application::ensureRunning() const {
    if (!running_) {
        throwObjectGone();
    }
}

// The default folder stays reachable after Quit, as an automation object's properties do
// until it is released: shutdown restores the folder after quitting.
QString Application::defaultFilePath() const {
    return settings_.defaultFilePath();
}

void Application::setDefaultFilePath(const QString& path) {
    settings_.setDefaultFilePath(path);
}

bool Application::visible() const {
    ensureRunning();
    return visible_;
}

void Application::setVisible(bool visible) {
    ensureRunning();
    visible_ = visible;
    for (size_t i = 0; i < observers_.size(); ++i) {
        observers_[i]->visibilityChanged(visible);
    }
}

void Application::quit() {
    ensureRunning();
    windows_.clear();
    running_ = false;
    for (size_t i = 0; i < observers_.size(); ++i) {
        observers_[i]->visibilityChanged(false);
    }
    notifyWorkbooksChanged();
}

namespace {

// "Excel Files,*.xls": the filter's name and its patterns.
std::pair<QString, QString> splitFilter(const QString& fileFilter) {
    const qsizetype comma = fileFilter.indexOf(u',');
    if (comma < 0) {
        return {fileFilter, QStringLiteral("*.*")};
    }
    return {fileFilter.left(comma), fileFilter.mid(comma + 1)};
}

}  // namespace

FileChooser& Application::chooser() const {
    ensureRunning();
    if (!fileChooser_) {
        throw SpreadsheetError(FileOrCellOperation,
                               QStringLiteral("Dialog pro výběr souboru není k dispozici."));
    }
    return *fileChooser_;
}

std::optional<QString> Application::getOpenFilename(const QString& fileFilter,
                                                    const QString& title) {
    const auto [filterName, patterns] = splitFilter(fileFilter);
    return chooser().chooseFileToOpen(title, settings_.defaultFilePath(), filterName, patterns);
}

std::optional<QString> Application::getSaveAsFilename(const QString& initialFilename,
                                                      const QString& fileFilter,
                                                      const QString& title) {
    const auto [filterName, patterns] = splitFilter(fileFilter);
    return chooser().chooseFileToSave(title, resolvePath(initialFilename), filterName, patterns);
}

QString Application::resolvePath(const QString& filename) const {
    QString path = filename;
    if (QFileInfo(path).isRelative()) {
        path = QDir(settings_.defaultFilePath()).filePath(path);
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".xls");
    }
    return QFileInfo(path).absoluteFilePath();
}

QString Application::resolveExistingPath(const QString& filename) const {
    const QString withExtension = resolvePath(filename);
    QString asGiven = filename;
    if (QFileInfo(asGiven).isRelative()) {
        asGiven = QDir(settings_.defaultFilePath()).filePath(asGiven);
    }
    if (!QFileInfo::exists(withExtension) && QFileInfo(asGiven).isFile()) {
        return QFileInfo(asGiven).absoluteFilePath();
    }
    return withExtension;
}

WorkbookRef Application::openWorkbook(const QString& filename) {
    ensureRunning();
    const QString path = resolveExistingPath(filename);
    for (const auto& workbook : windows_) {
        if (!workbook->path().isEmpty() && QFileInfo(workbook->path()) == QFileInfo(path)) {
            activate(*workbook);
            return WorkbookRef(workbook);
        }
    }
    const QString name = QFileInfo(path).fileName();
    if (byName(name)) {
        throw SpreadsheetError(
            FileOrCellOperation,
            QStringLiteral("Sešit se jménem %1 je již otevřen. Dva sešity stejného jména nelze "
                           "otevřít současně.")
                .arg(name));
    }
    auto workbook = std::make_shared<Workbook>(*this, name, path, xls::readXlsFile(path));
    windows_.insert(windows_.begin(), workbook);
    notifyWorkbooksChanged();
    return WorkbookRef(workbook);
}

WorkbookRef Application::addWorkbook() {
    ensureRunning();
    QString name;
    do {
        name = QStringLiteral("Sešit%1").arg(++newWorkbookCounter_);
    } while (byName(name));
    WorkbookData data;
    data.sheets.push_back(std::make_shared<Sheet>(QStringLiteral("List1")));
    auto workbook = std::make_shared<Workbook>(*this, name, QString(), std::move(data));
    windows_.insert(windows_.begin(), workbook);
    notifyWorkbooksChanged();
    return WorkbookRef(workbook);
}

int Application::workbookCount() const {
    ensureRunning();
    return static_cast<int>(windows_.size());
}

std::shared_ptr<Workbook> Application::byName(const QString& name) const {
    for (const auto& workbook : windows_) {
        if (workbook->name().compare(name, Qt::CaseInsensitive) == 0) {
            return workbook;
        }
    }
    return nullptr;
}

WorkbookRef Application::workbook(const QString& name) const {
    ensureRunning();
    auto found = byName(name);
    if (!found) {
        throwNoSuchWindow(name);
    }
    return WorkbookRef(found);
}

std::shared_ptr<Workbook> Application::active() const {
    ensureRunning();
    if (windows_.empty()) {
        throwObjectGone();
    }
    return windows_.front();
}

WorkbookRef Application::activeWorkbook() const {
    return WorkbookRef(active());
}

void Application::activateWindow(const QString& name) {
    ensureRunning();
    auto found = byName(name);
    if (!found) {
        throwNoSuchWindow(name);
    }
    activate(*found);
}

bool Application::isActiveWorkbook(const Workbook& workbook) const {
    return running_ && !windows_.empty() && windows_.front().get() == &workbook;
}

void Application::activate(Workbook& workbook) {
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [&workbook](const auto& w) { return w.get() == &workbook; });
    if (it != windows_.end()) {
        std::rotate(windows_.begin(), it, it + 1);
        notifyWorkbooksChanged();
    }
}

void Application::close(Workbook& workbook) {
    // The next window in line becomes active, as when a spreadsheet window is closed.
    std::erase_if(windows_, [&workbook](const auto& w) { return w.get() == &workbook; });
    notifyWorkbooksChanged();
}

bool Application::isNameTakenByOther(const QString& windowName, const Workbook& except) const {
    const auto found = byName(windowName);
    return found && found.get() != &except;
}

int Application::sheetCount() const {
    return active()->sheetCount();
}

SheetRef Application::sheet(int index) const {
    return activeWorkbook().sheet(index);
}

SheetRef Application::sheet(const QString& name) const {
    return activeWorkbook().sheet(name);
}

SheetRef Application::activeSheet() const {
    return SheetRef(active()->activeSheet());
}

Range Application::range(const QString& address) const {
    return activeSheet().range(address);
}

Range Application::selection() const {
    const auto sheet = active()->activeSheet();
    return Range(sheet, sheet->selection());
}

Range Application::activeCell() const {
    const auto sheet = active()->activeSheet();
    return Range(sheet, CellRect::single(sheet->activeCell()));
}

}  // namespace spreadsheet
