#include "files/channel_file.h"
#include "model/app_state.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace r5;

namespace {

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
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
    QTemporaryDir dir;
};

// --model reaches the model choice; Sable-UHF unless told.
TEST_F(OfflineCommands, DefaultsWriteTheImageOfAFreshStartPerModel)
{
    for (const auto& [model, arguments] : {std::pair{0, QStringList{"--model", "Sable-VHF"}},
                                           {1, {}}, {2, {"--model", "Sable-FULL"}}}) {
        ASSERT_EQ(runCli(QStringList{"defaults", "--output", path("a.chann")} + arguments).exitCode, 0);
        AppState expected;
        expected.selectModel(model);
        EXPECT_EQ(readAll(path("a.chann")), channelFileText(expected.image)) << model;
    }
}

TEST_F(OfflineCommands, ShowListsChannelsAsTheGridShowsThem)
{
    ASSERT_EQ(runCli({"defaults", "--output", path("a.chann")}).exitCode, 0);
    const CliRun run = runCli({"show", path("a.chann")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n');
    ASSERT_GT(lines.size(), 17);
    EXPECT_TRUE(lines[0].startsWith("Channel"));
    EXPECT_EQ(lines[1].simplified(), "1 400.02500 400.02500 None None High Wide Yes OFF OFF");
    EXPECT_EQ(lines[12].simplified(), "12 400.17500 400.17500 67.0 67.0 High Wide Yes OFF OFF");
    EXPECT_EQ(lines[13].simplified(), "13 470.17500 470.17500 D754I D754I High Wide Yes OFF OFF");
    EXPECT_TRUE(run.out.contains("Time Out Timer(TOT)[s]: 120"));
    EXPECT_TRUE(run.out.contains("Voice Annunciation: Chinese"));
    for (const char* setting : {"PF2: None", "Revert Channel: Priority+Talk Back", "TX Dwell Time (s): 300"})
        EXPECT_TRUE(run.out.contains(setting)) << setting;
    EXPECT_TRUE(run.out.contains(QRegularExpression("\\n16\\s*\\n")));  // test channel 16, no frequency
    EXPECT_TRUE(run.out.endsWith("Embedded Message\n  1: \n  2: \n"));
}

TEST_F(OfflineCommands, MalformedFileFailsNamingThePosition)
{
    QFile file(path("bad.chann"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(" 1  2  x3 ");
    file.close();
    const CliRun run = runCli({"show", path("bad.chann")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();  // one line
    EXPECT_TRUE(run.err.contains("bad.chann")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("line 1, column 8 (row 0, cell 2)")) << run.err.toStdString();

    EXPECT_EQ(runCli({"show", path("missing.chann")}).exitCode, 1);
    EXPECT_EQ(runCli({"defaults", "--output", "/nonexistent/dir/a.chann"}).exitCode, 1);
}

TEST_F(OfflineCommands, ListingThatCannotBeWrittenFails)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    ASSERT_EQ(runCli({"defaults", "--output", path("a.chann")}).exitCode, 0);
    QProcess process;
    process.setStandardOutputFile("/dev/full");
    process.start(R5PROG_CLI, {"show", path("a.chann")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("cannot write the output"));
}

TEST_F(OfflineCommands, UsageErrorsAndHelp)
{
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"defaults", "adjust-defaults", "show"})
        EXPECT_TRUE(help.out.contains(command)) << command;
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
        {"write", "--port", "COM1", "--input", path("a.adj")},
        {"adjust-read", "--port", "COM1", "--output", path("t.ADJ.chann")},
        {"adjust-write", "--port", "COM1", "--input", path("a.chann")},
        {"password", "--port", "COM1", "--new", "1234567"},
        {"password", "--port", "COM1", "--old", "1234567", "--new", "1"},
    };
    for (const QStringList& arguments : misuses)
        EXPECT_EQ(runCli(arguments).exitCode, 2) << arguments.join(' ').toStdString();
    // Six characters are a password; the missing port fails only then.
    EXPECT_EQ(runCli({"password", "--port", path("none"), "--old", "123456", "--new", "abcdef"}).exitCode, 1);
}

// A channel file named as a tuning file is refused for what it holds, before
// the port is even tried.
TEST_F(OfflineCommands, WrongKindOfFileIsRefusedBeforeTheRadio)
{
    ASSERT_EQ(runCli({"defaults", "--output", path("a.chann")}).exitCode, 0);
    ASSERT_TRUE(QFile::copy(path("a.chann"), path("a.adj")));
    const CliRun run = runCli({"adjust-write", "--port", path("none"), "--input", path("a.adj")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("different kind of file")) << run.err.toStdString();
}

// A pipe or a device as input fails at once; as output it is left as it was.
TEST_F(OfflineCommands, PipesAndDevicesAreNeitherReadNorReplaced)
{
    const QString pipe = path("pipe.chann");
    const QString device = path("null.chann");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    // A twin of /dev/null where allowed; otherwise a link to it.
    if (::mknod(device.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        ASSERT_TRUE(QFile::link("/dev/null", device));
    for (const QString& node : {pipe, device}) {
        const CliRun show = runCli({"show", node});
        EXPECT_EQ(show.exitCode, 1);
        EXPECT_TRUE(show.err.contains("not a regular file")) << show.err.toStdString();
        EXPECT_EQ(runCli({"defaults", "--output", node}).exitCode, 1);
        EXPECT_FALSE(QFileInfo(node).isFile()) << node.toStdString();
    }
}

TEST_F(OfflineCommands, CsvExportImportRoundTripAndRefusal)
{
    ASSERT_EQ(runCli({"defaults", "--model", "Sable-VHF", "--output", path("v.chann")}).exitCode, 0);
    ASSERT_EQ(runCli({"export-csv", path("v.chann"), path("v.csv"), "--language", "zh"}).exitCode, 0);
    const CliRun in = runCli({"import-csv", path("v.chann"), path("v.csv"), "--model", "Sable-VHF",
                              "--output", path("w.chann")});
    ASSERT_EQ(in.exitCode, 0) << in.err.toStdString();
    EXPECT_EQ(readAll(path("w.chann")), readAll(path("v.chann")));

    // A UHF frequency on a VHF radio: every fault listed, the file untouched.
    QByteArray csv = readAll(path("v.csv"));
    csv.replace("\r\n2,135.02500,135.02500", "\r\n2,435.02500,135.02500");
    QFile file(path("v.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(csv);
    file.close();
    const QByteArray before = readAll(path("v.chann"));
    const CliRun refused = runCli({"import-csv", path("v.chann"), path("v.csv"), "--model", "Sable-VHF"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("Line 3, column rx_mhz")) << refused.err.toStdString();
    EXPECT_EQ(readAll(path("v.chann")), before);
}

TEST_F(OfflineCommands, DiffExitsLikeDiff)
{
    ASSERT_EQ(runCli({"defaults", "--model", "Sable-VHF", "--output", path("v.chann")}).exitCode, 0);
    ASSERT_EQ(runCli({"defaults", "--output", path("u.chann")}).exitCode, 0);
    EXPECT_EQ(runCli({"diff", path("v.chann"), path("v.chann")}).exitCode, 0);
    const CliRun differ = runCli({"diff", path("u.chann"), path("v.chann")});
    EXPECT_EQ(differ.exitCode, 1);
    EXPECT_TRUE(differ.out.startsWith("Channel 1: RX Frequency: 400.02500 -> 130.02500\n")) << differ.out.toStdString();
    EXPECT_EQ(runCli({"diff", path("u.chann"), path("missing.chann")}).exitCode, 2);
}

TEST_F(OfflineCommands, SheetPdfHoldsTheChannelLines)
{
    ASSERT_EQ(runCli({"defaults", "--output", path("u.chann")}).exitCode, 0);
    ASSERT_EQ(runCli({"sheet", path("u.chann"), path("u.html")}).exitCode, 0);
    EXPECT_TRUE(readAll(path("u.html")).contains("<td>D754I</td><td>D754I</td>"));
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const CliRun run = runCli({"sheet", path("u.chann"), path("u.pdf"), "--model", "Sable-UHF"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QProcess text;
    text.start(pdftotext, {"-layout", path("u.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(out.contains("Sable-UHF"));
    const QRegularExpression line(R"(\n12\s+400\.17500\s+400\.17500\s+67\.0\s+67\.0\s+High\s+Wide\s+Yes\s+OFF\s+OFF\s*\n)");
    EXPECT_TRUE(out.contains(line)) << out.toStdString();
    EXPECT_EQ(runCli({"sheet", path("u.chann"), path("u.txt")}).exitCode, 2);
}

} // namespace
