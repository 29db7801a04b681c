// A song is never lost: saved after every change the program makes, left byte for byte as it
// was when nothing changed, told at once when it cannot be saved, and locked against a second
// running Mechík.
#include "grips/Said.h"
#include "support/FilePermissions.h"
#include "support/ProgramFixture.h"
#include "support/TestFiles.h"

#include "auxwin/frmKonverze.h"
#include "services/CommandGuard.h"
#include "songs/SongLock.h"
#include "spreadsheet/xls/XlsFile.h"
#include "views/Keyboard.h"
#include "views/SheetWindow.h"
#include "views/StaffPictures.h"
#include "views/TwipPicture.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QTableView>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

using keyboard::Side;
using services::MessageAnswer;
using services::MessageIcon;
using spreadsheet::CellValue;
using testing_support::readBytes;

namespace {

class KeptSong : public testing_support::ShownProgramFixture {
protected:
    // Three push grips in G-C-F, the cursor on the first, as an earlier session left them.
    QString writeSong(const QString& path) {
        auto song = testing_support::sheetOf(
            "G-C-F", {"B1=c1,", "I1=Tlak", "B2=e1,", "I2=Tlak", "B3=g1,", "I3=Tlak"});
        song->setSelection(spreadsheet::CellRect::single({1, 2}), {1, 2});
        spreadsheet::xls::writeXlsFile(path, {song.get()}, 0);
        return path;
    }
    void open(const QString& path) {
        chooser.answers = {path};
        c().cmdEdit->click();
    }
    void record(std::initializer_list<int> treble, QPushButton* direction) {
        for (int n : treble) {
            form->keyboard().overlay(Side::Treble, n)->onClick();
        }
        direction->click();
    }
    // The texts of cells of a song on disk, "B4 C4": as the file holds them now.
    static QStringList fileCells(const QString& path, const QString& addresses) {
        const auto data = spreadsheet::xls::readXlsFile(path);
        QStringList texts;
        for (const QString& address : addresses.split(u' ')) {
            texts << data.sheets[0]->value(*spreadsheet::CellAddress::parse(address)).text();
        }
        return texts;
    }
    void openAtTheEnd(const QString& path) {
        open(path);
        c().cmdPosledni->click();
        c().cmdDalsi->click();
    }
    QTableView* grid() {
        QCoreApplication::processEvents();  // the sheet window shows the song
        return form->sheetWindow()->sheetView("Polka.xls", "G-C-F");
    }
    static QString lockOf(const QString& path) { return songs::SongLock::lockPathOf(path); }
    static void writeLock(const QString& path, const QString& hostName, qint64 processId) {
        testing_support::writeBytes(
            lockOf(path), (hostName + u'\n' + QString::number(processId) + u'\n').toUtf8());
    }
};

const QString ownLock = QSysInfo::machineHostName() + u'\n' +
                        QString::number(QCoreApplication::applicationPid()) + u'\n';

}  // namespace

TEST_F(KeptSong, EveryRecordedGripStaffNoteAndEditInTheSheetWindowIsOnDiskAtOnce) {
    const QString path = writeSong(songPath("Polka.xls"));
    openAtTheEnd(path);
    record({10, 19}, c().cmdTlak);
    EXPECT_EQ(fileCells(path, "B4 C4 I4"), (QStringList{"c1,", "g1,", "Tlak"}));
    form->keyboard().release(Side::Treble);
    record({10}, c().cmdTah);
    EXPECT_EQ(fileCells(path, "B5 I5"), (QStringList{"e1,", "Tah"}));
    form->keyboard().release(Side::Treble);
    form->staff().picNota[0]->drop(3450, 6920);  // c1, a dropped note, through the guard
    c().cmdTahNoty->click();
    EXPECT_EQ(fileCells(path, "B6 I6"), (QStringList{"c1,", "Tah"}));
    EXPECT_EQ(dialogs.messages.size(), 0u);

    ASSERT_TRUE(grid());
    ASSERT_TRUE(grid()->model()->setData(grid()->model()->index(0, 0), "Šla"));
    EXPECT_EQ(fileCells(path, "A1"), QStringList{"Šla"});
}

// A syllable being typed in the sheet window when the player clicks a command or ends the song
// is in the cell and on disk, as if he had pressed Enter; while he types, the automatic player
// waits rather than cutting him short.
TEST_F(KeptSong, TextBeingTypedInTheSheetWindowIsKeptWhenACommandRunsOrTheSongEnds) {
    const QString path = writeSong(songPath("Polka.xls"));
    open(path);
    QTableView* grid = this->grid();
    ASSERT_TRUE(grid);
    const auto typeInto = [grid](int row, const QString& text) {
        const QModelIndex index = grid->model()->index(row, 0);
        grid->setCurrentIndex(index);
        grid->edit(index);
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(index));
        ASSERT_TRUE(editor);
        editor->setText(text);
    };
    typeInto(1, "ska");
    EXPECT_TRUE(form->sheetWindow()->isEditing());
    EXPECT_FALSE(form->guard().tick([] { ADD_FAILURE() << "a step while the player types"; }));
    c().cmdDalsi->click();
    EXPECT_FALSE(form->sheetWindow()->isEditing());
    EXPECT_EQ(host().range("A2").text(), "ska");
    EXPECT_EQ(fileCells(path, "A2"), QStringList{"ska"});
    // The grid's cursor was the song's: the step went on from row 2 and shows the syllable.
    EXPECT_EQ(c().lblTon->text(), "3");
    EXPECT_EQ(c().lblSlabika[1]->text(), "ska");

    typeInto(2, "kal");
    c().cmdEndEdit->click();
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(fileCells(path, "A3"), QStringList{"kal"});
    EXPECT_TRUE(dialogs.messages.empty());
}

// Stepping through a song and ending it writes nothing: a colleague's workbook keeps all that
// our writer would not keep, and the file stays byte for byte as it was.
TEST_F(KeptSong, ASongOnlyLookedAtStaysByteForByte) {
    const QString path = writeSong(songPath("Polka.xls"));
    const QByteArray before = readBytes(path);
    open(path);
    c().cmdDalsi->click();
    c().cmdDalsiTlak->click();
    c().cmdPosledni->click();
    c().cmdPredchozi->click();
    c().cmdReadTah->click();
    EXPECT_EQ(readBytes(path), before);
    c().cmdEndEdit->click();
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(readBytes(path), before);

    const QString other = songPath("Rozpis.xls");
    ASSERT_TRUE(QFile::copy(QStringLiteral(MECHIK_TEST_DATA "/lo-basic.xls"), other));
    const QByteArray otherBefore = readBytes(other);
    open(other);
    ASSERT_TRUE(songOpen());
    c().cmdEndEdit->click();
    EXPECT_EQ(readBytes(other), otherBefore);

    // Picked in the conversion window and not converted: saved and closed, unchanged.
    auto* window = auxwin::mnuKonverze_Click(form->connection(), dialogs, *form, form->guard());
    ASSERT_TRUE(window);
    chooser.answers = {other};
    window->cmdVyberPisen->click();
    window->close();
    EXPECT_EQ(readBytes(other), otherBefore);
}

// A full disk: the player hears of it once, the grips stay in the program, and the next change
// after the disk has room again writes them all.
TEST_F(KeptSong, AFailedSaveIsToldOnceAndTheNextChangeTriesAgain) {
    const QString path = writeSong(songPath("Polka.xls"));
    openAtTheEnd(path);
    dialogs.messages.clear();
    testing_support::withFullDisk([&] {
        record({10}, c().cmdTlak);
        form->keyboard().release(Side::Treble);
        record({19}, c().cmdTlak);
    });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Píseň nelze průběžně ukládat.");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(
        QStringLiteral("Soubor %1 nelze uložit: ").arg(QDir::toNativeSeparators(path))));
    EXPECT_TRUE(dialogs.messages[0].text.endsWith(
        "\r\nZměny zůstávají v programu. Mechík je zkusí uložit znovu při každé "
        "další změně a při ukončení písně."));
    EXPECT_EQ(fileCells(path, "B4"), QStringList{""});

    form->keyboard().release(Side::Treble);
    record({20}, c().cmdTlak);
    EXPECT_EQ(fileCells(path, "B4 B5 B6"), (QStringList{"c1,", "g1,", "e1,"}));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(KeptSong, AReadOnlySongIsToldOnOpeningAndStillOpens) {
    const QString path = writeSong(songPath("Polka.xls"));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    dialogs.messages.clear();
    {
        const testing_support::ObeyFilePermissions asAPlayer;
        open(path);
    }
    EXPECT_TRUE(songOpen());
    EXPECT_EQ(dialogs.messages,
              said::Messages{said::exclamation(
                  "Píseň nelze ukládat.",
                  "Do písně " + QDir::toNativeSeparators(path) +
                      " nelze ukládat: soubor je chráněn proti zápisu.\r\nPíseň si můžete "
                      "prohlížet a přehrávat. Změny, které v ní uděláte, zůstanou jen v "
                      "programu; při ukončení písně Vám Mechík nabídne uložit ji jako kopii "
                      "jinam.")});
}

// A folder that cannot be written (a write-protected stick): told on opening; the grips the
// player records are not reported again, and ending the song offers the way out.
TEST_F(KeptSong, ASongInAReadOnlyFolderIsToldOnceAndEndsAsThePlayerChooses) {
    const QString folder = dir.filePath("Flash");
    QDir().mkpath(folder);
    const QString path = writeSong(QDir(folder).filePath("Polka.xls"));
    const QByteArray before = readBytes(path);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    dialogs.messages.clear();
    {
        const testing_support::ObeyFilePermissions asAPlayer;
        openAtTheEnd(path);
        record({10}, c().cmdTlak);
        dialogs.answers = {MessageAnswer::No};
        c().cmdEndEdit->click();
    }
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(dialogs.titles(), (QStringList{"Píseň nelze ukládat.", "Píseň nelze uložit."}));
    EXPECT_TRUE(dialogs.messages[0].text.contains(
        QStringLiteral(" nelze ukládat: do složky %1 nelze zapisovat.")
            .arg(QDir::toNativeSeparators(folder))));
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(readBytes(path), before);
}

#ifndef _WIN32
TEST_F(KeptSong, ASongOpenInAnotherRunningMechikIsNeitherOpenedNorReplaced) {
    const QString path = writeSong(songPath("Polka.xls"));
    const QByteArray before = readBytes(path);
    writeLock(path, QSysInfo::machineHostName(), getppid());  // a process that runs
    const QString theirs = QString::fromUtf8(readBytes(lockOf(path)));
    open(path);
    EXPECT_FALSE(songOpen());
    const QString openElsewhere =
        "Píseň " + QDir::toNativeSeparators(path) +
        " má právě otevřenou jiný spuštěný Mechík "
        "(počítač " +
        QSysInfo::machineHostName() + ", proces " + QString::number(getppid()) +
        "). Aby si programy navzájem nepřepsaly zapsané hmaty, smí být píseň otevřena jen v "
        "jednom z nich. Ukončete ji nejprve tam.\r\nPokud tam otevřená není, smažte soubor " +
        QDir::toNativeSeparators(lockOf(path)) + ".";
    EXPECT_EQ(dialogs.messages,
              said::Messages{said::exclamation("Píseň je otevřena jinde.", openElsewhere)});

    // A new song of that name would delete it: refused after the question.
    dialogs.messages.clear();
    dialogs.inputs = {"Polka"};
    dialogs.answers = {MessageAnswer::Yes};
    c().cmdNovaSkladba->click();
    EXPECT_EQ(dialogs.titles(),
              (QStringList{"Nová skladba.", "Tato skladba již existuje!",
                           "Píseň je otevřena jinde.", "Založení nové skladby přerušeno."}));
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(QString::fromUtf8(readBytes(lockOf(path))), theirs);

    // Another computer's lock cannot be checked from here: it holds too.
    writeLock(path, "jiny-pocitac", QCoreApplication::applicationPid());
    dialogs.messages.clear();
    open(path);
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(dialogs.titles(), QStringList{"Píseň je otevřena jinde."});
}

// A lock left by a program that no longer runs is taken over; while a song is open, a hidden
// lock beside it names this program.
TEST_F(KeptSong, ALockNamesThisProgramWhileTheSongIsOpenAndAnEndedOnesLockIsTakenOver) {
    const QString path = writeSong(songPath("Polka.xls"));
    const pid_t ended = fork();
    if (ended == 0) {
        _exit(0);
    }
    ASSERT_GT(ended, 0);
    waitpid(ended, nullptr, 0);
    writeLock(path, QSysInfo::machineHostName(), ended);
    open(path);
    EXPECT_TRUE(songOpen());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(QFileInfo(lockOf(path)).fileName(), ".Polka.xls.lock");
    EXPECT_EQ(QString::fromUtf8(readBytes(lockOf(path))), ownLock);
    EXPECT_EQ(QDir(environment.workingFolder).entryList({"*.xls"}, QDir::Files | QDir::Hidden),
              QStringList{"Polka.xls"});
    c().cmdEndEdit->click();
    EXPECT_FALSE(QFileInfo::exists(lockOf(path)));

    open(path);
    EXPECT_TRUE(QFileInfo::exists(lockOf(path)));
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(QFileInfo::exists(lockOf(path)));
}
#endif
