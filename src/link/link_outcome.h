#pragma once

#include "model/text.h"

#include <QMetaType>
#include <QString>

namespace r5 {

// Which exchange ended: the same ending reads differently for each.
enum class LinkOperation { MemoryRead, MemoryWrite, TuningRead, TuningWrite, PasswordChange };

// How an exchange with the radio ended, as data: the windows and r5prog-cli
// build their text from it when they show it (see linkOutcomeText).
struct LinkOutcome {
    enum class Kind {
        Completed,
        PortCannotOpen,     // comPort, device (empty: no such port), reason, permissionDenied
        NoAnswer,           // every attempt ended in silence or a reply that was not the radio's
        UnusableAnswer,     // the radio answered, but its data could not be placed; nothing stored
        WrongOldPassword,   // the radio's password record refused the old password; nothing written
        WriteNotConfirmed,  // the radio answered the password write with something else than 06
        Interrupted,        // stopped by the user; blocksDone of blocksTotal reached the radio
    };

    LinkOperation operation = LinkOperation::MemoryRead;
    Kind kind = Kind::Completed;
    int comPort = 0;
    QString device;
    QString reason;
    bool permissionDenied = false;
    int attempts = 0;       // attempts the run made, the first included
    int blocksDone = 0;     // blocks of a write the radio acknowledged in any attempt
    int blocksTotal = 0;    // blocks of the whole write; 0 for a read

    bool completed() const { return kind == Kind::Completed; }
    bool operator==(const LinkOutcome&) const = default;
};

// The message for an outcome, in the language asked for.
QString linkOutcomeText(const LinkOutcome& outcome, Language language);
// For a write that failed, what reached the radio, so the user knows whether
// its memory changed; empty for every other outcome.
QString reachedRadioText(const LinkOutcome& outcome, Language language);
// The message, followed on a line of its own by what reached the radio when
// there is something to say.
QString linkOutcomeReport(const LinkOutcome& outcome, Language language);

} // namespace r5

Q_DECLARE_METATYPE(r5::LinkOutcome)
