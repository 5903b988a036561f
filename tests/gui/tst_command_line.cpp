// r5prog's command line.
#include "app/command_line.h"

#include <QtTest>

using namespace r5;

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void parses_data();
    void parses();
};

void CommandLineTest::parses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<bool>("factory");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("unknown");
    QTest::newRow("nothing") << QStringList{} << QStringList{} << true << false << "" << false;
    QTest::newRow("ports in order")
        << QStringList{"--port", "/dev/ttyUSB0", "--port=/tmp/radio"} << QStringList{"/dev/ttyUSB0", "/tmp/radio"}
        << true << false << "" << false;
    QTest::newRow("English, factory") << QStringList{"--language", "en", "--factory"} << QStringList{} << false
                                      << true << "" << false;
    QTest::newRow("Chinese") << QStringList{"--language=zh"} << QStringList{} << true << false << "" << false;
    QTest::newRow("bad language") << QStringList{"--language", "fr"} << QStringList{} << true << false
                                  << "--language takes zh or en, not 'fr'" << false;
    QTest::newRow("port without device") << QStringList{"--port"} << QStringList{} << true << false
                                         << "--port needs a value" << false;
    QTest::newRow("empty port") << QStringList{"--port="} << QStringList{} << true << false
                                << "--port needs a device" << false;
    QTest::newRow("unknown") << QStringList{"-platform", "offscreen"} << QStringList{} << true << false
                             << "unknown argument '-platform'" << true;
}

void CommandLineTest::parses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, ports);
    QFETCH(bool, chinese);
    QFETCH(bool, factory);
    QFETCH(QString, error);
    QFETCH(bool, unknown);
    const ProgramOptions options = parseProgramOptions(arguments);
    QCOMPARE(options.error, error);
    QCOMPARE(options.unknownArgument, unknown);
    if (error.isEmpty()) {
        QCOMPARE(options.ports, ports);
        QCOMPARE(options.language, language);
        QCOMPARE(options.factory, factory);
    }
    QVERIFY(parseProgramOptions({"--help"}).help);
    QVERIFY(parseProgramOptions({"--version"}).version);
    QCOMPARE(parseProgramOptions({"--screenshots", "out"}).screenshotFolder, QString("out"));
    // A port number chooses the start port; a device joins the port list.
    const ProgramOptions numbered = parseProgramOptions({"--port", "COM3", "--port", "/dev/ttyUSB1", "--port", "5"});
    QVERIFY(numbered.error.isEmpty());
    QCOMPARE(numbered.startComPort, 5);
    QCOMPARE(numbered.ports, QStringList{"/dev/ttyUSB1"});
    QVERIFY(!parseProgramOptions({"--port", "COM9"}).error.isEmpty());
}

QTEST_MAIN(CommandLineTest)
#include "tst_command_line.moc"
