#include "link/memory_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"
#include "link/protocol.h"

namespace r5 {

void MemoryExchange::beginAttempt()
{
    stage_ = Stage::Handshake;
    programmingMode_ = false;
    resetDataPhase();
    queueCommand(QByteArray(reinterpret_cast<const char*>(protocol::kHandshakeMagic.data()),
                            static_cast<int>(protocol::kHandshakeMagic.size())));
}

bool MemoryExchange::receiveStep()
{
    switch (stage_) {
    case Stage::Data:
        return dataStep();
    case Stage::Handshake: {
        if (bytesWaiting() < protocol::kHandshakeReplyBytes)
            return false;
        const QByteArray reply = takeBytes(protocol::kHandshakeReplyBytes);
        if (!handshakeAccepted(reply, protocol::kHandshakeMarker, protocol::kHandshakeMarker,
                               protocol::kHandshakeMarkerDistance))
            return true;  // not the radio's reply: the time-out will act
        programmingMode_ = true;
        sendNow(protocol::kAck);
        // The radio confirms programming mode meanwhile; its answer is dropped.
        pauseThen(protocol::kAckPauseMs, [this] {
            stage_ = Stage::PasswordBlock;
            queueCommand(command(protocol::kReadCommand, protocol::kPasswordBlockAddress, protocol::kReadBlockBytes));
        });
        return true;
    }
    case Stage::PasswordBlock:
        // Taken and acknowledged; the radio guards its memory itself, so the
        // block is not compared with anything.
        if (bytesWaiting() < protocol::kPlainReplyBytes)
            return false;
        takeBytes(protocol::kPlainReplyBytes);
        sendNow(protocol::kAck);
        pauseThen(protocol::kAckPauseMs, [this] {
            stage_ = Stage::Data;
            stopReplyTimer();
            stopRetryTimer();
            beginDataPhase();
        });
        return true;
    }
    return false;
}

void MemoryExchange::sendEndByte()
{
    sendNow(protocol::kEndProgramming);
    programmingMode_ = false;
}

void MemoryExchange::leaveProgrammingMode()
{
    if (programmingMode_)
        sendEndByte();
}

void MemoryExchange::failRun(LinkOutcome::Kind kind)
{
    finishAttempt();
    emit progressChanged(0);
    showStatus(linktext::kCommunicationFault);
    finishRun(kind);
}

void MemoryExchange::retriesUsedUp()
{
    failRun(LinkOutcome::Kind::NoAnswer);
}

} // namespace r5
