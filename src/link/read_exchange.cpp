#include "link/read_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"

namespace r5 {
namespace {

constexpr Text ReadingBefore{"正在读取 ", "Reading "};
constexpr Text ReadingAfter{" 数据块", " Data Block"};
constexpr Text ReadDone{"数据读出正常 ！", "Read Data in gear. "};

constexpr LinkValues kReadValues{protocol::ReplyTimeoutMs, protocol::RetryPauseMs, protocol::Retries};

// Where the data start in a frame: four bytes after the first 58 among
// positions 0 to 19, or position 5 when there is none. -1 when the marker sits
// so late that the 64 bytes would run past the end of the answer.
int dataStart(const QByteArray& frame)
{
    for (int p = 0; p <= protocol::MemoryMarkerSearchLast && p < frame.size(); ++p)
        if (static_cast<quint8>(frame[p]) == protocol::DataRecord)
            return p <= protocol::MemoryMarkerLastSound ? p + protocol::CommandHeaderBytes : -1;
    return protocol::MemoryDefaultDataStart;
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
    queueCommand(command(protocol::ReadCommand, 0, protocol::ReadBlockBytes, {}, true));
    clearInput();
}

bool ReadExchange::dataStep()
{
    if (bytesWaiting() < protocol::EchoedReplyBytes)
        return false;
    stopReplyTimer();
    frames_[static_cast<size_t>(blockIndex_)] = takeBytes(protocol::EchoedReplyBytes);
    clearInput();
    sendNow(protocol::Ack);

    if (blockIndex_ < protocol::MemoryReadBlocks) {
        // Taken before the count moves on, so the first address is asked twice.
        const int address = blockIndex_ * protocol::ReadBlockBytes;
        queueCommand(command(protocol::ReadCommand, address, protocol::ReadBlockBytes, {}, true));
        ++blockIndex_;
        showProgress(blockIndex_, protocol::MemoryReadBlocks + 1);
        emit statusChanged(linktext::numbered(ReadingBefore, blockIndex_, ReadingAfter, chinese()));
        return true;
    }
    complete();
    return false;
}

void ReadExchange::complete()
{
    pauseThen(protocol::CompletionPauseMs, [this] {
        stopTimers();
        setBusy(false);
        sendEndByte();
        storeAndFinish();
    });
}

void ReadExchange::storeAndFinish()
{
    const int start = dataStart(frames_[1]);
    if (start < 0) {
        // Data that would have to come from beyond the answer: nothing is
        // stored and the read ends as a failed one.
        pauseThen(protocol::CompletionPauseMs, [this] { failRun(LinkOutcome::Kind::UnusableAnswer); });
        return;
    }
    QByteArray memory;
    memory.reserve(RadioImage::kSize);
    for (int f = 1; f <= protocol::MemoryReadBlocks; ++f)
        memory.append(frames_[static_cast<size_t>(f)].mid(start, protocol::ReadBlockBytes));
    // All frames are full-length, so this is the whole memory in address order.
    if (!state().image.setBytes(memory)) {
        pauseThen(protocol::CompletionPauseMs, [this] { failRun(LinkOutcome::Kind::UnusableAnswer); });
        return;
    }
    emit progressChanged(100);
    pauseThen(protocol::CompletionPauseMs, [this] {
        closePort();
        emit statusChanged(text(ReadDone));
        finishRun(LinkOutcome::Kind::Completed);
    });
}

} // namespace r5
