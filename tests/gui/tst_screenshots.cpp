// The pictures scripts/screenshots takes: one of the main window and one of
// every window, in both languages, each a readable PNG.
#include "app/screenshots.h"
#include "gui/program_helpers.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace r5;
using namespace r5::test;

class ScreenshotTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowInBothLanguages();
};

void ScreenshotTest::everyWindowInBothLanguages()
{
    QTemporaryDir folder;
    TestProgram program;
    program.startUp();
    QCOMPARE(writeScreenshots(program.frame, folder.path()), 0);
    QStringList expected;
    for (const QString language : {"zh", "en"}) {
        expected << language + "-MDImain.png";
        for (const QString& window : program.frame.windowNames())
            expected << language + "-" + window + ".png";
    }
    expected.sort();
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), expected);
    for (const QString& name : expected) {
        const QImage image(folder.filePath(name));
        QVERIFY2(!image.isNull() && image.width() > 100 && image.height() > 50, qPrintable(name));
    }
    QVERIFY(program.frame.child("frm_chann"));
}

QTEST_MAIN(ScreenshotTest)
#include "tst_screenshots.moc"
