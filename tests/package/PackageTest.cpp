// `make package`: the Debian package holds the programs, their plugins and files, and names
// every package the program needs, also those it loads only at run time.
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using testing_support::runTool;

// One test: each would build the package anew.
TEST(Package, HoldsTheProgramsTheirFilesAndWhatTheyNeed) {
    QTemporaryDir out;
    runTool(MECHIK_CPACK,
            {"-G", "DEB", "--config", MECHIK_BUILD_DIR "/CPackConfig.cmake", "-B", out.path()});
    const QString architecture = runTool("dpkg", {"--print-architecture"}).trimmed();
    const QString deb =
        out.filePath(QStringLiteral("mechik_%1_%2.deb").arg(MECHIK_VERSION, architecture));
    const QString listing = runTool("dpkg-deb", {"-c", deb});
    const auto holds = [&listing](const QString& path) {
        return listing.contains(" ./usr/" + path + "\n");
    };
    for (const char* path :
         {"bin/mechik", "bin/mechik-cli", "share/mechik/Vezar.xls", "share/mechik/Mechík.htm",
          "share/mechik/tah.png", "share/applications/mechik.desktop",
          "share/icons/hicolor/scalable/apps/mechik.svg"}) {
        EXPECT_TRUE(holds(QString::fromUtf8(path))) << path;
    }
    // Every plugin library built beside the programs is installed where they look for it.
    for (const QString& plugin : QDir(MECHIK_BIN_DIR).entryList({"*.so"}, QDir::Files)) {
        EXPECT_TRUE(holds(MECHIK_PLUGIN_DIR "/" + plugin)) << plugin.toStdString();
    }
    const QString root = out.filePath("root");
    runTool("dpkg-deb", {"-x", deb, root});
    const QDir usr(root + "/usr");
    // Songs open from the desktop; the database is the generated one, not one a run saved.
    const QString entry = QString::fromUtf8(
        testing_support::readBytes(usr.filePath("share/applications/mechik.desktop")));
    EXPECT_TRUE(entry.contains("\nExec=mechik %f\n") &&
                entry.contains("\nMimeType=application/vnd.ms-excel;\n"));
    const auto database = spreadsheet::xls::readXlsFile(usr.filePath("share/mechik/Vezar.xls"));
    const QString order = QString::fromUtf8(
        testing_support::readBytes(MECHIK_SOURCE_DIR "/resources/tunings/order.txt"));
    ASSERT_EQ(database.sheets.size(), order.split(u'\n', Qt::SkipEmptyParts).size());
    EXPECT_EQ(database.sheets[0]->name(), order.section(u'\n', 0, 0));
    EXPECT_EQ(database.activeSheet, 0);

    const QString control =
        runTool("dpkg-deb", {"-f", deb, "Package", "Version", "Section", "Maintainer"});
    EXPECT_EQ(control,
              QStringLiteral("Package: mechik\nVersion: " MECHIK_VERSION "\nSection: sound\n"
                             "Maintainer: Mechík, podpora <podpora@mechik.invalid>\n"));
    const QStringList depends = runTool("dpkg-deb", {"-f", deb, "Depends"}).trimmed().split(", ");
    for (const QString package :
         {"libqt6core6", "libqt6widgets6", "libgsf-1-114", "libfluidsynth3", "libc6",
          "fluid-soundfont-gm | timgm6mb-soundfont", "gstreamer1.0-plugins-base",
          "gstreamer1.0-plugins-good", "qt6-qpa-plugins", "qt6-translations-l10n",
          "fonts-dejavu-core"}) {
        const bool named =
            std::any_of(depends.begin(), depends.end(), [&package](const QString& dependency) {
                return dependency == package || dependency.startsWith(package + " (");
            });
        EXPECT_TRUE(named) << package.toStdString() << " in " << depends.join(", ").toStdString();
    }
}
