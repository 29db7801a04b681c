// `make package`: the Debian package holds the programs, their plugins and files, and names
// every package the program needs, also those it loads only at run time.
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The paths of `dpkg-deb -c`, "./usr/bin/mechik" and so on.
QStringList filesOf(const QString& deb) {
    QStringList files;
    static const QRegularExpression line(QStringLiteral("^\\S+\\s+\\S+\\s+\\d+\\s+\\S+\\s+\\S+\\s+(.*)$"));
    for (const QString& entry : output("dpkg-deb", {"-c", deb}).split(u'\n', Qt::SkipEmptyParts)) {
        const auto match = line.match(entry);
        EXPECT_TRUE(match.hasMatch()) << entry.toStdString();
        files << match.captured(1);
    }
    return files;
}

QString field(const QString& deb, const QString& name) {
    return output("dpkg-deb", {"-f", deb, name}).trimmed();
}

class Package : public testing::Test {
protected:
    void SetUp() override {
        output(MECHIK_CPACK, {"-G", "DEB", "--config", MECHIK_BUILD_DIR "/CPackConfig.cmake", "-B", out.path()});
        const QString architecture = output("dpkg", {"--print-architecture"}).trimmed();
        deb = out.filePath(QStringLiteral("mechik_%1_%2.deb").arg(MECHIK_VERSION, architecture));
        ASSERT_TRUE(QFileInfo::exists(deb)) << QDir(out.path()).entryList().join(' ').toStdString();
    }

    QTemporaryDir out;
    QString deb;
};

}  // namespace

// One test: each builds the package anew.
TEST_F(Package, HoldsTheProgramsTheirFilesAndWhatTheyNeed) {
    const QStringList files = filesOf(deb);
    for (const char* path :
         {"./usr/bin/mechik", "./usr/bin/mechik-cli", "./usr/share/mechik/Vezar.xls",
          "./usr/share/mechik/Mechík.htm", "./usr/share/mechik/hlavni-okno.png",
          "./usr/share/applications/mechik.desktop", "./usr/share/icons/hicolor/scalable/apps/mechik.svg"}) {
        EXPECT_TRUE(files.contains(QString::fromUtf8(path))) << path;
    }
    // Every plugin library built beside the programs is installed where they look for it.
    for (const QString& plugin : QDir(MECHIK_BIN_DIR).entryList({"*.so"}, QDir::Files)) {
        EXPECT_TRUE(files.contains("./usr/" MECHIK_PLUGIN_DIR "/" + plugin)) << plugin.toStdString();
    }

    EXPECT_EQ(field(deb, "Package"), "mechik");
    EXPECT_EQ(field(deb, "Version"), MECHIK_VERSION);
    EXPECT_EQ(field(deb, "Section"), "sound");
    EXPECT_EQ(field(deb, "Maintainer"), "Mechík, podpora <podpora@mechik.invalid>");
    EXPECT_TRUE(field(deb, "Description").startsWith("Zápis písní pro heligonku"));
    QStringList needed;
    for (const QString& dependency : field(deb, "Depends").split(QStringLiteral(", "))) {
        needed << dependency.section(u' ', 0, 0);  // the name without its version
        if (dependency.contains(u'|')) {
            needed.last() = dependency;
        }
    }
    for (const char* package :
         {"libqt6core6", "libqt6widgets6", "libqt6multimedia6", "libgsf-1-114", "libfluidsynth3", "libc6",
          "fluid-soundfont-gm | timgm6mb-soundfont", "gstreamer1.0-plugins-base",
          "gstreamer1.0-plugins-good", "qt6-qpa-plugins", "qt6-translations-l10n", "fonts-dejavu-core"}) {
        EXPECT_TRUE(needed.contains(QString::fromUtf8(package))) << package << " in " << needed.join(", ").toStdString();
    }

    // Songs open from the desktop; the database is the generated one, not one a run saved.
    const QString root = out.filePath("root");
    output("dpkg-deb", {"-x", deb, root});
    const QString entry = QString::fromUtf8(testing_support::readBytes(root + "/usr/share/applications/mechik.desktop"));
    EXPECT_TRUE(entry.contains("\nExec=mechik %f\n"));
    EXPECT_TRUE(entry.contains("\nMimeType=application/vnd.ms-excel;\n"));

    const auto database = spreadsheet::xls::readXlsFile(root + "/usr/share/mechik/Vezar.xls");
    QStringList names;
    for (const auto& sheet : database.sheets) {
        names << sheet->name();
    }
    const QString order = QString::fromUtf8(testing_support::readBytes(MECHIK_SOURCE_DIR "/resources/tunings/order.txt"));
    EXPECT_EQ(names, order.split(u'\n', Qt::SkipEmptyParts));
    EXPECT_EQ(database.activeSheet, 0);
}
