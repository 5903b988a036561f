#include "link/write_exchange.h"

#include "link/handshake.h"
#include "link/protocol.h"
#include "link/link_texts.h"

#include <algorithm>

namespace r5 {
namespace {

constexpr Text WritingBefore{"正在写入  ", "Writing  "};
constexpr Text WritingAfter{"  数据块", "  Data Block"};
constexpr Text WriteDone{"数据写入完毕 ！", "Complete writing Data "};

constexpr LinkValues kWriteValues{protocol::ReplyTimeoutMs, protocol::RetryPauseMs, protocol::Retries};

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
    return protocol::MemoryWriteLastRow + 1;
}

void WriteExchange::sendRow(int row)
{
    QByteArray data;
    for (int cell = 0; cell < protocol::WriteBlockBytes; ++cell)
        data.append(static_cast<char>(state().image.cell(row, cell)));
    queueCommand(command(protocol::DataRecord, row * RadioImage::kCellsPerRow, protocol::WriteBlockBytes, data, true));
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
    if (byte != protocol::Ack || !sendDone())
        return true;
    stopReplyTimer();
    confirmed_ = std::max(confirmed_, blockIndex_);
    if (blockIndex_ <= protocol::MemoryWriteLastRow) {
        showProgress(blockIndex_, protocol::MemoryWriteLastRow);
        emit statusChanged(linktext::numbered(WritingBefore, blockIndex_ - 1, WritingAfter, chinese()));
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
    emit statusChanged(text(WriteDone));
    finishRun(LinkOutcome::Kind::Completed);
}

} // namespace r5
