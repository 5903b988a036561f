#include "link/adjust_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"

#include <algorithm>

namespace r5 {
namespace {

constexpr Text ReadingBefore{"正在读取 ", "Reading "};
constexpr Text ReadingAfter{" 数据块", " Data Block"};
constexpr Text WritingBefore{"正在写入  ", "Writing  "};
constexpr Text WritingAfter{"  数据块", "  Data Block"};
constexpr Text ReadDone{"调整参数读出正常 ！", "Read optional parameters in gear. "};
constexpr Text WriteDone{"调整参数写入完毕 ！", "Complete writing optional parameters "};

constexpr LinkValues kAdjustValues{protocol::ReplyTimeoutMs, protocol::AdjustRetryPauseMs, protocol::Retries};

constexpr int kLastReadFrame = protocol::AdjustFirstFrame + protocol::AdjustReadBlocks - 1;  // 9

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
    return writeMode_ ? protocol::AdjustWriteBlocks : 0;
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
        emit refused(text(adjusttext::Busy));
        return;
    }
    writeMode_ = write;
    resetRun(protocol::Retries);
    if (startAttempt()) {
        emit progressChanged(0);
        emit statusChanged(text(linktext::Connecting));
    }
}

void AdjustExchange::beginAttempt()
{
    connected_ = false;
    clearInput();
    blockIndex_ = 0;
    queueCommand(QByteArray(reinterpret_cast<const char*>(protocol::HandshakeMagic.data()),
                            static_cast<int>(protocol::HandshakeMagic.size())));
}

bool AdjustExchange::receiveStep()
{
    using namespace protocol;
    if (connected_)
        return writeMode_ ? writeStep() : readStep();

    if (bytesWaiting() < HandshakeReplyBytes)
        return false;
    const QByteArray reply = takeBytes(HandshakeReplyBytes);
    if (!handshakeAccepted(reply, HandshakeMarker, HandshakeMarker, HandshakeMarkerDistance))
        return true;
    connected_ = true;
    stopReplyTimer();
    stopRetryTimer();
    if (writeMode_) {
        const QByteArray record(reinterpret_cast<const char*>(AdjustRecord.data()),
                                static_cast<int>(AdjustRecord.size()));
        queueCommand(command(DataRecord, AdjustRecordAddress, WriteBlockBytes, record, true));
        blockIndex_ = 0;
    } else {
        queueCommand(command(ReadCommand, AdjustBaseAddress, ReadBlockBytes, {}, true));
        blockIndex_ = AdjustFirstFrame;
        clearInput();
    }
    return false;
}

bool AdjustExchange::readStep()
{
    using namespace protocol;
    if (bytesWaiting() < EchoedReplyBytes)
        return false;
    stopReplyTimer();
    frames_[static_cast<size_t>(blockIndex_)] = takeBytes(EchoedReplyBytes);
    clearInput();
    sendNow(Ack);
    if (blockIndex_ <= kLastReadFrame - 1) {
        const int block = blockIndex_ - 1;  // the block after the one just taken
        queueCommand(command(ReadCommand, AdjustBaseAddress + block * ReadBlockBytes, ReadBlockBytes, {}, true));
        ++blockIndex_;
        showProgress(blockIndex_, kLastReadFrame);
        emit statusChanged(linktext::numbered(ReadingBefore, blockIndex_, ReadingAfter, chinese()));
        return true;
    }
    completeRead();
    return false;
}

void AdjustExchange::completeRead()
{
    finishAttempt();
    QByteArray block;
    for (int f = protocol::AdjustFirstFrame; f <= kLastReadFrame; ++f)
        block.append(frames_[static_cast<size_t>(f)].mid(protocol::AdjustDataStart, protocol::ReadBlockBytes));
    state().adjust.setBytes(block);
    emit progressChanged(100);
    emit statusChanged(text(ReadDone));
    finishRun(LinkOutcome::Kind::Completed);
}

bool AdjustExchange::writeStep()
{
    using namespace protocol;
    const quint8 byte = takeBytes(1).at(0);
    if (byte != Ack || !sendDone())
        return true;
    stopReplyTimer();
    // The first acknowledgement is the fixed record's; then each confirms one
    // more tuning block.
    confirmed_ = std::max(confirmed_, blockIndex_);
    if (blockIndex_ < AdjustWriteBlocks) {
        showProgress(blockIndex_, AdjustWriteBlocks);
        emit statusChanged(linktext::numbered(WritingBefore, blockIndex_ - 1, WritingAfter, chinese()));
        QByteArray data;
        for (int cell = 0; cell < WriteBlockBytes; ++cell)
            data.append(static_cast<char>(state().adjust.cell(blockIndex_, cell)));
        queueCommand(command(DataRecord, AdjustBaseAddress + blockIndex_ * WriteBlockBytes, WriteBlockBytes, data, true));
        ++blockIndex_;
        return true;
    }
    completeWrite();
    return false;
}

void AdjustExchange::completeWrite()
{
    finishAttempt();
    emit statusChanged(text(WriteDone));
    finishRun(LinkOutcome::Kind::Completed);
}

void AdjustExchange::retriesUsedUp()
{
    finishRun(LinkOutcome::Kind::NoAnswer);
}

} // namespace r5
