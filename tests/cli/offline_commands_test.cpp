#include "files/channel_file.h"
#include "model/app_state.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace r5;

namespace {

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments, const QString& outputFile = {})
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(R5PROG_CLI, arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class OfflineCommands : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    // A fresh start's channel file in the temporary folder.
    QString defaults(const QString& name, const char* model = "Sable-UHF")
    {
        const CliRun run = runCli({"defaults", "--model", model, "--output", path(name)});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return path(name);
    }
    void write(const QString& name, const QByteArray& content)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QTemporaryDir dir;
};

TEST_F(OfflineCommands, ShowListsChannelsAsTheGridShowsThem)
{
    const CliRun run = runCli({"show", defaults("a.chann")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n');
    ASSERT_GT(lines.size(), 17);
    EXPECT_EQ(lines[13].simplified(), "13 470.17500 470.17500 D754I D754I High Wide Yes OFF OFF");
    // One setting of the options, keys and scan windows each.
    for (const char* setting : {"Time Out Timer(TOT)[s]: 120", "PF2: None", "Revert Channel: Priority+Talk Back"})
        EXPECT_TRUE(run.out.contains(setting)) << setting;
    EXPECT_TRUE(run.out.contains(QRegularExpression("\\n16\\s*\\n")));  // test channel 16, no frequency
    EXPECT_TRUE(run.out.endsWith("Embedded Message\n  1: \n  2: \n"));
}

// A bad file fails in one line naming the place; a channel file named as a
// tuning file is refused for what it holds, before the port is even tried.
TEST_F(OfflineCommands, BadFilesFailNamingWhy)
{
    write("bad.chann", " 1  2  x3 ");
    CliRun run = runCli({"show", path("bad.chann")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out + run.err,
              "r5prog-cli: \"bad.chann\", line 1, column 8 (row 0, cell 2): \"x3\" is not a whole number.\n");
    EXPECT_EQ(runCli({"show", path("missing.chann")}).exitCode, 1);
    EXPECT_EQ(runCli({"defaults", "--output", "/nonexistent/dir/a.chann"}).exitCode, 1);

    ASSERT_TRUE(QFile::copy(defaults("a.chann"), path("a.adj")));
    run = runCli({"adjust-write", "--port", path("none"), "--input", path("a.adj")});
    EXPECT_TRUE(run.exitCode == 1 && run.err.contains("different kind of file")) << run.err.toStdString();

    // Every output is checked before the port is opened; none is written unless all can be.
    write("a.bin", "keep");
    run = runCli({"read", "--port", path("none"), "--raw", path("a.bin"), "--output", path("no/a.chann")});
    EXPECT_TRUE(run.exitCode == 1 && run.err.contains("no/a.chann")) << run.err.toStdString();
    EXPECT_EQ(readAll(path("a.bin")), "keep");

    if (QFile::exists("/dev/full")) {
        run = runCli({"show", path("a.chann")}, "/dev/full");
        EXPECT_TRUE(run.exitCode == 1 && run.err.contains("cannot write the output")) << run.err.toStdString();
    }
}

TEST_F(OfflineCommands, UsageErrorsAndHelp)
{
    EXPECT_EQ(runCli({"--help"}).exitCode, 0);
    EXPECT_TRUE(runCli({"show", "--help"}).out.contains("show FILE.chann"));
    const QList<QStringList> misuses = {
        {},
        {"frobnicate"},
        {"defaults"},
        {"defaults", "--model", "Sable-X", "--output", path("x.chann")},
        {"show", "a", "b"},
        {"adjust-defaults", "--bogus"},
        // The pickers' suffixes, exactly in lower or upper case.
        {"defaults", "--output", path("a.Chann")},
        {"adjust-defaults", "--output", path("t.chann")},
        {"show", path("t.adj")},
        {"read", "--port", "COM1", "--output", path("a.bin")},
        {"read", "--output", path("a.chann")},
        {"write", "--port", "COM9", "--input", path("missing.chann")},
        {"write", "--port", "COM1", "--input", path("a.adj")},
        {"adjust-read", "--port", "COM1", "--output", path("t.ADJ.chann")},
        {"adjust-write", "--port", "COM1", "--input", path("a.chann")},
        {"password", "--port", "COM1", "--new", "1234567"},
        {"password", "--port", "COM1", "--old", "1234567", "--new", "1"},
        {"password", "--port", path("none"), "--new", "\u5BC6\u7801"},  // not storable in the radio
    };
    for (const QStringList& arguments : misuses)
        EXPECT_EQ(runCli(arguments).exitCode, 2) << arguments.join(' ').toStdString();
    // Six characters are a password; the missing port fails only then.
    EXPECT_EQ(runCli({"password", "--port", path("none"), "--old", "123456", "--new", "abcdef"}).exitCode, 1);
}

TEST_F(OfflineCommands, CsvExportImportRoundTripAndRefusal)
{
    const QString chann = defaults("v.chann", "Sable-VHF");
    ASSERT_EQ(runCli({"export-csv", chann, path("v.csv"), "--language", "zh"}).exitCode, 0);
    const CliRun in = runCli({"import-csv", chann, path("v.csv"), "--model", "Sable-VHF", "--output", path("w.chann")});
    ASSERT_EQ(in.exitCode, 0) << in.err.toStdString();
    EXPECT_EQ(readAll(path("w.chann")), readAll(chann));

    // A UHF frequency on a VHF radio: every fault listed, the file untouched.
    write("v.csv", readAll(path("v.csv")).replace("\r\n2,135.02500,135.02500", "\r\n2,435.02500,135.02500"));
    const QByteArray before = readAll(chann);
    const CliRun refused = runCli({"import-csv", chann, path("v.csv"), "--model", "Sable-VHF"});
    EXPECT_TRUE(refused.exitCode == 1 && refused.err.contains("Line 3, column rx_mhz")) << refused.err.toStdString();
    EXPECT_EQ(readAll(chann), before);
}

TEST_F(OfflineCommands, DiffExitsLikeDiff)
{
    const QString vhf = defaults("v.chann", "Sable-VHF");
    const QString uhf = defaults("u.chann");
    EXPECT_EQ(runCli({"diff", vhf, vhf}).exitCode, 0);
    const CliRun differ = runCli({"diff", uhf, vhf});
    EXPECT_EQ(differ.exitCode, 1);
    EXPECT_TRUE(differ.out.startsWith("Channel 1: RX Frequency: 400.02500 -> 130.02500\n")) << differ.out.toStdString();
    EXPECT_EQ(runCli({"diff", uhf, path("missing.chann")}).exitCode, 2);
}

TEST_F(OfflineCommands, SheetPdfHoldsTheChannelLines)
{
    const QString uhf = defaults("u.chann");
    ASSERT_EQ(runCli({"sheet", uhf, path("u.html")}).exitCode, 0);
    EXPECT_TRUE(readAll(path("u.html")).contains("<td>D754I</td><td>D754I</td>"));
    EXPECT_EQ(runCli({"sheet", uhf, path("u.txt")}).exitCode, 2);
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const CliRun run = runCli({"sheet", uhf, path("u.pdf"), "--model", "Sable-UHF"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QProcess text;
    text.start(pdftotext, {"-layout", path("u.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(out.contains("Sable-UHF"));
    const QRegularExpression line(R"(\n12\s+400\.17500\s+400\.17500\s+67\.0\s+67\.0\s+High\s+Wide\s+Yes\s+OFF\s+OFF\s*\n)");
    EXPECT_TRUE(out.contains(line)) << out.toStdString();
}

} // namespace
