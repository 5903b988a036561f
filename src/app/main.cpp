// r5prog: the desktop programmer for Harlan R5 radios.
#include "app/command_line.h"
#include "app/program.h"
#include "app/screenshots.h"
#include "version.h"

#include <QApplication>

#include <cstdio>
#include <optional>

namespace {

void print(FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

int usageError(const QString& message)
{
    print(stderr, "r5prog: " + message + "\nTry 'r5prog --help'.\n");
    return 2;
}

// Our own options are checked before a display is needed, so --help, --version
// and usage errors answer on a terminal without one. Qt's options (-platform
// and the like) are only known once QApplication has taken them.
std::optional<int> answerWithoutDisplay(const QStringList& arguments)
{
    const r5::ProgramOptions options = r5::parseProgramOptions(arguments);
    if (options.unknownArgument)
        return std::nullopt;  // perhaps a Qt option: decided after QApplication
    if (!options.error.isEmpty())
        return usageError(options.error);
    if (options.help) {
        print(stdout, r5::programUsage());
        return 0;
    }
    if (options.version) {
        print(stdout, QString("r5prog %1 (%2)\n").arg(r5::kProgramVersion, r5::kVersionText));
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto answered = answerWithoutDisplay(arguments))
        return *answered;

    QApplication app(argc, argv);
    QApplication::setApplicationName("r5prog");
    QApplication::setApplicationVersion(r5::kProgramVersion);
    QApplication::setDesktopFileName("r5prog");

    // Qt has taken its own options (-platform and the like) by now.
    const r5::ProgramOptions options = r5::parseProgramOptions(QApplication::arguments().mid(1));
    if (!options.error.isEmpty())
        return usageError(options.error);
    if (options.help || options.version)
        return *answerWithoutDisplay(QApplication::arguments().mid(1));

    r5::Program program(options);
    if (!options.screenshotFolder.isEmpty())
        return r5::writeScreenshots(program.frame(), options.screenshotFolder) == 0 ? 0 : 1;
    program.frame().show();
    return QApplication::exec();
}
