// The exchanges on a fake line and a virtual clock, against the virtual radio.
#include "support/link_fakes.h"

#include "link/adjust_exchange.h"
#include "link/password_exchange.h"
#include "link/protocol.h"
#include "link/read_exchange.h"
#include "link/write_exchange.h"
#include "virtual_radio.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryFile>

using namespace r5;
using namespace r5::test;
namespace pr = r5::protocol;

namespace {

const QString kDevice = QStringLiteral("/dev/ttyFAKE0");

QByteArray pattern(int size, int seed)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((i * 7 + seed) & 0xFF));
    return bytes;
}

// Command lists compare as hex lines, so a failure shows where they part.
QStringList asHex(const QByteArrayList& commands)
{
    QStringList lines;
    for (const QByteArray& c : commands)
        lines << QString::fromLatin1(c.toHex(' '));
    return lines;
}

QByteArray magic()
{
    return QByteArray(reinterpret_cast<const char*>(pr::kHandshakeMagic.data()), 8);
}

// What an exchange told its window.
struct Outcome {
    QList<int> progress;
    QStringList status;
    QStringList portFailures;
    QStringList completions;
    QStringList failures;
    QStringList refusals;

    void watch(LinkExchange& x)
    {
        QObject::connect(&x, &LinkExchange::progressChanged, [this](int v) { progress << v; });
        QObject::connect(&x, &LinkExchange::statusChanged, [this](const QString& t) { status << t; });
        QObject::connect(&x, &LinkExchange::portOpenFailed, [this](const QString& t) { portFailures << t; });
        QObject::connect(&x, &LinkExchange::completed, [this](const QString& t) { completions << t; });
        QObject::connect(&x, &LinkExchange::failed, [this](const QString& t) { failures << t; });
    }
    bool ended() const { return !completions.isEmpty() || !failures.isEmpty() || !portFailures.isEmpty() || !refusals.isEmpty(); }
};

class LinkTest : public testing::Test {
protected:
    LinkTest()
    {
        state.language = Language::English;
        state.comPort = 1;
        radio.setMemory(pattern(RadioImage::kSize, 3));
        radio.setAdjust(pattern(AdjustImage::kSize, 11));
        line.radio = [this](const QByteArray& command) {
            const sim::Answer a = radio.answer(command);
            if (a.hangup)
                clock.schedule(clock.now(), [this] { line.pull(); });
            return a.bytes;
        };
    }

    template <typename Exchange>
    std::unique_ptr<Exchange> make()
    {
        auto x = std::make_unique<Exchange>(state, ports, line, clock);
        outcome.watch(*x);
        return x;
    }

    // Runs until the exchange reports its outcome, then a little longer so
    // the last bytes it sent reach the radio.
    bool runToEnd(qint64 limitMs = 120000)
    {
        const bool ended = clock.runUntil([this] { return outcome.ended(); }, limitMs);
        clock.advance(50);
        return ended;
    }

    VirtualClock clock;
    FakeLine line{clock};
    sim::VirtualRadio radio;
    AppState state;
    PortTable ports = PortTable::fromPorts({SystemPort{kDevice, {}, {}, false, true}});
    Outcome outcome;
};

// --- Read ---------------------------------------------------------------------

TEST_F(LinkTest, ReadSendsTheCommandsInOrderAndStoresTheWholeMemory)
{
    auto read = make<ReadExchange>();
    read->start();
    ASSERT_TRUE(runToEnd());

    QByteArrayList expected{magic(), hex("06"), hex("53 03 A0 40"), hex("06"), hex("06 53 00 00 40")};
    for (int block = 0; block < 16; ++block) {
        const int address = block * 64;
        expected << hex("06") << (hex("06 53") + char(address >> 8) + char(address & 0xFF) + hex("40"));
    }
    expected << hex("06") << hex("45");
    EXPECT_EQ(asHex(line.commands()), asHex(expected));

    EXPECT_EQ(state.image.toBytes(), radio.memory());
    EXPECT_EQ(outcome.progress, (QList<int>{0, 5, 11, 17, 23, 29, 35, 41, 47, 52, 58, 64, 70, 76, 82, 88, 94, 100}));
    EXPECT_EQ(outcome.status.first(), "Connecting with transceiver. ");
    EXPECT_EQ(outcome.status[1], "Reading 1 Data Block");
    EXPECT_EQ(outcome.status.last(), "Read Data in gear. ");
    EXPECT_EQ(outcome.completions, QStringList{"Complete reading the data from transceiver."});
    EXPECT_FALSE(read->busy());
    EXPECT_FALSE(line.port->isOpen());
    EXPECT_FALSE(radio.inProgrammingMode());
}

TEST_F(LinkTest, ReadTextsFollowTheLanguageAtEmitTime)
{
    state.language = Language::Chinese;
    auto read = make<ReadExchange>();
    read->start();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(outcome.status[1], QString::fromUtf8("正在读取 1 数据块"));
    EXPECT_EQ(outcome.completions, QStringList{QString::fromUtf8("从对讲机中读取数据完毕 ！")});
}

struct MarkerCase {
    int markerAt;
    bool stored;
};

class ReadMarkerTest : public LinkTest, public testing::WithParamInterface<MarkerCase> {};

// The store starts four bytes after the 58; a 58 at 2 or later would need
// bytes the answer does not hold, and the read fails without touching the image.
TEST_P(ReadMarkerTest, StoresOnlyWhenTheDataLieInsideTheAnswer)
{
    radio.setFault({sim::Fault::Kind::MarkerAt, GetParam().markerAt});
    const QByteArray before = state.image.toBytes();
    auto read = make<ReadExchange>();
    read->start();
    ASSERT_TRUE(runToEnd());
    if (GetParam().stored) {
        EXPECT_EQ(state.image.toBytes(), radio.memory());
        EXPECT_EQ(outcome.completions.size(), 1);
    } else {
        EXPECT_EQ(state.image.toBytes(), before);
        EXPECT_EQ(outcome.failures, QStringList{"Fail connect with transceiver."});
        EXPECT_EQ(outcome.status.last(), "Communication fault.");
        EXPECT_EQ(outcome.progress.last(), 0);
        EXPECT_EQ(line.commands().last(), hex("45"));   // the radio still leaves programming mode
    }
}

INSTANTIATE_TEST_SUITE_P(Link, ReadMarkerTest, testing::Values(
    MarkerCase{0, true}, MarkerCase{1, true}, MarkerCase{2, false}, MarkerCase{3, false}, MarkerCase{10, false}));

TEST_F(LinkTest, ReadWithoutAnyMarkerTakesTheDataFromPositionFive)
{
    // Answers of 06 followed by a header without 58: the data are still at 5.
    line.radio = [this](const QByteArray& command) {
        QByteArray a = radio.answer(command).bytes;
        if (a.size() == pr::kEchoedReplyBytes)
            a[1] = '\x11';
        return a;
    };
    auto read = make<ReadExchange>();
    read->start();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(state.image.toBytes(), radio.memory());
}

// --- Write ------------------------------------------------------------------

TEST_F(LinkTest, WriteSendsRowsZeroToFortyEightEachAfterTheRadiosAck)
{
    const QByteArray radioBefore = radio.memory();
    for (int row = 0; row < 64; ++row)
        for (int cell = 0; cell < 16; ++cell)
            state.image.setCell(row, cell, static_cast<quint8>(row ^ (cell * 16)));
    const QByteArray imageBefore = state.image.toBytes();

    auto write = make<WriteExchange>();
    write->start();
    ASSERT_TRUE(runToEnd());

    QByteArrayList expected{magic(), hex("06"), hex("53 03 A0 40"), hex("06")};
    for (int row = 0; row <= 48; ++row)
        expected << hex("06 58") + char((row * 16) >> 8) + char((row * 16) & 0xFF) + hex("10") + imageBefore.mid(row * 16, 16);
    expected << hex("45");
    EXPECT_EQ(asHex(line.commands()), asHex(expected));

    EXPECT_EQ(radio.memory().left(49 * 16), imageBefore.left(49 * 16));
    EXPECT_EQ(radio.memory().mid(49 * 16), radioBefore.mid(49 * 16));   // rows 49 to 63 untouched
    EXPECT_EQ(state.image.toBytes(), imageBefore);

    QList<int> progress{0};
    for (int n = 1; n <= 48; ++n)
        progress << n * 100 / 48;
    EXPECT_EQ(outcome.progress, progress);
    EXPECT_EQ(progress[1], 2);
    EXPECT_EQ(progress[47], 97);
    EXPECT_EQ(outcome.status[1], "Writing  0  Data Block");
    EXPECT_EQ(outcome.status.last(), "Complete writing Data ");
    EXPECT_EQ(outcome.completions, QStringList{"Complete writing Data to the transceiver."});
    EXPECT_FALSE(write->busy());
}

TEST_F(LinkTest, WriteIgnoresOtherBytesAndRetriesFromRowZeroAfterAWrongAck)
{
    // Data answer 1 is the password block; 11 is the write of row 9.
    radio.setFault({sim::Fault::Kind::WrongAck, 11});
    auto write = make<WriteExchange>();
    write->start();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(outcome.completions.size(), 1);
    const QByteArrayList commands = line.commands();
    EXPECT_EQ(commands.count(magic()), 2);
    EXPECT_EQ(radio.memory().left(49 * 16), state.image.toBytes().left(49 * 16));
    // 10 rows in the first attempt, 49 in the second.
    EXPECT_EQ(radio.writesStored(), 10 + 49);
}

// --- Handshake, time-out and retry ------------------------------------------

struct HandshakeCase {
    const char* name;
    QList<int> aaAt;
    int replySize;
    bool accepted;
};

class HandshakeTest : public LinkTest, public testing::WithParamInterface<HandshakeCase> {};

TEST_P(HandshakeTest, MarkersDecideForReadAndTuningRead)
{
    for (const bool tuning : {false, true}) {
        SCOPED_TRACE(tuning ? "tuning" : "memory");
        outcome = {};
        line.bursts.clear();
        line.radio = [this](const QByteArray& command) {
            if (command == magic()) {
                QByteArray reply(GetParam().replySize, '\x00');
                for (int p : GetParam().aaAt)
                    reply[p] = '\xAA';
                return reply;
            }
            return radio.answer(command).bytes;
        };
        std::unique_ptr<LinkExchange> x;
        if (tuning) {
            auto a = make<AdjustExchange>();
            a->startRead();
            x = std::move(a);
        } else {
            auto r = make<ReadExchange>();
            r->start();
            x = std::move(r);
        }
        clock.advance(500);
        // Accepted: the next command followed; otherwise only the access sequence went out.
        EXPECT_EQ(line.bursts.size() > 1, GetParam().accepted);
        x->abort();
    }
}

INSTANTIATE_TEST_SUITE_P(Link, HandshakeTest, testing::Values(
    HandshakeCase{"at 0 and 6", {0, 6}, 9, true},
    HandshakeCase{"at 1 and 7", {1, 7}, 9, true},
    HandshakeCase{"at 0 and 5", {0, 5}, 9, false},
    HandshakeCase{"at 10 and 16", {10, 16}, 17, false},
    HandshakeCase{"none", {}, 9, false}),
    [](const auto& info) { return QString(info.param.name).replace(' ', '_').toStdString(); });

TEST_F(LinkTest, SilentRadioGetsFourAttemptsTwoSecondsApartThenTheGiveUp)
{
    radio.setFault({sim::Fault::Kind::Silent, 0});
    const QByteArray before = state.image.toBytes();
    auto read = make<ReadExchange>();
    read->start();
    ASSERT_TRUE(runToEnd());

    ASSERT_EQ(line.bursts.size(), 4);
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(line.bursts[i].bytes, magic());
        const qint64 gap = line.bursts[i].at - line.bursts[i - 1].at;
        EXPECT_GE(gap, 2000);
        EXPECT_LE(gap, 2100);
    }
    EXPECT_EQ(outcome.failures, QStringList{"Fail connect with transceiver."});
    EXPECT_EQ(outcome.status.last(), "Communication fault.");
    EXPECT_EQ(outcome.progress.last(), 0);
    EXPECT_TRUE(outcome.portFailures.isEmpty());
    EXPECT_EQ(state.image.toBytes(), before);
    EXPECT_FALSE(read->busy());
    EXPECT_FALSE(line.port->isOpen());
}

TEST_F(LinkTest, EachExchangeKeepsItsOwnRetryValues)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<LinkExchange>()> start;
        int attempts;
        qint64 spacing;
        QString failure;
    };
    const std::vector<Case> cases{
        {"write", [this] { auto x = make<WriteExchange>(); x->start(); return std::unique_ptr<LinkExchange>(std::move(x)); },
         4, 2000, "Fail connect with transceiver."},
        {"tuning", [this] { auto x = make<AdjustExchange>(); x->startWrite(); return std::unique_ptr<LinkExchange>(std::move(x)); },
         4, 3000, "Communication fault."},
        {"password", [this] { auto x = make<PasswordExchange>(); x->start(); return std::unique_ptr<LinkExchange>(std::move(x)); },
         1, 0, "Fail connect with transceiver."},
    };
    radio.setFault({sim::Fault::Kind::Silent, 0});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        outcome = {};
        line.bursts.clear();
        const qint64 started = clock.now();
        auto x = c.start();
        ASSERT_TRUE(runToEnd());
        ASSERT_EQ(line.bursts.size(), c.attempts);
        if (c.attempts > 1) {
            EXPECT_GE(line.bursts[1].at - line.bursts[0].at, c.spacing);
            EXPECT_LE(line.bursts[1].at - line.bursts[0].at, c.spacing + 100);
        }
        EXPECT_EQ(outcome.failures, QStringList{c.failure});
        if (c.attempts == 1)   // 1000 ms reply time-out, 5000 ms pause
            EXPECT_GE(clock.now() - started, 6000);
    }
}

TEST_F(LinkTest, TheButtonDuringAnAttemptStartsAfreshWithFullRetries)
{
    auto read = make<ReadExchange>();
    read->start();
    clock.advance(400);   // inside the data phase
    ASSERT_TRUE(read->busy());
    const int sentBefore = line.bursts.size();
    ASSERT_GT(sentBefore, 4);

    read->start();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(line.commands().mid(sentBefore).first(), magic());
    // The radio may still be sending its last answer into the new attempt;
    // that attempt then times out and the retry goes through.
    EXPECT_LE(line.commands().count(magic()), 3);
    EXPECT_EQ(outcome.completions.size(), 1);
    EXPECT_EQ(state.image.toBytes(), radio.memory());

    // After the restart the silent radio still gets all four attempts.
    outcome = {};
    line.bursts.clear();
    radio.setFault({sim::Fault::Kind::Silent, 0});
    read->start();
    clock.advance(100);
    read->start();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(line.commands().count(magic()), 5);
}

TEST_F(LinkTest, BusyExchangesRefuseASecondStart)
{
    auto tuning = make<AdjustExchange>();
    QObject::connect(tuning.get(), &AdjustExchange::refused, [this](const QString& t) { outcome.refusals << t; });
    tuning->startRead();
    clock.advance(50);
    ASSERT_TRUE(tuning->busy());
    tuning->startWrite();
    EXPECT_EQ(outcome.refusals, QStringList{"Read-write operating with transceiver ."});
    EXPECT_EQ(line.commands().count(magic()), 1);
    tuning->abort();

    auto password = make<PasswordExchange>();
    password->start();
    clock.advance(5);
    ASSERT_TRUE(password->busy());
    password->start();
    clock.advance(100);
    EXPECT_EQ(line.commands().count(magic()), 2);
}

// --- Faults -----------------------------------------------------------------

TEST_F(LinkTest, PortThatCannotOpenGivesThePortMessageOnceAndNoTimeOut)
{
    line.openError = QStringLiteral("No such file or directory");
    const QByteArray before = state.image.toBytes();
    auto read = make<ReadExchange>();
    read->start();
    clock.advance(10000);
    ASSERT_EQ(outcome.portFailures.size(), 1);
    EXPECT_EQ(outcome.portFailures[0],
              "Communication port is error, please setting right communication port . ！\n"
              "COM1 (/dev/ttyFAKE0): No such file or directory");
    EXPECT_TRUE(state.portOpenFailed);
    EXPECT_TRUE(outcome.failures.isEmpty());
    EXPECT_TRUE(outcome.status.isEmpty());
    EXPECT_TRUE(line.bursts.isEmpty());
    EXPECT_FALSE(read->busy());
    EXPECT_EQ(state.image.toBytes(), before);
}

TEST_F(LinkTest, PortMessageNamesAMissingPortAndTheGroupOnPermissionDenied)
{
    state.comPort = 5;
    auto tuning = make<AdjustExchange>();
    tuning->startRead();
    ASSERT_EQ(outcome.portFailures.size(), 1);
    EXPECT_EQ(outcome.portFailures[0], "Communication Port Open Error ！\nCOM5: there is no such port on this system");

    QTemporaryFile device;
    ASSERT_TRUE(device.open());
    const PortTable table = PortTable::fromPorts({SystemPort{device.fileName(), {}, {}, false, true}});
    line.openError = QStringLiteral("Permission denied");
    line.openPermissionDenied = true;
    state.comPort = 1;
    PasswordExchange password(state, table, line, clock);
    QString message;
    QObject::connect(&password, &LinkExchange::portOpenFailed, [&](const QString& t) { message = t; });
    password.start();
    const QStringList lines = message.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Communication port is error, please setting right communication port . ！");
    EXPECT_EQ(lines[1], "COM1 (" + device.fileName() + "): Permission denied");
    EXPECT_TRUE(lines[2].contains(QFileInfo(device.fileName()).group()));
    EXPECT_TRUE(lines[2].contains("log out and in again"));
}

TEST_F(LinkTest, PulledCableEndsTheAttemptLikeATimeOutAndLeavesTheImage)
{
    const QByteArray before = state.image.toBytes();
    auto read = make<ReadExchange>();
    read->start();
    clock.advance(500);
    ASSERT_TRUE(read->busy());
    line.pull();
    EXPECT_FALSE(read->busy());
    EXPECT_FALSE(line.port->isOpen());
    ASSERT_TRUE(runToEnd());
    // The retry finds the device gone: the port message ends the read.
    EXPECT_EQ(outcome.portFailures.size(), 1);
    EXPECT_TRUE(outcome.completions.isEmpty());
    EXPECT_EQ(state.image.toBytes(), before);
}

TEST_F(LinkTest, AbortedReadNeverChangesTheImage)
{
    const QByteArray before = state.image.toBytes();
    auto read = make<ReadExchange>();
    read->start();
    clock.advance(1300);   // most blocks are in
    read->abort();
    clock.advance(10000);
    EXPECT_EQ(state.image.toBytes(), before);
    EXPECT_FALSE(outcome.ended());
    EXPECT_FALSE(line.port->isOpen());
}

struct RecoveryCase {
    const char* name;
    sim::Fault fault;
};

class RecoveryTest : public LinkTest, public testing::WithParamInterface<RecoveryCase> {};

// A damaged answer ends in the time-out; the retry reads everything anew.
TEST_P(RecoveryTest, ReadRecoversFromADamagedAnswer)
{
    radio.setFault(GetParam().fault);
    auto read = make<ReadExchange>();
    read->start();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(outcome.completions.size(), 1);
    EXPECT_EQ(line.commands().count(magic()), 2);
    EXPECT_EQ(state.image.toBytes(), radio.memory());
}

INSTANTIATE_TEST_SUITE_P(Link, RecoveryTest, testing::Values(
    RecoveryCase{"short", {sim::Fault::Kind::ShortReply, 6}},
    RecoveryCase{"garbage", {sim::Fault::Kind::Garbage, 6}},
    RecoveryCase{"password_block_short", {sim::Fault::Kind::ShortReply, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Password ---------------------------------------------------------------

TEST_F(LinkTest, PasswordChangeProvesTheOldOneAndKeepsTheRestOfTheRecord)
{
    radio.setPassword("abc123");
    const QByteArray rest = radio.bytes(0x3A6, 10);
    auto password = make<PasswordExchange>();
    password->setOldPassword(" abc123 ");
    password->setNewPassword("xy");
    password->start();
    ASSERT_TRUE(runToEnd());

    EXPECT_EQ(asHex(line.commands()), asHex((QByteArrayList{magic(), hex("06"), hex("52 03 A0 40"), hex("06"),
                                               hex("57 03 A0 10") + "xy    " + rest})));
    EXPECT_EQ(radio.bytes(0x3A0, 16), "xy    " + rest);
    EXPECT_EQ(outcome.completions, QStringList{"PassWord Modify Success ! "});
    EXPECT_FALSE(line.port->isOpen());
}

TEST_F(LinkTest, WrongOldPasswordWritesNothing)
{
    radio.setPassword("abc123");
    auto password = make<PasswordExchange>();
    QStringList refused;
    QObject::connect(password.get(), &PasswordExchange::oldPasswordRefused, [&](const QString& t) { refused << t; });
    password->setOldPassword("zzzzzz");
    password->setNewPassword("new");
    password->start();
    clock.advance(3000);
    EXPECT_EQ(refused, QStringList{"Old PassWord Error, Writeing Stop"});
    EXPECT_EQ(radio.bytes(0x3A0, 6), "abc123");
    EXPECT_EQ(line.commands().size(), 4);
    EXPECT_FALSE(password->busy());
}

TEST_F(LinkTest, PasswordWriteAnsweredWithoutAckIsAFailedChange)
{
    radio.setPassword("");
    radio.setFault({sim::Fault::Kind::WrongAck, 2});
    auto password = make<PasswordExchange>();
    password->setNewPassword("new");
    password->start();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(outcome.failures, QStringList{"Fail connect with transceiver."});
    EXPECT_TRUE(outcome.completions.isEmpty());
    EXPECT_FALSE(password->busy());
}

struct OldPasswordCase {
    const char* record;   // the six record bytes, '~' for 0xFF
    const char* typed;
    bool accepted;
};

class OldPasswordTest : public testing::TestWithParam<OldPasswordCase> {};

TEST_P(OldPasswordTest, ChecksTheRecordAsTheRadioKeepsIt)
{
    QByteArray answer = hex("58 03 A0 40") + QByteArray(GetParam().record).replace('~', '\xFF');
    answer += QByteArray(pr::kPlainReplyBytes - answer.size(), '\x00');
    EXPECT_EQ(PasswordExchange::oldPasswordAccepted(answer, PasswordExchange::passwordEntry(GetParam().typed)),
              GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Link, OldPasswordTest, testing::Values(
    OldPasswordCase{"      ", "", true},          // no password set
    OldPasswordCase{"      ", "anything", true},
    OldPasswordCase{"~~~~~~", "", true},
    OldPasswordCase{"abc123", "abc123", true},
    OldPasswordCase{"abc123", "abc12", true},     // the first five characters decide
    OldPasswordCase{"abc123", "abd123", false},
    OldPasswordCase{"abcd  ", "abcd", true},      // four characters compared with two spaces
    OldPasswordCase{"abc123", "", false},
    OldPasswordCase{"abc123", "xyz789", false}),
    [](const auto& info) {
        return "record_" + QByteArray(info.param.record).toHex().toStdString() + "_typed_"
               + (QByteArray(info.param.typed).isEmpty() ? std::string("nothing")
                                                          : QByteArray(info.param.typed).toHex().toStdString());
    });

TEST(PasswordEntry, TrimsPadsAndCuts)
{
    EXPECT_EQ(PasswordExchange::passwordEntry(" ab "), "ab    ");
    EXPECT_EQ(PasswordExchange::passwordEntry("1234567"), "123456");
    EXPECT_TRUE(PasswordExchange::newPasswordsMatch("abc ", " abc"));
    EXPECT_FALSE(PasswordExchange::newPasswordsMatch("abc", "abd"));
}

// --- Tuning block -----------------------------------------------------------

TEST_F(LinkTest, TuningReadAsksEightBlocksAndStoresOnlyAtTheEnd)
{
    auto tuning = make<AdjustExchange>();
    tuning->startRead();
    ASSERT_TRUE(runToEnd());
    QByteArrayList expected{magic()};
    for (int block = 0; block < 8; ++block) {
        const int address = 0x1E00 + block * 64;
        if (block > 0)
            expected << hex("06");
        expected << hex("06 53") + char(address >> 8) + char(address & 0xFF) + hex("40");
    }
    expected << hex("06");
    EXPECT_EQ(asHex(line.commands()), asHex(expected));
    EXPECT_EQ(state.adjust.toBytes(), radio.adjust());
    EXPECT_EQ(outcome.progress, (QList<int>{0, 33, 44, 55, 66, 77, 88, 100, 100}));
    EXPECT_EQ(outcome.status.last(), "Read optional parameters in gear. ");
    EXPECT_EQ(outcome.completions, QStringList{"Complete reading the data from transceiver."});
}

TEST_F(LinkTest, TuningWriteSendsTheFixedRecordThenThirtyTwoBlocks)
{
    for (int row = 0; row < 32; ++row)
        for (int cell = 0; cell < 16; ++cell)
            state.adjust.setCell(row, cell, static_cast<quint8>(row * 3 + cell));
    auto tuning = make<AdjustExchange>();
    tuning->startWrite();
    ASSERT_TRUE(runToEnd());

    const QByteArray record(reinterpret_cast<const char*>(pr::kAdjustRecord.data()), 16);
    QByteArrayList expected{magic(), hex("06 58 1D 90 10") + record};
    for (int row = 0; row < 32; ++row) {
        const int address = 0x1E00 + row * 16;
        expected << hex("06 58") + char(address >> 8) + char(address & 0xFF) + hex("10") + state.adjust.toBytes().mid(row * 16, 16);
    }
    EXPECT_EQ(asHex(line.commands()), asHex(expected));
    EXPECT_EQ(radio.adjust(), state.adjust.toBytes());
    EXPECT_EQ(radio.bytes(0x1D90, 16), record);
    EXPECT_EQ(record.right(1), hex("FF"));
    EXPECT_EQ(outcome.status[1], "Writing  -1  Data Block");
    EXPECT_EQ(outcome.completions, QStringList{"Complete writing optional parameters to the transceiver."});
}

TEST_F(LinkTest, FailedTuningReadLeavesTheTuningBlock)
{
    radio.setFault({sim::Fault::Kind::Hangup, 4});
    const AdjustImage before = state.adjust;
    auto tuning = make<AdjustExchange>();
    tuning->startRead();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(state.adjust, before);
    EXPECT_EQ(outcome.portFailures.size(), 1);
}

} // namespace
