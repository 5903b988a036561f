#include "link/memory_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"
#include "link/protocol.h"

namespace r5 {

void MemoryExchange::beginAttempt()
{
    clearInput();
    stage_ = Stage::Handshake;
    programmingMode_ = false;
    resetDataPhase();
    queueCommand(QByteArray(reinterpret_cast<const char*>(protocol::HandshakeMagic.data()),
                            static_cast<int>(protocol::HandshakeMagic.size())));
}

bool MemoryExchange::receiveStep()
{
    switch (stage_) {
    case Stage::Data:
        return dataStep();
    case Stage::Handshake: {
        if (bytesWaiting() < protocol::HandshakeReplyBytes)
            return false;
        const QByteArray reply = takeBytes(protocol::HandshakeReplyBytes);
        if (!handshakeAccepted(reply, protocol::HandshakeMarker, protocol::HandshakeMarker,
                               protocol::HandshakeMarkerDistance))
            return true;  // not the radio's reply: the time-out will act
        programmingMode_ = true;
        sendNow(protocol::Ack);
        // The radio confirms programming mode meanwhile; its answer is dropped.
        pauseThen(protocol::AckPauseMs, [this] {
            stage_ = Stage::PasswordBlock;
            queueCommand(command(protocol::ReadCommand, protocol::PasswordBlockAddress, protocol::ReadBlockBytes));
            clearInput();
        });
        return true;
    }
    case Stage::PasswordBlock:
        // Taken and acknowledged; the radio guards its memory itself, so the
        // block is not compared with anything.
        if (bytesWaiting() < protocol::PlainReplyBytes)
            return false;
        takeBytes(protocol::PlainReplyBytes);
        sendNow(protocol::Ack);
        pauseThen(protocol::AckPauseMs, [this] {
            stage_ = Stage::Data;
            stopReplyTimer();
            stopRetryTimer();
            beginDataPhase();
            clearInput();
        });
        return true;
    }
    return false;
}

void MemoryExchange::sendEndByte()
{
    sendNow(protocol::EndProgramming);
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
    emit statusChanged(text(linktext::CommunicationFault));
    finishRun(kind);
}

void MemoryExchange::retriesUsedUp()
{
    failRun(LinkOutcome::Kind::NoAnswer);
}

} // namespace r5
