// r5prog's command line.
#include "app/command_line.h"

#include <QtTest>

using namespace r5;

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void parses();
};

void CommandLineTest::parses()
{
    const struct {
        QStringList arguments;
        QString error;
    } refused[] = {
        {{"--language", "fr"}, "--language takes zh or en, not 'fr'"},
        {{"--port"}, "--port needs a value"},
        {{"--port="}, "--port needs a device"},
        {{"--port", "COM9"}, "port number must be 1 to 8 (COM1 to COM8): COM9"},
        {{"-platform", "offscreen"}, "unknown argument '-platform'"},
    };
    for (const auto& c : refused) {
        const ProgramOptions options = parseProgramOptions(c.arguments);
        QCOMPARE(options.error, c.error);
        QCOMPARE(options.unknownArgument, c.arguments.first() == "-platform");
    }
    const ProgramOptions plain = parseProgramOptions({});
    QVERIFY(plain.language == Language::Chinese && !plain.factory && plain.error.isEmpty());
    const ProgramOptions options = parseProgramOptions(
        {"--port", "/dev/ttyUSB0", "--language=en", "--port=COM3", "--factory", "--port=/tmp/radio", "--port", "5"});
    QVERIFY2(options.error.isEmpty(), qPrintable(options.error));
    QCOMPARE(options.ports, QStringList({"/dev/ttyUSB0", "/tmp/radio"}));  // devices join the list in order
    QCOMPARE(options.startComPort, 5);                                      // a number chooses the start port
    QVERIFY(options.language != Language::Chinese && options.factory);
    QVERIFY(parseProgramOptions({"--language", "zh"}).language == Language::Chinese);
    QVERIFY(parseProgramOptions({"--help"}).help);
    QVERIFY(parseProgramOptions({"--version"}).version);
    QCOMPARE(parseProgramOptions({"--screenshots", "out"}).screenshotFolder, QString("out"));
}

QTEST_MAIN(CommandLineTest)
#include "tst_command_line.moc"
