#include "files/adjust_file.h"
#include "files/channel_file.h"
#include "model/defaults.h"
#include "model/radio_models.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace r5;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A file's worth of values with one of them replaced by `token`.
QByteArray channelTextWith(int index, const QByteArray& token)
{
    QByteArray text;
    for (int i = 0; i < kChannelFileRows * kChannelFileCells; ++i)
        text += ' ' + (i == index ? token : QByteArray("7")) + ((i + 1) % kChannelFileCells ? " " : " \r\n");
    return text;
}

class DataFiles : public testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    RadioImage image = startUpImage(kUhfModel);
};

// A saved file loads back every cell it carries, also after an editor has
// turned it into any free-format list of the same numbers.
TEST_F(DataFiles, RoundTripKeepsEveryCellItCarries)
{
    for (int r = 0; r < kChannelFileRows; ++r)
        for (int c = 16; c < 22; ++c)
            image.setExtra(r, c, static_cast<qint16>((r * 22 + c) * 53 - 32768));
    image.setAt(0x3FF, 0x12);  // row 63 is not in the file
    QByteArray edited = channelFileText(image);
    // The form old versions wrote and dealers diff: " 12 " or "-3 ", each row a line ended by CR LF.
    const QList<QByteArray> lines = edited.split('\n');
    ASSERT_EQ(lines.size(), kChannelFileRows + 1);
    EXPECT_EQ(lines[0], QByteArray(" 255 ").repeated(16) + "-31920 -31867 -31814 -31761 -31708 -31655 \r");
    EXPECT_TRUE(lines[1].startsWith(" 0  37  0  64 "));  // 400.025 MHz
    edited.replace("  ", ",").replace("\r\n", "\n\n\t").replace(" 37 ", "\r\n37\r\n");
    edited = "\xEF\xBB\xBF" + edited + " anything after the last value is ignored";  // saved as UTF-8 on Windows

    RadioImage loaded = startUpImage(kVhfModel);
    loaded.setAt(0x3FF, 0x34);
    ASSERT_FALSE(loadChannelText(loaded, edited, "odd.chann"));
    EXPECT_EQ(loaded.at(0x3FF), 0x34);  // rows 54 to 63 are left alone
    loaded.setAt(0x3FF, 0x12);
    EXPECT_EQ(loaded, image);
}

TEST_F(DataFiles, BadFileNamesThePlace)
{
    using K = FileError::Kind;
    const struct {
        const char* name;
        QByteArray content;
        K kind;
        int line, column, row, cell;
    } cases[] = {
        {"endsEarly", channelTextWith(0, "7").left(200), K::EndsEarly, 0, 0, 2, 21},
        {"letters", channelTextWith(22 * 2 + 3, "12a"), K::NotANumber, 3, 11, 2, 3},
        {"decimal", channelTextWith(5, "1.5"), K::NotANumber, 1, 17, 0, 5},
        {"loneSign", channelTextWith(0, "-"), K::NotANumber, 1, 2, 0, 0},
        {"beyond16Bits", channelTextWith(22 + 17, "40000"), K::OutOfRange, 2, 53, 1, 17},
        {"hugeNegative", channelTextWith(20, "-99999999999999999999"), K::OutOfRange, 1, 62, 0, 20},
        {"byteTooLarge", channelTextWith(22 * 53 + 15, "256"), K::NotAByte, 54, 47, 53, 15},
        {"negativeByte", channelTextWith(22 * 10, "-1"), K::NotAByte, 11, 2, 10, 0},
        // One number over: a file of another layout (a channel file taken for a tuning file).
        {"oneValueOver", channelTextWith(0, "7") + "8 words are no values", K::WrongKind, 55, 1, 54, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(path("bad.chann"), c.content);
        const auto error = loadChannelFile(image, path("bad.chann"));
        ASSERT_TRUE(error);
        EXPECT_EQ(std::tuple(error->kind, error->row, error->cell), std::tuple(c.kind, c.row, c.cell));
        if (c.kind != K::EndsEarly)
            EXPECT_EQ(std::pair(error->line, error->column), std::pair(c.line, c.column));
        if (c.kind != K::WrongKind)
            EXPECT_TRUE(error->message(Language::English).contains(QString("row %1, cell %2").arg(c.row).arg(c.cell)));
    }
}

// A wrong pick (a binary file, a device) must end in a short message at once,
// not in a token that grows without end.
TEST_F(DataFiles, JunkIsReportedShort)
{
    const auto zeros = loadChannelText(image, QByteArray(1 << 20, '\0'), "zeros.chann");
    ASSERT_TRUE(zeros);
    EXPECT_TRUE(zeros->kind == FileError::Kind::NotANumber && zeros->token.size() < 80 && zeros->token.endsWith("..."))
        << zeros->token.toStdString();
}

// A pipe with no writer would block the reader, a device may never end, and
// saving would rename a regular file over the node; a link is followed.
TEST_F(DataFiles, OnlyRegularFilesAreReadOrReplaced)
{
    const QString fifo = path("pipe.chann");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString& node : {fifo, dir.path(), QString("/dev/zero")}) {
        const auto error = loadChannelFile(image, node);
        EXPECT_EQ(error ? error->kind : FileError::Kind::CannotOpen, FileError::Kind::NotAFile) << node.toStdString();
    }
    const auto error = saveChannelFile(image, fifo);
    EXPECT_EQ(error ? error->kind : FileError::Kind::CannotSave, FileError::Kind::NotAFile);
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());

    writeAll(path("target.chann"), "old");
    ASSERT_TRUE(QFile::link(path("target.chann"), path("link.chann")));
    ASSERT_FALSE(saveChannelFile(image, path("link.chann")));
    EXPECT_TRUE(QFileInfo(path("link.chann")).isSymLink());
    EXPECT_EQ(readAll(path("target.chann")), channelFileText(image));
}

// A missing folder, and a file that opens but fails to read (Linux lets a
// process open its own memory file, but reading its first page fails): the
// system's reason reaches the user.
TEST_F(DataFiles, FailuresCarryTheSystemReason)
{
    const auto open = loadChannelFile(image, "/nonexistent/dir/a.chann");
    const auto save = saveChannelFile(image, "/nonexistent/dir/a.chann");
    ASSERT_TRUE(open && save);
    EXPECT_EQ(std::pair(open->kind, save->kind), std::pair(FileError::Kind::CannotOpen, FileError::Kind::CannotSave));
    EXPECT_FALSE(open->reason.isEmpty() || save->reason.isEmpty());
    EXPECT_TRUE(open->message(Language::English).contains("/nonexistent/dir/a.chann"));

    QFile probe("/proc/self/mem");
    char byte = 0;
    if (probe.open(QIODevice::ReadOnly) && probe.read(&byte, 1) < 0) {
        const auto error = loadChannelFile(image, "/proc/self/mem");
        ASSERT_TRUE(error);
        EXPECT_TRUE(error->kind == FileError::Kind::CannotRead && !error->reason.isEmpty());  // not an early end
    }
}

// A save that dies half way (here the file-size limit, as a full disk would)
// must leave the previous file exactly as it was.
TEST_F(DataFiles, InterruptedSaveKeepsTheOldFile)
{
    const QString file = path("keep.chann");
    ASSERT_FALSE(saveChannelFile(image, file));
    const QByteArray old = readAll(file);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;  // a channel file is about 3.5 KB
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = saveChannelFile(startUpImage(kVhfModel), file);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::CannotSave);
    EXPECT_NE(error->reason, "Unknown error");  // the system's own reason reaches the user
    EXPECT_EQ(readAll(file), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.chann"});  // no temporary left
}

// Every value of a tuning file goes to the radio, so each must be a byte.
TEST_F(DataFiles, TuningValuesMustBeBytes)
{
    AdjustImage adjust;
    writeAll(path("t.adj"), QByteArray("1 ").repeated(16 * 16 + 1) + "-1 " + QByteArray("1 ").repeated(254));
    const auto error = loadAdjustFile(adjust, path("t.adj"));
    ASSERT_TRUE(error);
    EXPECT_EQ(std::tuple(error->kind, error->row, error->cell), std::tuple(FileError::Kind::NotAByte, 16, 1));
}

} // namespace
