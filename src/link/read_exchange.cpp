#include "link/read_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"

namespace r5 {
namespace {

constexpr Text kReadingBefore{"正在读取 ", "Reading "};
constexpr Text kReadingAfter{" 数据块", " Data Block"};
constexpr Text kReadDone{"数据读出正常 ！", "Read Data in gear. "};
constexpr Text kReadComplete{"从对讲机中读取数据完毕 ！", "Complete reading the data from transceiver."};

constexpr LinkValues kReadValues{protocol::kReplyTimeoutMs, protocol::kRetryPauseMs, protocol::kRetries};

// Where the data start in a frame: four bytes after the first 58 among
// positions 0 to 19, or position 5 when there is none. -1 when the marker sits
// so late that the 64 bytes would run past the end of the answer.
int dataStart(const QByteArray& frame)
{
    for (int p = 0; p <= protocol::kMemoryMarkerSearchLast && p < frame.size(); ++p)
        if (static_cast<quint8>(frame[p]) == protocol::kDataRecord)
            return p <= protocol::kMemoryMarkerLastSound ? p + protocol::kCommandHeaderBytes : -1;
    return protocol::kMemoryDefaultDataStart;
}

} // namespace

ReadExchange::ReadExchange(AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                           LinkTimerFactory& timerFactory, QObject* parent)
    : MemoryExchange(state, ports, portFactory, timerFactory, kReadValues, parent)
{
}

void ReadExchange::resetDataPhase()
{
    blockIndex_ = 0;
}

void ReadExchange::beginDataPhase()
{
    blockIndex_ = 0;
    queueCommand(command(protocol::kReadCommand, 0, protocol::kReadBlockBytes, {}, true));
    clearInput();
}

bool ReadExchange::dataStep()
{
    if (bytesWaiting() < protocol::kEchoedReplyBytes)
        return false;
    stopReplyTimer();
    QByteArray frame = takeBytes(protocol::kEchoedReplyBytes);
    if (stage_ == Stage::PasswordBlock) {
        // The first answer of the phase is kept one position further on and
        // never used; the first address is asked again.
        stage_ = Stage::Data;
        frame.prepend('\0');
    }
    frames_[static_cast<size_t>(blockIndex_)] = frame;
    clearInput();
    sendNow(protocol::kAck);

    if (blockIndex_ < protocol::kMemoryReadBlocks) {
        const int address = blockIndex_ * protocol::kReadBlockBytes;
        queueCommand(command(protocol::kReadCommand, address, protocol::kReadBlockBytes, {}, true));
        ++blockIndex_;
        showProgress(blockIndex_, protocol::kMemoryReadBlocks + 1);
        emit statusChanged(linktext::numbered(kReadingBefore, blockIndex_, kReadingAfter, language()));
        return true;
    }
    complete();
    return false;
}

void ReadExchange::complete()
{
    pauseThen(protocol::kCompletionPauseMs, [this] {
        stopTimers();
        setBusy(false);
        sendNow(protocol::kEndProgramming);
        storeAndFinish();
    });
}

void ReadExchange::storeAndFinish()
{
    const int start = dataStart(frames_[1]);
    if (start < 0) {
        // Data that would have to come from beyond the answer: nothing is
        // stored and the read ends as a failed one.
        pauseThen(protocol::kCompletionPauseMs, [this] { retriesUsedUp(); });
        return;
    }
    QByteArray memory;
    memory.reserve(RadioImage::kSize);
    for (int f = 1; f <= protocol::kMemoryReadBlocks; ++f)
        memory.append(frames_[static_cast<size_t>(f)].mid(start, protocol::kReadBlockBytes));
    // All frames are full-length, so this is the whole memory in address order.
    if (!state().image.setBytes(memory)) {
        pauseThen(protocol::kCompletionPauseMs, [this] { retriesUsedUp(); });
        return;
    }
    emit progressChanged(100);
    pauseThen(protocol::kCompletionPauseMs, [this] {
        closePort();
        emit statusChanged(text(kReadDone));
        emit completed(text(kReadComplete));
    });
}

} // namespace r5
