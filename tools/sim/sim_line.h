#pragma once

#include "virtual_radio.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <functional>

namespace r5::sim {

struct LineOptions {
    QString linkPath;      // symlink to the pseudo-terminal
    bool fast = false;     // no 9600-baud pacing
    QString logPath;       // hex trace of both directions
    std::function<void()> afterWrite;   // called when the radio stored a write
};

// The radio's end of the cable: a pseudo-terminal whose other end the program
// opens like a serial port. Bytes from the program are grouped into commands
// by a short silence on the line; answers go out at 9600-baud pace, each byte
// when its last bit would have left a real radio.
class SimLine {
public:
    SimLine(VirtualRadio& radio, LineOptions options);
    ~SimLine();

    // Creates the pseudo-terminal and the link; false with a reason on stderr.
    bool open();
    QString deviceName() const { return slaveName_; }
    // Serves until SIGINT or SIGTERM, or until a pulled cable closes the line.
    // Returns the exit status.
    int run();

private:
    using Clock = long long;   // nanoseconds, monotonic
    static Clock now();
    void takeInput(Clock t);
    void endCommand(Clock t);
    void sendDue(Clock t);
    void queueOutput(Clock t, const QByteArray& bytes);
    void releaseHeld(Clock t);
    void log(char direction, const QByteArray& bytes);
    void closeLine();

    VirtualRadio& radio_;
    LineOptions options_;
    int master_ = -1;
    int slave_ = -1;       // kept open so the line survives the program closing its port
    QString slaveName_;
    FILE* log_ = nullptr;
    Clock started_ = 0;

    QByteArray command_;
    Clock commandEnd_ = 0;      // when the last byte of the command has fully arrived
    QByteArray output_;
    Clock outputFirstDue_ = 0;  // when output_[0] has fully left
    Clock lineFreeAt_ = 0;      // when the radio's transmitter is idle again
    QByteArray held_;           // the second half of a split answer
    Clock heldUntil_ = 0;       // when it may start to leave
    bool hangupPending_ = false;   // close the line once the output has left
};

} // namespace r5::sim
