#include "link/read_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"

namespace r5 {
namespace {

constexpr Text kReadingBefore{"正在读取 ", "Reading "};
constexpr Text kReadingAfter{" 数据块", " Data Block"};
constexpr Text kReadDone{"数据读出正常 ！", "Read Data in gear. "};

constexpr LinkValues kReadValues{protocol::kReplyTimeoutMs, protocol::kRetryPauseMs, protocol::kRetries};

// Position of the first 58 among positions 0 to 19; -1 when there is none.
int markerAt(const QByteArray& frame)
{
    for (int p = 0; p <= protocol::kMemoryMarkerSearchLast && p < frame.size(); ++p)
        if (static_cast<quint8>(frame[p]) == protocol::kDataRecord)
            return p;
    return -1;
}

// Where the data start in a frame: four bytes after the marker, or position 5
// when there is none. -1 when the marker sits so late that the 64 bytes would
// run past the end of the answer.
int dataStart(const QByteArray& frame)
{
    const int marker = markerAt(frame);
    if (marker < 0)
        return protocol::kMemoryDefaultDataStart;
    return marker <= protocol::kMemoryMarkerLastSound ? marker + protocol::kCommandHeaderBytes : -1;
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
    expectedAddress_ = 0;
    queueCommand(command(protocol::kReadCommand, expectedAddress_, protocol::kReadBlockBytes, {}, true));
}

bool ReadExchange::dataStep()
{
    if (bytesWaiting() < protocol::kEchoedReplyBytes)
        return false;
    const QByteArray frame = takeBytes(protocol::kEchoedReplyBytes);
    // A header that does not echo the address and length asked for belongs to
    // no answer of this read; the time-out then retries. A marker too late to
    // hold the data fails the read at the end.
    const int marker = markerAt(frame);
    if (dataStart(frame) > 0 && marker >= 0 && !readHeaderAt(frame, marker, expectedAddress_))
        return true;
    stopReplyTimer();
    frames_[static_cast<size_t>(blockIndex_)] = frame;
    sendNow(protocol::kAck);

    if (blockIndex_ < protocol::kMemoryReadBlocks) {
        // Taken before the count moves on, so the first address is asked twice.
        expectedAddress_ = blockIndex_ * protocol::kReadBlockBytes;
        queueCommand(command(protocol::kReadCommand, expectedAddress_, protocol::kReadBlockBytes, {}, true));
        ++blockIndex_;
        showProgress(blockIndex_, protocol::kMemoryReadBlocks + 1);
        showStatus([n = blockIndex_](Language language) {
            return linktext::numbered(kReadingBefore, n, kReadingAfter, language);
        });
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
        sendEndByte();
        storeAndFinish();
    });
}

void ReadExchange::storeAndFinish()
{
    const int start = dataStart(frames_[1]);
    const int marker = markerAt(frames_[1]);
    bool usable = start >= 0;
    // Every answer carries its header where the first one does; one that does
    // not was shifted on the line and its data would land at the wrong place.
    for (int f = 1; usable && marker >= 0 && f <= protocol::kMemoryReadBlocks; ++f)
        usable = readHeaderAt(frames_[static_cast<size_t>(f)], marker, (f - 1) * protocol::kReadBlockBytes);
    if (!usable) {
        // Data that would have to come from beyond the answer or from a
        // shifted one: nothing is stored and the read ends as a failed one.
        pauseThen(protocol::kCompletionPauseMs, [this] { failRun(LinkOutcome::Kind::UnusableAnswer); });
        return;
    }
    QByteArray memory;
    memory.reserve(RadioImage::kSize);
    for (int f = 1; f <= protocol::kMemoryReadBlocks; ++f)
        memory.append(frames_[static_cast<size_t>(f)].mid(start, protocol::kReadBlockBytes));
    // All frames are full-length, so this is the whole memory in address order.
    if (memory.size() != RadioImage::kSize) {
        pauseThen(protocol::kCompletionPauseMs, [this] { failRun(LinkOutcome::Kind::UnusableAnswer); });
        return;
    }
    emit progressChanged(100);
    // Stored together with the completion: a Cancel or a new press during the
    // pause must leave the image as it was.
    pauseThen(protocol::kCompletionPauseMs, [this, memory] {
        state().image.setBytes(memory);
        closePort();
        showStatus(kReadDone);
        finishRun(LinkOutcome::Kind::Completed);
    });
}

} // namespace r5
