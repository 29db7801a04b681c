#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QLibrary;
class QPagedPaintDevice;

// The page-painting plugin: Qt Gui draws the tablature's pages, so it lives in a library of
// its own that is loaded only when something is printed.
namespace music {

struct Tablature;

// Raised whenever the entries below change; a plugin of another version is refused.
inline constexpr int PrintInterfaceVersion = 1;

// The plugin's entries, exported with C names.
inline constexpr char InterfaceVersionEntry[] = "mechik_print_interface_version";
inline constexpr char PaintEntry[] = "mechik_print_paint";
inline constexpr char WritePdfEntry[] = "mechik_print_write_pdf";
using InterfaceVersionFunction = int (*)();
// Draws the pages on any paged device (a PDF writer, a printer); the process needs a
// QGuiApplication. The number of pages drawn; 0 when the device could not be painted on.
using PaintFunction = int (*)(const Tablature& tablature, QPagedPaintDevice& device);
// An A4 PDF written to a temporary file and renamed to `path`. Makes an off-screen
// QGuiApplication for the call when the process has no application object. False with a
// Czech message in `error` when the file cannot be written.
using WritePdfFunction = bool (*)(const Tablature& tablature, const QString& path, QString& error);

class PrintLibrary {
public:
    ~PrintLibrary();

    // The folders searched, in order: the program's plugins folder, the program's folder, and
    // the installed plugins folder under lib/ beside bin/.
    static QStringList searchFolders();
    // Nothing, with a Czech message in `error`, when no usable plugin is found.
    static std::unique_ptr<PrintLibrary> load(QString& error);

    int paint(const Tablature& tablature, QPagedPaintDevice& device) const {
        return paint_(tablature, device);
    }
    bool writePdf(const Tablature& tablature, const QString& path, QString& error) const {
        return writePdf_(tablature, path, error);
    }

private:
    PrintLibrary() = default;

    std::unique_ptr<QLibrary> library_;
    PaintFunction paint_ = nullptr;
    WritePdfFunction writePdf_ = nullptr;
};

}  // namespace music
