#include "link/write_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"
#include "link/protocol.h"

namespace r5 {
namespace {

constexpr Text kWritingBefore{"正在写入  ", "Writing  "};
constexpr Text kWritingAfter{"  数据块", "  Data Block"};
constexpr Text kWriteDone{"数据写入完毕 ！", "Complete writing Data "};
constexpr Text kWriteComplete{"向对讲机写入数据完毕 ！", "Complete writing Data to the transceiver."};

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
    if (blockIndex_ <= protocol::kMemoryWriteLastRow) {
        showProgress(blockIndex_, protocol::kMemoryWriteLastRow);
        emit statusChanged(linktext::numbered(kWritingBefore, blockIndex_ - 1, kWritingAfter, language()));
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
    sendNow(protocol::kEndProgramming);
    finishAttempt();
    emit statusChanged(text(kWriteDone));
    emit completed(text(kWriteComplete));
}

} // namespace r5
