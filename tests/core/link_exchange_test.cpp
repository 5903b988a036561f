// The exchanges on a fake line and a virtual clock, against the virtual radio.
#include "support/link_fakes.h"

#include "link/adjust_exchange.h"
#include "link/password_exchange.h"
#include "link/protocol.h"
#include "link/read_exchange.h"
#include "link/write_exchange.h"
#include "virtual_radio.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryFile>

using namespace r5;
using namespace r5::test;
namespace pr = r5::protocol;
using Kind = LinkOutcome::Kind;

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

QByteArray address(int a)
{
    return QByteArray(1, char(a >> 8)) + char(a & 0xFF);
}

// What an exchange told its window.
struct Seen {
    QList<int> progress;
    QStringList status;
    QList<LinkOutcome> outcomes;
    QStringList refusals;

    void watch(LinkExchange& x)
    {
        QObject::connect(&x, &LinkExchange::progressChanged, [this](int v) { progress << v; });
        QObject::connect(&x, &LinkExchange::statusChanged, [this](const QString& t) { status << t; });
        QObject::connect(&x, &LinkExchange::finished, [this](const LinkOutcome& o) { outcomes << o; });
    }
    bool ended() const { return !outcomes.isEmpty() || !refusals.isEmpty(); }
    Kind kind() const { return outcomes.size() == 1 ? outcomes[0].kind : Kind::Interrupted; }
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
        seen.watch(*x);
        return x;
    }

    // Starts an exchange as its button does: "read", "write", "tuning-read",
    // "tuning-write" or "password".
    std::unique_ptr<LinkExchange> start(const std::string& which)
    {
        if (which.starts_with("tuning")) {
            auto x = make<AdjustExchange>();
            which == "tuning-read" ? x->startRead() : x->startWrite();
            return x;
        }
        if (which == "password") {
            auto x = make<PasswordExchange>();
            x->start();
            return x;
        }
        std::unique_ptr<MemoryExchange> x;
        x = which == "read" ? std::unique_ptr<MemoryExchange>(make<ReadExchange>()) : make<WriteExchange>();
        x->start();
        return x;
    }

    // Runs until the exchange reports its outcome, then a little longer so
    // the last bytes it sent reach the radio.
    bool runToEnd(qint64 limitMs = 120000)
    {
        const bool ended = clock.runUntil([this] { return seen.ended(); }, limitMs);
        clock.advance(50);
        return ended;
    }

    VirtualClock clock;
    FakeLine line{clock};
    sim::VirtualRadio radio;
    AppState state;
    PortTable ports = PortTable::fromPorts({SystemPort{kDevice, {}, {}, false, true}});
    Seen seen;
};

// --- Read ---------------------------------------------------------------------

TEST_F(LinkTest, ReadSendsTheCommandsInOrderAndStoresTheWholeMemory)
{
    auto read = start("read");
    ASSERT_TRUE(runToEnd());

    QByteArrayList expected{magic(), hex("06"), hex("53 03 A0 40"), hex("06"), hex("06 53 00 00 40")};
    for (int block = 0; block < 16; ++block)
        expected << hex("06") << hex("06 53") + address(block * 64) + hex("40");
    expected << hex("06") << hex("45");
    EXPECT_EQ(asHex(line.commands()), asHex(expected));

    EXPECT_EQ(state.image.toBytes(), radio.memory());
    EXPECT_EQ(seen.progress, (QList<int>{0, 5, 11, 17, 23, 29, 35, 41, 47, 52, 58, 64, 70, 76, 82, 88, 94, 100}));
    EXPECT_EQ(seen.status[1], "Reading 1 Data Block");
    EXPECT_EQ(seen.status.last(), "Read Data in gear. ");
    EXPECT_EQ(seen.kind(), Kind::Completed);
    EXPECT_FALSE(read->busy());
    EXPECT_FALSE(line.port->isOpen());
    EXPECT_FALSE(radio.inProgrammingMode());
}

struct MarkerCase {
    int markerAt;   // -1: no 58 in the answers at all
    bool stored;
};

class ReadMarkerTest : public LinkTest, public testing::WithParamInterface<MarkerCase> {};

// The data start four bytes after the first 58 among positions 0 to 19, or at
// 5 without one; a 58 at 2 or later would need bytes the answer does not hold,
// and the read fails without touching the image.
TEST_P(ReadMarkerTest, StoresOnlyWhenTheDataLieInsideTheAnswer)
{
    if (GetParam().markerAt < 0) {
        line.radio = [this](const QByteArray& command) {
            QByteArray a = radio.answer(command).bytes;
            if (a.size() == pr::kEchoedReplyBytes)
                a[1] = '\x11';
            return a;
        };
    } else {
        radio.setFault({sim::Fault::Kind::MarkerAt, GetParam().markerAt});
    }
    const QByteArray before = state.image.toBytes();
    auto read = start("read");
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(seen.kind(), GetParam().stored ? Kind::Completed : Kind::UnusableAnswer);
    EXPECT_EQ(state.image.toBytes(), GetParam().stored ? radio.memory() : before);
    EXPECT_EQ(line.commands().last(), hex("45"));   // the radio leaves programming mode either way
}

INSTANTIATE_TEST_SUITE_P(Link, ReadMarkerTest, testing::Values(
    MarkerCase{-1, true}, MarkerCase{0, true}, MarkerCase{1, true}, MarkerCase{2, false}, MarkerCase{19, false}));

// --- Write ------------------------------------------------------------------

TEST_F(LinkTest, WriteSendsRowsZeroToFortyEightEachAfterTheRadiosAck)
{
    const QByteArray radioBefore = radio.memory();
    ASSERT_TRUE(state.image.setBytes(pattern(RadioImage::kSize, 9)));
    const QByteArray image = state.image.toBytes();

    auto write = start("write");
    ASSERT_TRUE(runToEnd());

    QByteArrayList expected{magic(), hex("06"), hex("53 03 A0 40"), hex("06")};
    for (int row = 0; row <= 48; ++row)
        expected << hex("06 58") + address(row * 16) + hex("10") + image.mid(row * 16, 16);
    expected << hex("45");
    EXPECT_EQ(asHex(line.commands()), asHex(expected));

    EXPECT_EQ(radio.memory().left(49 * 16), image.left(49 * 16));
    EXPECT_EQ(radio.memory().mid(49 * 16), radioBefore.mid(49 * 16));   // rows 49 to 63 untouched
    EXPECT_EQ(state.image.toBytes(), image);
    EXPECT_EQ(seen.progress.mid(0, 3), (QList<int>{0, 2, 4}));
    EXPECT_EQ(seen.progress.mid(47), (QList<int>{97, 100}));
    EXPECT_EQ(seen.status[1], "Writing  0  Data Block");
    EXPECT_EQ(seen.status.last(), "Complete writing Data ");
    EXPECT_EQ(seen.kind(), Kind::Completed);
}

TEST_F(LinkTest, WriteIgnoresOtherBytesAndRetriesFromRowZeroAfterAWrongAck)
{
    // Data answer 1 is the password block; 11 is the write of row 9.
    radio.setFault({sim::Fault::Kind::WrongAck, 11});
    auto write = start("write");
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(seen.kind(), Kind::Completed);
    EXPECT_EQ(line.commands().count(magic()), 2);
    EXPECT_EQ(radio.memory().left(49 * 16), state.image.toBytes().left(49 * 16));
    EXPECT_EQ(radio.writesStored(), 10 + 49);   // 10 rows in the first attempt, 49 in the second
}

// --- Interrupt ----------------------------------------------------------------

TEST_F(LinkTest, InterruptTellsWhatReachedTheRadioAndEndsProgrammingMode)
{
    const QByteArray image = state.image.toBytes();
    auto write = start("write");
    ASSERT_TRUE(clock.runUntil([this] { return radio.writesStored() == 10; }));
    clock.advance(3);   // the radio's acknowledgement is in
    write->interrupt();
    clock.advance(50);
    ASSERT_EQ(seen.kind(), Kind::Interrupted);
    EXPECT_EQ(seen.outcomes[0].blocksDone, radio.writesStored());
    EXPECT_EQ(seen.outcomes[0].blocksTotal, 49);
    EXPECT_EQ(line.commands().last(), hex("45"));
    EXPECT_FALSE(radio.inProgrammingMode());
    EXPECT_FALSE(line.port->isOpen());

    seen = {};
    radio.setMemory(pattern(RadioImage::kSize, 5));
    auto read = start("read");
    clock.advance(1300);   // most blocks are in
    read->interrupt();
    clock.advance(10000);
    EXPECT_EQ(seen.kind(), Kind::Interrupted);
    EXPECT_EQ(state.image.toBytes(), image);
    EXPECT_FALSE(radio.inProgrammingMode());
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
        auto x = start(tuning ? "tuning-read" : "read");
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

TEST_F(LinkTest, EachExchangeGivesASilentRadioItsOwnAttemptsThenNoAnswer)
{
    struct Case {
        const char* name;
        int attempts;
        qint64 spacing;
    };
    radio.setFault({sim::Fault::Kind::Silent, 0});
    const QByteArray before = state.image.toBytes();
    for (const Case& c : {Case{"read", 4, 2000}, Case{"write", 4, 2000}, Case{"tuning-write", 4, 3000},
                          Case{"password", 1, 6000}}) {
        SCOPED_TRACE(c.name);
        seen = {};
        line.bursts.clear();
        const qint64 started = clock.now();
        auto x = start(c.name);
        ASSERT_TRUE(runToEnd());
        ASSERT_EQ(line.bursts.size(), c.attempts);
        for (int i = 1; i < c.attempts; ++i) {
            EXPECT_EQ(line.bursts[i].bytes, magic());
            EXPECT_GE(line.bursts[i].at - line.bursts[i - 1].at, c.spacing);
            EXPECT_LE(line.bursts[i].at - line.bursts[i - 1].at, c.spacing + 100);
        }
        EXPECT_GE(clock.now() - started, c.attempts * c.spacing);
        ASSERT_EQ(seen.kind(), Kind::NoAnswer);
        EXPECT_EQ(seen.outcomes[0].attempts, c.attempts);
        EXPECT_FALSE(x->busy());
        EXPECT_FALSE(line.port->isOpen());
    }
    EXPECT_EQ(state.image.toBytes(), before);
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
    EXPECT_EQ(seen.kind(), Kind::Completed);
    EXPECT_EQ(state.image.toBytes(), radio.memory());

    // After the restart the silent radio still gets all four attempts.
    seen = {};
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
    QObject::connect(tuning.get(), &AdjustExchange::refused, [this](const QString& t) { seen.refusals << t; });
    tuning->startRead();
    clock.advance(50);
    ASSERT_TRUE(tuning->busy());
    tuning->startWrite();
    EXPECT_EQ(seen.refusals, QStringList{"Read-write operating with transceiver ."});
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

TEST_F(LinkTest, PortThatCannotOpenEndsAtOnceWithTheDeviceAndTheReason)
{
    line.openError = QStringLiteral("No such file or directory");
    auto read = start("read");
    clock.advance(10000);
    const LinkOutcome expected{.kind = Kind::PortCannotOpen, .comPort = 1, .device = kDevice, .reason = line.openError};
    EXPECT_EQ(seen.outcomes, QList<LinkOutcome>{expected});
    EXPECT_TRUE(state.portOpenFailed);
    EXPECT_TRUE(seen.status.isEmpty());
    EXPECT_TRUE(line.bursts.isEmpty());
    EXPECT_FALSE(read->busy());
}

TEST_F(LinkTest, PulledCableEndsTheAttemptLikeATimeOutAndLeavesTheImage)
{
    const QByteArray before = state.image.toBytes();
    auto read = start("read");
    clock.advance(500);
    ASSERT_TRUE(read->busy());
    line.pull();
    EXPECT_FALSE(read->busy());
    EXPECT_FALSE(line.port->isOpen());
    ASSERT_TRUE(runToEnd());
    // The retry finds the device gone.
    EXPECT_EQ(seen.kind(), Kind::PortCannotOpen);
    EXPECT_EQ(state.image.toBytes(), before);
}

class RecoveryTest : public LinkTest, public testing::WithParamInterface<sim::Fault> {};

// A damaged answer ends in the time-out; the retry reads everything anew.
TEST_P(RecoveryTest, ReadRecoversFromADamagedAnswer)
{
    radio.setFault(GetParam());
    auto read = start("read");
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(seen.kind(), Kind::Completed);
    EXPECT_EQ(line.commands().count(magic()), 2);
    EXPECT_EQ(state.image.toBytes(), radio.memory());
}

INSTANTIATE_TEST_SUITE_P(Link, RecoveryTest, testing::Values(
    sim::Fault{sim::Fault::Kind::ShortReply, 6}, sim::Fault{sim::Fault::Kind::Garbage, 6},
    sim::Fault{sim::Fault::Kind::ShortReply, 1}));

class StrayBytesTest : public LinkTest,
                       public testing::WithParamInterface<std::tuple<const char*, sim::Fault::Kind>> {};

// Bytes that answer no command just sent (the radio's reply to a lone 06, a
// stray byte after each answer) never shift the data a read stores.
TEST_P(StrayBytesTest, ReadGetsExactlyWhatTheRadioHolds)
{
    const auto [exchange, fault] = GetParam();
    radio.setFault({fault, 0});
    auto x = start(exchange);
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(seen.kind(), Kind::Completed);
    const bool tuning = std::string(exchange) == "tuning-read";
    EXPECT_EQ(tuning ? state.adjust.toBytes() : state.image.toBytes(), tuning ? radio.adjust() : radio.memory());
}

INSTANTIATE_TEST_SUITE_P(Link, StrayBytesTest, testing::Combine(testing::Values("read", "tuning-read"),
    testing::Values(sim::Fault::Kind::AnswerEveryAck, sim::Fault::Kind::Noise)));

// --- Password ---------------------------------------------------------------

struct PasswordLineCase {
    const char* name;
    const char* strayByte;   // what the line carries after the lone 06 that follows the record
};

class PasswordLineTest : public LinkTest, public testing::WithParamInterface<PasswordLineCase> {};

// Only a byte after the write has left answers it: an echo of the lone 06
// or noise during the pause before it must not pass for the radio's answer.
TEST_P(PasswordLineTest, ChangeProvesTheOldOneAndWritesKeepingTheRestOfTheRecord)
{
    radio.setPassword("abc123");
    const QByteArray rest = radio.bytes(0x3A6, 10);
    if (*GetParam().strayByte) {
        line.radio = [this](const QByteArray& command) {
            const QByteArray a = radio.answer(command).bytes;
            return command == hex("06") && a.isEmpty() ? hex(GetParam().strayByte) : a;
        };
    }
    auto password = make<PasswordExchange>();
    password->setOldPassword(" abc123 ");
    password->setNewPassword("xy");
    password->start();
    ASSERT_TRUE(runToEnd());

    EXPECT_EQ(asHex(line.commands()), asHex((QByteArrayList{magic(), hex("06"), hex("52 03 A0 40"), hex("06"),
                                               hex("57 03 A0 10") + "xy    " + rest})));
    EXPECT_EQ(radio.bytes(0x3A0, 16), "xy    " + rest);
    EXPECT_EQ(seen.kind(), Kind::Completed);
    EXPECT_FALSE(line.port->isOpen());
}

INSTANTIATE_TEST_SUITE_P(Link, PasswordLineTest, testing::Values(
    PasswordLineCase{"quiet", ""}, PasswordLineCase{"radio_answers_every_lone_ack", "06"},
    PasswordLineCase{"noise", "7F"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkTest, PasswordChangeEndsWithoutSuccessWhenTheRadioRefusesOrDoesNotConfirm)
{
    struct Case {
        const char* old;
        sim::Fault fault;
        Kind kind;
        int commands;
    };
    // The radio counts its data answers from its start: the write is its second.
    for (const Case& c : {Case{"abc123", {sim::Fault::Kind::WrongAck, 2}, Kind::WriteNotConfirmed, 5},
                          Case{"zzzzzz", {}, Kind::WrongOldPassword, 4}}) {
        SCOPED_TRACE(c.old);
        seen = {};
        line.bursts.clear();
        radio.setPassword("abc123");
        radio.setFault(c.fault);
        auto password = make<PasswordExchange>();
        password->setOldPassword(c.old);
        password->setNewPassword("new");
        password->start();
        ASSERT_TRUE(runToEnd());
        EXPECT_EQ(seen.kind(), c.kind);
        EXPECT_EQ(line.commands().size(), c.commands);
        EXPECT_FALSE(password->busy());
    }
    EXPECT_EQ(radio.bytes(0x3A0, 6), "abc123");   // the wrong old password wrote nothing
}

struct OldPasswordCase {
    const char* record;   // the record's first bytes, '~' for 0xFF; the rest is 00
    const char* typed;
    bool accepted;
};

class OldPasswordTest : public testing::TestWithParam<OldPasswordCase> {};

TEST_P(OldPasswordTest, NoPasswordSetOrExactlyTheRecordsFirstSix)
{
    QByteArray record = QByteArray(GetParam().record).replace('~', '\xFF');
    record += QByteArray(pr::kPasswordRecordBytes - record.size(), '\x00');
    EXPECT_EQ(PasswordExchange::oldPasswordAccepted(record, PasswordExchange::passwordEntry(GetParam().typed)),
              GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Link, OldPasswordTest, testing::Values(
    OldPasswordCase{"      ", "", true},          // no password set
    OldPasswordCase{"~~~~~~", "", true},
    OldPasswordCase{"123456", "123456", true},
    OldPasswordCase{"123456", "12345", false},
    OldPasswordCase{"123456", "1234567", false},
    OldPasswordCase{"123456", "", false},
    OldPasswordCase{"abcd  ", "abcd", true},      // four characters compared with two spaces
    OldPasswordCase{"1      ", "x", false},       // one character, a space at byte 6
    OldPasswordCase{"~~~~~ ", "", false}),
    [](const auto& info) {
        return "record_" + QByteArray(info.param.record).toHex().toStdString() + "_typed_"
               + (QByteArray(info.param.typed).isEmpty() ? std::string("nothing")
                                                          : QByteArray(info.param.typed).toHex().toStdString());
    });

// --- Tuning block -----------------------------------------------------------

TEST_F(LinkTest, TuningReadAsksEightBlocksAndStoresOnlyAtTheEnd)
{
    auto tuning = start("tuning-read");
    ASSERT_TRUE(runToEnd());
    QByteArrayList expected{magic()};
    for (int block = 0; block < 8; ++block)
        expected << (block > 0 ? QByteArrayList{hex("06")} : QByteArrayList{})
                 << hex("06 53") + address(0x1E00 + block * 64) + hex("40");
    expected << hex("06");
    EXPECT_EQ(asHex(line.commands()), asHex(expected));
    EXPECT_EQ(state.adjust.toBytes(), radio.adjust());
    EXPECT_EQ(seen.progress, (QList<int>{0, 33, 44, 55, 66, 77, 88, 100, 100}));
    EXPECT_EQ(seen.status.last(), "Read optional parameters in gear. ");
    EXPECT_EQ(seen.kind(), Kind::Completed);
}

TEST_F(LinkTest, TuningWriteSendsTheFixedRecordThenThirtyTwoBlocks)
{
    state.adjust.setBytes(pattern(AdjustImage::kSize, 5));
    auto tuning = start("tuning-write");
    ASSERT_TRUE(runToEnd());

    const QByteArray record(reinterpret_cast<const char*>(pr::kAdjustRecord.data()), 16);
    QByteArrayList expected{magic(), hex("06 58 1D 90 10") + record};
    for (int row = 0; row < 32; ++row)
        expected << hex("06 58") + address(0x1E00 + row * 16) + hex("10") + state.adjust.toBytes().mid(row * 16, 16);
    EXPECT_EQ(asHex(line.commands()), asHex(expected));
    EXPECT_EQ(radio.adjust(), state.adjust.toBytes());
    EXPECT_EQ(radio.bytes(0x1D90, 16), record);
    EXPECT_EQ(seen.status[1], "Writing  -1  Data Block");
    EXPECT_EQ(seen.kind(), Kind::Completed);
    EXPECT_EQ(seen.outcomes[0].blocksDone, 32);
}

TEST_F(LinkTest, FailedTuningReadLeavesTheTuningBlock)
{
    radio.setFault({sim::Fault::Kind::Hangup, 4});
    const AdjustImage before = state.adjust;
    auto tuning = start("tuning-read");
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(state.adjust, before);
    EXPECT_EQ(seen.kind(), Kind::PortCannotOpen);
}

// --- Texts ------------------------------------------------------------------

struct OutcomeTextCase {
    LinkOperation operation;
    Kind kind;
    int blocksDone;
    const char* zh;
    const char* en;
};

class OutcomeTextTest : public testing::TestWithParam<OutcomeTextCase> {};

TEST_P(OutcomeTextTest, BothLanguages)
{
    const LinkOutcome o{.operation = GetParam().operation, .kind = GetParam().kind, .comPort = 2,
                        .device = "/dev/ttyUSB0", .reason = "No such file or directory",
                        .blocksDone = GetParam().blocksDone, .blocksTotal = 49};
    EXPECT_EQ(linkOutcomeText(o, Language::Chinese), QString::fromUtf8(GetParam().zh));
    EXPECT_EQ(linkOutcomeText(o, Language::English), QString::fromUtf8(GetParam().en));
}

using Op = LinkOperation;
INSTANTIATE_TEST_SUITE_P(Link, OutcomeTextTest, testing::Values(
    OutcomeTextCase{Op::MemoryWrite, Kind::Completed, 49, "向对讲机写入数据完毕 ！", "Complete writing Data to the transceiver."},
    OutcomeTextCase{Op::TuningWrite, Kind::Completed, 32, "调整参数写入完毕 ！", "Complete writing optional parameters to the transceiver."},
    OutcomeTextCase{Op::MemoryWrite, Kind::PortCannotOpen, 0,
                    "通讯端口打开错误，请正确设置通讯端口 ！\nCOM2 (/dev/ttyUSB0)：No such file or directory",
                    "Communication port is error, please setting right communication port . ！\nCOM2 (/dev/ttyUSB0): No such file or directory"},
    OutcomeTextCase{Op::TuningRead, Kind::PortCannotOpen, 0,
                    "通讯端口打开错误，请正确设置通讯端口 ！\nCOM2 (/dev/ttyUSB0)：No such file or directory",
                    "Communication Port Open Error ！\nCOM2 (/dev/ttyUSB0): No such file or directory"},
    OutcomeTextCase{Op::MemoryRead, Kind::UnusableAnswer, 0, "与对讲机联络失败 ！", "Fail connect with transceiver."},
    OutcomeTextCase{Op::TuningWrite, Kind::NoAnswer, 3, "联机故障 ！", "Communication fault."},
    OutcomeTextCase{Op::PasswordChange, Kind::WriteNotConfirmed, 0, "与对讲机联络失败 ！", "Fail connect with transceiver."},
    OutcomeTextCase{Op::MemoryWrite, Kind::Interrupted, 0, "已中断，对讲机尚未确认任何数据块",
                    "interrupted before the radio confirmed any block"},
    OutcomeTextCase{Op::MemoryWrite, Kind::Interrupted, 12, "已在 12 / 49 个数据块之后中断：对讲机中只有部分写入的数据",
                    "interrupted after 12 of 49 blocks: the radio holds a partial write"}));

TEST(OutcomeText, PortMessageNamesAMissingPortAndWhoHoldsARefusedOne)
{
    LinkOutcome o{.kind = Kind::PortCannotOpen, .comPort = 5};
    EXPECT_EQ(linkOutcomeText(o, Language::English).split('\n').last(), "COM5: there is no such port on this system");
    QTemporaryFile device;
    ASSERT_TRUE(device.open());
    o.device = device.fileName();
    o.permissionDenied = true;
    const QStringList lines = linkOutcomeText(o, Language::English).split('\n');
    ASSERT_EQ(lines.size(), 3);
#ifdef Q_OS_LINUX
    // The device is this user's, so the refusal means busy: this test holds it.
    EXPECT_TRUE(lines[2].contains("busy: process " + QString::number(QCoreApplication::applicationPid())))
        << lines[2].toStdString();
#endif
}

} // namespace
