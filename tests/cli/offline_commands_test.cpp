#include "files/channel_file.h"
#include "model/app_state.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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

TEST_F(OfflineCommands, DefaultsWriteTheImageOfAFreshStartPerModel)
{
    for (int model = 0; model < static_cast<int>(kModels.size()); ++model) {
        const QString file = path(QString("m%1.chann").arg(model));
        const CliRun run = runCli({"defaults", "--model", kModels[model].name, "--output", file});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        AppState expected;
        expected.selectModel(model);
        EXPECT_EQ(readAll(file), channelFileText(expected.image)) << kModels[model].name;
    }
    EXPECT_EQ(runCli({"defaults", "--output", path("plain.chann")}).exitCode, 0);
    EXPECT_EQ(readAll(path("plain.chann")), readAll(path("m1.chann")));  // Sable-UHF unless told
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
}

TEST_F(OfflineCommands, AdjustDefaults)
{
    ASSERT_EQ(runCli({"adjust-defaults", "--output", path("t.adj")}).exitCode, 0);
    const QByteArray text = readAll(path("t.adj"));
    EXPECT_EQ(text.count("\r\n"), 32);
    EXPECT_TRUE(text.startsWith(" 60  60 "));
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

TEST_F(OfflineCommands, UsageErrorsAndHelp)
{
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"defaults", "adjust-defaults", "show"})
        EXPECT_TRUE(help.out.contains(command)) << command;
    const QList<QStringList> misuses = {
        {},
        {"frobnicate"},
        {"defaults"},
        {"defaults", "--model", "Sable-X", "--output", path("x.chann")},
        {"defaults", "--output"},
        {"show"},
        {"show", "a", "b"},
        {"adjust-defaults", "--bogus"},
    };
    for (const QStringList& arguments : misuses)
        EXPECT_EQ(runCli(arguments).exitCode, 2) << arguments.join(' ').toStdString();
}

} // namespace
