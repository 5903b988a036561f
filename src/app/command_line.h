#pragma once

#include <QString>
#include <QStringList>

namespace r5 {

// The command line of r5prog.
struct ProgramOptions {
    QStringList ports;          // --port DEVICE, in the order given
    int startComPort = 0;       // --port COMn or n: start on that port instead of probing
    bool factory = false;       // --factory: the factory adjustment command
    Language language = Language::Chinese;        // --language zh|en
    bool help = false;
    bool version = false;
    QString screenshotFolder;   // --screenshots FOLDER: pictures of every window, then exit
    QString error;              // a usage error, for the user
    bool unknownArgument = false;  // the error is an argument we do not know (perhaps Qt's own)
};

// Parses the arguments after the program name.
ProgramOptions parseProgramOptions(const QStringList& arguments);

QString programUsage();

} // namespace r5
