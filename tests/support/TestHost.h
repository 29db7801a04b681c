#pragma once

#include "QtPrinters.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/FileChooser.h"
#include "spreadsheet/SpreadsheetError.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

namespace testing_support {

// A spreadsheet host whose settings and default folder live in a temporary folder.
struct TestHost {
    QTemporaryDir dir;
    spreadsheet::Application app{
        spreadsheet::HostSettings(dir.filePath(QStringLiteral("host.ini")))};

    TestHost() { app.setDefaultFilePath(dir.path()); }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
};

// Answers file dialogs from a queue and remembers how each was asked.
class ScriptedFileChooser : public spreadsheet::FileChooser {
public:
    struct Question {
        QString title, startFolder, filterName, patterns;
    };
    std::deque<std::optional<QString>> answers;
    std::vector<Question> asked;
    std::deque<std::optional<QString>> saveAnswers;
    std::vector<Question> askedToSave;  // startFolder holds the suggested path

    std::optional<QString> chooseFileToOpen(const QString& title, const QString& startFolder,
                                            const QString& filterName,
                                            const QString& patterns) override {
        asked.push_back({title, startFolder, filterName, patterns});
        return next(answers, title);
    }
    std::optional<QString> chooseFileToSave(const QString& title, const QString& suggested,
                                            const QString& filterName,
                                            const QString& patterns) override {
        askedToSave.push_back({title, suggested, filterName, patterns});
        return next(saveAnswers, title);
    }

private:
    static std::optional<QString> next(std::deque<std::optional<QString>>& queue,
                                       const QString& title) {
        if (queue.empty()) {
            ADD_FAILURE() << "an unexpected file dialog: " << title.toStdString();
            return std::nullopt;
        }
        std::optional<QString> answer;
        answer.swap(queue.front());
        queue.pop_front();
        return answer;
    }
};

// The error number a statement throws, or 0.
template <typename F>
int errorNumberOf(F&& statement) {
    try {
        statement();
    } catch (const spreadsheet::SpreadsheetError& error) {
        return error.number();
    }
    return 0;
}

// The description of the error a statement throws, or nothing.
template <typename F>
QString errorTextOf(F&& statement) {
    try {
        statement();
    } catch (const spreadsheet::SpreadsheetError& error) {
        return error.description();
    }
    return {};
}

}  // namespace testing_support
