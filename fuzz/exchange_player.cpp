#include "exchange_player.h"

#include "fake_link.h"
#include "fuzz_check.h"

#include "link/port_table.h"

#include <algorithm>

namespace r5::fuzz {
namespace {

constexpr quint8 kWaitForCommand = 0x80;
constexpr quint8 kPullCable = 0x7D;
constexpr quint8 kAbort = 0x7E;
constexpr quint8 kPressAgain = 0x7F;
constexpr quint8 kFineDelays = 64;   // delay codes below this are milliseconds
constexpr int kCoarseDelayStepMs = 50;

// Longer than the gap between an acknowledgement and the command the program
// sends after it, so "the next command" is the whole burst.
constexpr qint64 kCommandSilenceMs = 25;
constexpr qint64 kSyncLimitMs = 10000;
// Far beyond the last retry of every exchange: four attempts of a reply
// time-out and the longest retry pause each.
constexpr qint64 kDrainMs = 60000;

class Player {
public:
    explicit Player(ExchangeKind kind)
        : ports_(PortTable::fromPorts({SystemPort{QStringLiteral("/dev/ttyFUZZ0"), {}, {}, false, true}})),
          line_(clock_),
          exchange_(kind, state_, ports_, line_, clock_)
    {
        state_.comPort = 1;
        for (int address = 0; address < RadioImage::kSize; ++address)
            state_.image.setAt(address, static_cast<quint8>(address * 3 + 1));
        for (int address = 0; address < AdjustImage::kSize; ++address)
            state_.adjust.setAt(address, static_cast<quint8>(address * 11 + 7));
        image_ = state_.image;
        adjust_ = state_.adjust;
        exchange_.onOutcome = [this](ExchangeAdapter::Outcome outcome) { ended(outcome); };
    }

    void play(const uint8_t* data, size_t size)
    {
        press();
        size_t at = 0;
        while (at < size) {
            const quint8 control = data[at++];
            if (control & kWaitForCommand)
                awaitCommand();
            const quint8 code = control & ~kWaitForCommand;
            if (code == kPullCable) {
                line_.port->breakLine();
            } else if (code == kAbort) {
                exchange_.abort();
                pending_ = false;
            } else if (code == kPressAgain) {
                press();
            } else {
                const size_t length = at < size ? data[at++] : 0;
                const size_t taken = std::min(length, size - at);
                clock_.advanceTo(clock_.now() + delayMs(code));
                line_.port->receive(QByteArray(reinterpret_cast<const char*>(data + at), static_cast<qsizetype>(taken)));
                at += taken;
                writesAtDelivery_ = line_.port->bytesWritten();
            }
            checkStores();
        }
        clock_.advanceTo(clock_.now() + kDrainMs);
        checkStores();
        require(!pending_, "a started exchange has ended once its last retry ran out");
        require(!exchange_.busy(), "an ended exchange is not busy");
        require(!line_.port->isOpen(), "an ended exchange has closed its port");
    }

private:
    static qint64 delayMs(quint8 code)
    {
        return code < kFineDelays ? code : qint64(code - kFineDelays + 1) * kCoarseDelayStepMs;
    }

    void press()
    {
        exchange_.start();
        // A press the exchange refused (busy) leaves the running start pending.
        pending_ = pending_ || exchange_.busy();
    }

    // Runs the clock until the program has sent a command since the last
    // chunk and then gone quiet, or the limit has passed.
    void awaitCommand()
    {
        const qint64 limit = clock_.now() + kSyncLimitMs;
        while (clock_.now() < limit) {
            const bool sent = line_.port->bytesWritten() > writesAtDelivery_;
            const qint64 quietAt = line_.port->lastWriteAt() + kCommandSilenceMs;
            if (sent && clock_.now() >= quietAt)
                return;
            clock_.advanceTo(std::min({clock_.nextDue(), sent ? quietAt : limit, limit}));
        }
    }

    void ended(ExchangeAdapter::Outcome outcome)
    {
        require(pending_, "an exchange reports one outcome for each start and none after an abort");
        pending_ = false;
        require(!exchange_.busy(), "an exchange that reports its outcome is no longer busy");
        require(!line_.port->isOpen(), "an exchange that reports its outcome has closed its port");
        if (outcome == ExchangeAdapter::Outcome::Completed) {
            require(exchange_.sentAllWrites(line_.port->writtenBytes()),
                    "a completed write has sent everything it claims to have written");
            // What a completed read stored becomes the state later checks hold to.
            if (exchange_.mayStoreImage())
                image_ = state_.image;
            if (exchange_.mayStoreAdjust())
                adjust_ = state_.adjust;
        }
        checkStores();
    }

    void checkStores() const
    {
        require(state_.image == image_, "the image changes only when a read completes");
        require(state_.adjust == adjust_, "the tuning block changes only when a tuning read completes");
    }

    FuzzClock clock_;
    AppState state_;
    PortTable ports_;
    FuzzLine line_;
    ExchangeAdapter exchange_;
    RadioImage image_;
    AdjustImage adjust_;
    bool pending_ = false;
    qint64 writesAtDelivery_ = 0;
};

} // namespace

void playExchange(ExchangeKind kind, const uint8_t* data, size_t size)
{
    Player(kind).play(data, size);
}

} // namespace r5::fuzz
