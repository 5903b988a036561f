#include "link/adjust_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"

namespace r5 {
namespace {

constexpr Text kBusy{"正在与对讲机进行读写操作 ！", "Read-write operating with transceiver ."};
constexpr Text kPortOpenError{"通讯端口打开错误，请正确设置通讯端口 ！", "Communication Port Open Error ！"};
constexpr Text kReadingBefore{"正在读取 ", "Reading "};
constexpr Text kReadingAfter{" 数据块", " Data Block"};
constexpr Text kWritingBefore{"正在写入  ", "Writing  "};
constexpr Text kWritingAfter{"  数据块", "  Data Block"};
constexpr Text kReadDone{"调整参数读出正常 ！", "Read optional parameters in gear. "};
constexpr Text kReadComplete{"从对讲机中读取调整数据完毕 ！", "Complete reading the data from transceiver."};
constexpr Text kWriteDone{"调整参数写入完毕 ！", "Complete writing optional parameters "};
constexpr Text kWriteComplete{"调整参数写入完毕 ！", "Complete writing optional parameters to the transceiver."};
constexpr Text kLinkFault{"联机故障 ！", "Communication fault."};

constexpr LinkValues kAdjustValues{protocol::kReplyTimeoutMs, protocol::kAdjustRetryPauseMs, protocol::kRetries};

constexpr int kLastReadFrame = protocol::kAdjustFirstFrame + protocol::kAdjustReadBlocks - 1;  // 9

} // namespace

AdjustExchange::AdjustExchange(AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                               LinkTimerFactory& timerFactory, QObject* parent)
    : LinkExchange(state, ports, portFactory, timerFactory, kAdjustValues, parent)
{
}

Text AdjustExchange::portOpenText() const
{
    return kPortOpenError;
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
        emit refused(text(kBusy));
        return;
    }
    writeMode_ = write;
    setRetriesLeft(protocol::kRetries);
    if (startAttempt()) {
        emit progressChanged(0);
        emit statusChanged(text(linktext::kConnecting));
    }
}

void AdjustExchange::beginAttempt()
{
    connected_ = false;
    clearInput();
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
        queueCommand(command(kReadCommand, kAdjustBaseAddress, kReadBlockBytes, {}, true));
        blockIndex_ = kAdjustFirstFrame;
        clearInput();
    }
    return false;
}

bool AdjustExchange::readStep()
{
    using namespace protocol;
    if (bytesWaiting() < kEchoedReplyBytes)
        return false;
    stopReplyTimer();
    frames_[static_cast<size_t>(blockIndex_)] = takeBytes(kEchoedReplyBytes);
    clearInput();
    sendNow(kAck);
    if (blockIndex_ <= kLastReadFrame - 1) {
        const int block = blockIndex_ - 1;  // the block after the one just taken
        queueCommand(command(kReadCommand, kAdjustBaseAddress + block * kReadBlockBytes, kReadBlockBytes, {}, true));
        ++blockIndex_;
        showProgress(blockIndex_, kLastReadFrame);
        emit statusChanged(linktext::numbered(kReadingBefore, blockIndex_, kReadingAfter, language()));
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
    emit statusChanged(text(kReadDone));
    emit completed(text(kReadComplete));
}

bool AdjustExchange::writeStep()
{
    using namespace protocol;
    const quint8 byte = takeBytes(1).at(0);
    if (byte != kAck || !sendDone())
        return true;
    stopReplyTimer();
    if (blockIndex_ < kAdjustWriteBlocks) {
        showProgress(blockIndex_, kAdjustWriteBlocks);
        emit statusChanged(linktext::numbered(kWritingBefore, blockIndex_ - 1, kWritingAfter, language()));
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
    emit statusChanged(text(kWriteDone));
    emit completed(text(kWriteComplete));
}

void AdjustExchange::retriesUsedUp()
{
    finishAttempt();
    emit failed(text(kLinkFault));
}

} // namespace r5
