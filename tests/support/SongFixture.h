#pragma once

#include "ProgramFixture.h"
#include "TestFiles.h"

#include "app/SongControls.h"
#include "spreadsheet/xls/XlsFile.h"
#include "views/VbColour.h"

#include <QPushButton>

namespace testing_support {

// The program with a song open in the G-C-F tuning. The tuning database is the delivered one
// plus a sheet "Zkušební" that a test may fill to make a lookup hard.
class SongFixture : public ProgramFixture {
protected:
    std::shared_ptr<spreadsheet::Sheet> trial = std::make_shared<spreadsheet::Sheet>("Zkušební");

    void SetUp() override {
        ProgramFixture::SetUp();
        prepareTrialSheet();
        writeDatabase();
        ASSERT_TRUE(start());
        openSong(QStringLiteral("G-C-F"));
    }

    // Override to fill the trial sheet before the database is written.
    virtual void prepareTrialSheet() {}

    void writeDatabase() {
        auto data = spreadsheet::xls::readXlsFile(vezarPath());
        std::vector<const spreadsheet::Sheet*> sheets;
        for (const auto& sheet : data.sheets) {
            sheets.push_back(sheet.get());
        }
        sheets.push_back(trial.get());
        spreadsheet::xls::writeXlsFile(vezarPath(), sheets, 0);
    }

    void openSong(const QString& tuning) {
        auto& h = host();
        h.addWorkbook();
        h.activeSheet().setName(tuning);
        form->connection().SongWorkbookName = h.activeWorkbook().name();
        app::SongControlsOn(c(), menu());
    }

    spreadsheet::Range songRange(const QString& address) {
        return host().workbook(form->connection().SongWorkbookName).activeSheet().range(address);
    }
    void put(const QString& address, const QString& text) {
        songRange(address).setValue(spreadsheet::CellValue(text));
    }
    void putRow(int row, const QStringList& treble, const QString& direction,
                const QStringList& basses = {}) {
        for (int i = 0; i < treble.size(); ++i) {
            put(spreadsheet::CellAddress{row, 2 + i}.toA1(), treble[i]);
        }
        put(QStringLiteral("I%1").arg(row), direction);
        for (int i = 0; i < basses.size(); ++i) {
            put(spreadsheet::CellAddress{row, 13 + i}.toA1(), basses[i]);
        }
    }
    QString cell(const QString& address) { return songRange(address).text(); }
    QStringList rowCells(int row, int firstColumn, int count) {
        QStringList cells;
        for (int i = 0; i < count; ++i) {
            cells << cell(spreadsheet::CellAddress{row, firstColumn + i}.toA1());
        }
        return cells;
    }
    void goToRow(int row) { host().range(QStringLiteral("B%1").arg(row)).select(); }
    quint32 jakDal() const { return views::backColour(c().cmdJakDal); }
};

}  // namespace testing_support
