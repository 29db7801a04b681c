#include "PrintLibrary.h"

#include "app/ExecutableFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace music {

namespace {

#ifdef Q_OS_WIN
const QString PluginFile = QStringLiteral("mechik_print.dll");
#else
const QString PluginFile = QStringLiteral("libmechik_print.so");
#endif

}  // namespace

PrintLibrary::~PrintLibrary() = default;

QStringList PrintLibrary::searchFolders() {
    const QDir program(app::executableFolder());
    return {program.filePath(QStringLiteral("plugins")), program.path(),
            QDir::cleanPath(program.filePath(QStringLiteral(MECHIK_INSTALLED_PLUGINS)))};
}

std::unique_ptr<PrintLibrary> PrintLibrary::load(QString& error) {
    const QStringList folders = searchFolders();
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(PluginFile);
        if (!QFileInfo::exists(path)) {
            continue;
        }
        auto library = std::make_unique<QLibrary>(path);
        if (!library->load()) {
            error = QStringLiteral("Knihovnu pro tisk %1 nelze načíst: %2")
                        .arg(QDir::toNativeSeparators(path), library->errorString());
            return nullptr;
        }
        const auto version =
            reinterpret_cast<InterfaceVersionFunction>(library->resolve(InterfaceVersionEntry));
        std::unique_ptr<PrintLibrary> loaded(new PrintLibrary);
        loaded->paint_ = reinterpret_cast<PaintFunction>(library->resolve(PaintEntry));
        loaded->writePdf_ = reinterpret_cast<WritePdfFunction>(library->resolve(WritePdfEntry));
        if (!version || version() != PrintInterfaceVersion || !loaded->paint_ ||
            !loaded->writePdf_) {
            error = QStringLiteral("Knihovna pro tisk %1 nepatří k této verzi programu.")
                        .arg(QDir::toNativeSeparators(path));
            return nullptr;
        }
        loaded->library_ = std::move(library);
        return loaded;
    }
    error = QStringLiteral("Knihovna pro tisk %1 nebyla nalezena (hledáno v: %2).")
                .arg(PluginFile, QDir::toNativeSeparators(folders.join(QStringLiteral(", "))));
    return nullptr;
}

}  // namespace music
