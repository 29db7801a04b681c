#pragma once

#include "ScriptedDialogs.h"
#include "TestHost.h"
#include "app/Form1.h"
#include "services/ProgramSettings.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace testing_support {

// The whole program on a temporary folder: its own copy of Vezar.xls, its own settings and
// host settings, a working folder, scripted dialogs.
class ProgramFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    ScriptedFileChooser chooser;
    services::ProgramSettings settings{dir.filePath(QStringLiteral("mechik.ini"))};
    services::ProgramEnvironment environment{dir.path(), dir.filePath(QStringLiteral("Knoflovka")),
                                             dir.filePath(QStringLiteral("host.ini"))};
    std::unique_ptr<app::Form1> form;

    void SetUp() override {
        ASSERT_TRUE(QFile::copy(QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls"), vezarPath()));
        QFile::setPermissions(vezarPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    QString vezarPath() const { return dir.filePath(QStringLiteral("Vezar.xls")); }

    // Builds the main window and runs its start-up; the messages shown are in `dialogs`.
    bool start() {
        form = std::make_unique<app::Form1>(environment, dialogs, settings, &chooser);
        return form->Form_Load();
    }

    spreadsheet::Application& host() { return *form->connection().SpreadsheetApplication; }
    const views::Form1Controls& c() const { return form->controls(); }
    const app::MenuActions& menu() const { return form->menu(); }

    QString songPath(const QString& name) const {
        return QDir(environment.workingFolder).filePath(name);
    }
    bool songOpen() const { return c().cmdEndEdit->isEnabled(); }
};

// The program started and its window shown, the working folder there: where a player begins.
class ShownProgramFixture : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        QDir().mkpath(environment.workingFolder);
        ASSERT_TRUE(start());
        form->show();
    }
};

}  // namespace testing_support
