#include "TestFiles.h"

#include "spreadsheet/xls/CompoundFile.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <csignal>
#endif

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace testing_support {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void expectSameLines(const QString& expected, const QString& actual) {
    const QStringList want = expected.split(u'\n');
    const QStringList got = actual.split(u'\n');
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
        const QString w = i < want.size() ? want[i] : QStringLiteral("(nothing)");
        const QString g = i < got.size() ? got[i] : QStringLiteral("(nothing)");
        if (w != g) {
            ADD_FAILURE() << "line " << i + 1 << ":\n expected " << w.toStdString()
                          << "\n read     " << g.toStdString();
            return;
        }
    }
}

BiffStream& BiffStream::record(std::uint16_t id, const std::vector<std::uint8_t>& body) {
    const Body header = Body().u16(id).u16(static_cast<std::uint16_t>(body.size()));
    bytes_.insert(bytes_.end(), header.bytes.begin(), header.bytes.end());
    bytes_.insert(bytes_.end(), body.begin(), body.end());
    return *this;
}

BiffStream& BiffStream::bof(std::uint16_t version, std::uint16_t type) {
    Body body;
    body.u16s({version, type, 0x0DBB, 0x07CC});
    if (version == 0x0600) {
        body.u32(0).u32(6);
    }
    return record(0x0809, body);
}

void BiffStream::patchU32(std::size_t position, std::uint32_t value) {
    const Body le = Body().u32(value);
    std::copy(le.bytes.begin(), le.bytes.end(), bytes_.begin() + static_cast<long>(position));
}

Body& Body::u16s(std::initializer_list<std::uint16_t> values) {
    for (const std::uint16_t v : values) {
        u16(v);
    }
    return *this;
}

Body& Body::f64(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return u32(static_cast<std::uint32_t>(bits)).u32(static_cast<std::uint32_t>(bits >> 32));
}

Body& Body::latin1(const char* text) {
    bytes.insert(bytes.end(), text, text + std::strlen(text));
    return *this;
}

Body& Body::utf16(const QString& text) {
    for (const QChar c : text) {
        u16(c.unicode());
    }
    return *this;
}

void withFullDisk(const std::function<void()>& action) {
#ifdef _WIN32
    (void)action;
    GTEST_SKIP() << "no file-size limit on this system";
#else
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    action();
    setrlimit(RLIMIT_FSIZE, &saved);
#endif
}

CliRun runMechikCli(const QStringList& arguments, const QString& workingDirectory) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(MECHIK_BIN_DIR "/mechik-cli"), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray xlsFileWithStream(const std::vector<std::uint8_t>& stream, const char* streamName,
                             const std::vector<spreadsheet::xls::NamedStream>& others) {
    const auto file = spreadsheet::xls::buildCompoundFile(stream, streamName, others);
    return QByteArray(reinterpret_cast<const char*>(file.data()),
                      static_cast<qsizetype>(file.size()));
}

std::shared_ptr<spreadsheet::Sheet> sheetWith(
    const QString& name,
    std::initializer_list<std::pair<const char*, spreadsheet::CellValue>> cells) {
    auto sheet = std::make_shared<spreadsheet::Sheet>(name);
    for (const auto& [address, value] : cells) {
        sheet->setValue(*spreadsheet::CellAddress::parse(QString::fromLatin1(address)), value);
    }
    return sheet;
}

std::shared_ptr<spreadsheet::Sheet> sheetOf(const QString& name, const QStringList& cells) {
    auto sheet = std::make_shared<spreadsheet::Sheet>(name);
    for (const QString& cell : cells) {
        const qsizetype equals = cell.indexOf(u'=');
        sheet->setValue(*spreadsheet::CellAddress::parse(cell.left(equals)),
                        spreadsheet::CellValue(cell.mid(equals + 1)));
    }
    return sheet;
}

spreadsheet::Sheet& sheetNamed(const spreadsheet::WorkbookData& data, const QString& name) {
    for (const auto& sheet : data.sheets) {
        if (sheet->name() == name) {
            return *sheet;
        }
    }
    throw std::runtime_error("no sheet " + name.toStdString());
}

}  // namespace testing_support
