#include "link/adjust_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"

#include <algorithm>

namespace r5 {
namespace {

constexpr Text kReadingBefore{"正在读取 ", "Reading "};
constexpr Text kReadingAfter{" 数据块", " Data Block"};
constexpr Text kWritingBefore{"正在写入  ", "Writing  "};
constexpr Text kWritingAfter{"  数据块", "  Data Block"};
constexpr Text kReadDone{"调整参数读出正常 ！", "Read optional parameters in gear. "};
constexpr Text kWriteDone{"调整参数写入完毕 ！", "Complete writing optional parameters "};

constexpr LinkValues kAdjustValues{protocol::kReplyTimeoutMs, protocol::kAdjustRetryPauseMs, protocol::kRetries};

constexpr int kLastReadFrame = protocol::kAdjustFirstFrame + protocol::kAdjustReadBlocks - 1;  // 9

} // namespace

AdjustExchange::AdjustExchange(AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                               LinkTimerFactory& timerFactory, QObject* parent)
    : LinkExchange(state, ports, portFactory, timerFactory, kAdjustValues, parent)
{
}

LinkOperation AdjustExchange::operation() const
{
    return writeMode_ ? LinkOperation::TuningWrite : LinkOperation::TuningRead;
}

int AdjustExchange::blocksTotal() const
{
    return writeMode_ ? protocol::kAdjustWriteBlocks : 0;
}

void AdjustExchange::startRead()
{
    startExchange(false);
}

void AdjustExchange::startWrite()
{
    startExchange(true);
}

void AdjustExchange::startExchange(bool write)
{
    if (busy()) {
        emit refused(text(adjusttext::kBusy));
        return;
    }
    writeMode_ = write;
    resetRun(protocol::kRetries);
    if (startAttempt()) {
        emit progressChanged(0);
        showStatus(linktext::kConnecting);
    }
}

void AdjustExchange::beginAttempt()
{
    connected_ = false;
    blockIndex_ = 0;
    queueCommand(QByteArray(reinterpret_cast<const char*>(protocol::kHandshakeMagic.data()),
                            static_cast<int>(protocol::kHandshakeMagic.size())));
}

bool AdjustExchange::receiveStep()
{
    using namespace protocol;
    if (connected_)
        return writeMode_ ? writeStep() : readStep();

    if (bytesWaiting() < kHandshakeReplyBytes)
        return false;
    const QByteArray reply = takeBytes(kHandshakeReplyBytes);
    if (!handshakeAccepted(reply, kHandshakeMarker, kHandshakeMarker, kHandshakeMarkerDistance))
        return true;
    connected_ = true;
    stopReplyTimer();
    stopRetryTimer();
    if (writeMode_) {
        const QByteArray record(reinterpret_cast<const char*>(kAdjustRecord.data()),
                                static_cast<int>(kAdjustRecord.size()));
        queueCommand(command(kDataRecord, kAdjustRecordAddress, kWriteBlockBytes, record, true));
        blockIndex_ = 0;
    } else {
        expectedAddress_ = kAdjustBaseAddress;
        queueCommand(command(kReadCommand, expectedAddress_, kReadBlockBytes, {}, true));
        blockIndex_ = kAdjustFirstFrame;
    }
    return false;
}

bool AdjustExchange::readStep()
{
    using namespace protocol;
    if (bytesWaiting() < kEchoedReplyBytes)
        return false;
    const QByteArray frame = takeBytes(kEchoedReplyBytes);
    if (static_cast<quint8>(frame[0]) != kAck
        || !readHeaderAt(frame, kAdjustDataStart - kCommandHeaderBytes, expectedAddress_))
        return true;  // not the block asked for: the time-out retries
    stopReplyTimer();
    frames_[static_cast<size_t>(blockIndex_)] = frame;
    sendNow(kAck);
    if (blockIndex_ <= kLastReadFrame - 1) {
        const int block = blockIndex_ - 1;  // the block after the one just taken
        expectedAddress_ = kAdjustBaseAddress + block * kReadBlockBytes;
        queueCommand(command(kReadCommand, expectedAddress_, kReadBlockBytes, {}, true));
        ++blockIndex_;
        showProgress(blockIndex_, kLastReadFrame);
        showStatus([n = blockIndex_](Language language) {
            return linktext::numbered(kReadingBefore, n, kReadingAfter, language);
        });
        return true;
    }
    completeRead();
    return false;
}

void AdjustExchange::completeRead()
{
    finishAttempt();
    QByteArray block;
    for (int f = protocol::kAdjustFirstFrame; f <= kLastReadFrame; ++f)
        block.append(frames_[static_cast<size_t>(f)].mid(protocol::kAdjustDataStart, protocol::kReadBlockBytes));
    state().adjust.setBytes(block);
    emit progressChanged(100);
    showStatus(kReadDone);
    finishRun(LinkOutcome::Kind::Completed);
}

bool AdjustExchange::writeStep()
{
    using namespace protocol;
    const quint8 byte = takeBytes(1).at(0);
    if (byte != kAck || !sendDone())
        return true;
    stopReplyTimer();
    // The first acknowledgement is the fixed record's; then each confirms one
    // more tuning block.
    confirmed_ = std::max(confirmed_, blockIndex_);
    if (blockIndex_ < kAdjustWriteBlocks) {
        showProgress(blockIndex_, kAdjustWriteBlocks);
        showStatus([n = blockIndex_ - 1](Language language) {
            return linktext::numbered(kWritingBefore, n, kWritingAfter, language);
        });
        QByteArray data;
        for (int cell = 0; cell < kWriteBlockBytes; ++cell)
            data.append(static_cast<char>(state().adjust.cell(blockIndex_, cell)));
        queueCommand(command(kDataRecord, kAdjustBaseAddress + blockIndex_ * kWriteBlockBytes, kWriteBlockBytes, data, true));
        ++blockIndex_;
        return true;
    }
    completeWrite();
    return false;
}

void AdjustExchange::completeWrite()
{
    finishAttempt();
    showStatus(kWriteDone);
    finishRun(LinkOutcome::Kind::Completed);
}

void AdjustExchange::retriesUsedUp()
{
    finishRun(LinkOutcome::Kind::NoAnswer);
}

} // namespace r5
