#include "link/write_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"
#include "link/protocol.h"

#include <algorithm>

namespace r5 {
namespace {

constexpr Text kWritingBefore{"正在写入  ", "Writing  "};
constexpr Text kWritingAfter{"  数据块", "  Data Block"};
constexpr Text kWriteDone{"数据写入完毕 ！", "Complete writing Data "};

constexpr LinkValues kWriteValues{protocol::kReplyTimeoutMs, protocol::kRetryPauseMs, protocol::kRetries};

} // namespace

WriteExchange::WriteExchange(AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                             LinkTimerFactory& timerFactory, QObject* parent)
    : MemoryExchange(state, ports, portFactory, timerFactory, kWriteValues, parent)
{
}

void WriteExchange::resetDataPhase()
{
    blockIndex_ = 0;
}

int WriteExchange::blocksTotal() const
{
    return protocol::kMemoryWriteLastRow + 1;
}

void WriteExchange::sendRow(int row)
{
    QByteArray data;
    for (int cell = 0; cell < protocol::kWriteBlockBytes; ++cell)
        data.append(static_cast<char>(state().image.cell(row, cell)));
    queueCommand(command(protocol::kDataRecord, row * RadioImage::kCellsPerRow, protocol::kWriteBlockBytes, data, true));
}

void WriteExchange::beginDataPhase()
{
    blockIndex_ = 0;
    sendRow(0);
    blockIndex_ = 1;
    clearInput();
}

bool WriteExchange::dataStep()
{
    const quint8 byte = takeBytes(1).at(0);
    // Anything but the radio's acknowledgement is ignored; silence ends in the time-out.
    if (byte != protocol::kAck || !sendDone())
        return true;
    stopReplyTimer();
    confirmed_ = std::max(confirmed_, blockIndex_);
    if (blockIndex_ <= protocol::kMemoryWriteLastRow) {
        showProgress(blockIndex_, protocol::kMemoryWriteLastRow);
        showStatus([n = blockIndex_ - 1](Language language) {
            return linktext::numbered(kWritingBefore, n, kWritingAfter, language);
        });
        sendRow(blockIndex_);
        ++blockIndex_;
        return true;
    }
    complete();
    return false;
}

void WriteExchange::complete()
{
    stopTimers();
    sendEndByte();
    finishAttempt();
    showStatus(kWriteDone);
    finishRun(LinkOutcome::Kind::Completed);
}

} // namespace r5
