#include "link/read_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"

namespace r5 {
namespace {

constexpr Text ReadingBefore{"正在读取 ", "Reading "};
constexpr Text ReadingAfter{" 数据块", " Data Block"};
constexpr Text ReadDone{"数据读出正常 ！", "Read Data in gear. "};
constexpr Text ReadComplete{"从对讲机中读取数据完毕 ！", "Complete reading the data from transceiver."};

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
    QByteArray frame = takeBytes(protocol::EchoedReplyBytes);
    if (stage_ == Stage::PasswordBlock) {
        // The first answer of the phase is kept one position further on and
        // never used; the first address is asked again.
        stage_ = Stage::Data;
        frame.prepend('\0');
    }
    frames_[static_cast<size_t>(blockIndex_)] = frame;
    clearInput();
    sendNow(protocol::Ack);

    if (blockIndex_ < protocol::MemoryReadBlocks) {
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
        sendNow(protocol::EndProgramming);
        storeAndFinish();
    });
}

void ReadExchange::storeAndFinish()
{
    const int start = dataStart(frames_[1]);
    if (start < 0) {
        // Data that would have to come from beyond the answer: nothing is
        // stored and the read ends as a failed one.
        pauseThen(protocol::CompletionPauseMs, [this] { retriesUsedUp(); });
        return;
    }
    QByteArray memory;
    memory.reserve(RadioImage::kSize);
    for (int f = 1; f <= protocol::MemoryReadBlocks; ++f)
        memory.append(frames_[static_cast<size_t>(f)].mid(start, protocol::ReadBlockBytes));
    // All frames are full-length, so this is the whole memory in address order.
    if (!state().image.setBytes(memory)) {
        pauseThen(protocol::CompletionPauseMs, [this] { retriesUsedUp(); });
        return;
    }
    emit progressChanged(100);
    pauseThen(protocol::CompletionPauseMs, [this] {
        closePort();
        emit statusChanged(text(ReadDone));
        emit completed(text(ReadComplete));
    });
}

} // namespace r5
