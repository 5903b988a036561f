// The channel windows inside the running program: an open grid cell against
// changes made elsewhere (a file load, a read, the detail editor), the
// program's exit, and the room the grid needs on small or scaled screens.
#include "files/channel_file.h"
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "model/channel_record.h"
#include "model/frequency_codec.h"
#include "ui/child_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace r5;

class ChannelEditingTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void anOpenCellNeverOverwritesNewerData_data();
    void anOpenCellNeverOverwritesNewerData();
    void exitDropsOpenEditsWithoutAMessage();
    void allLinesAndColumnsFitTheOpeningSize_data();
    void allLinesAndColumnsFitTheOpeningSize();

private:
    ChildWindow* grid() const { return program_->frame.child("frm_chann"); }
    QTableWidget* table() const { return grid()->findChild<QTableWidget*>("MSF_chann"); }
    void activate(const QString& name)
    {
        for (QMdiSubWindow* frame : program_->frame.workspace()->subWindowList())
            if (frame->widget() == program_->frame.child(name))
                program_->frame.workspace()->setActiveSubWindow(frame);
    }
    void clickCell(int line, int column)
    {
        const QRect cell = table()->visualRect(table()->model()->index(line - 1, column));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
    }

    std::unique_ptr<test::TestProgram> program_;
    std::unique_ptr<test::PromptCatcher> prompts_;
};

void ChannelEditingTest::init()
{
    prompts_ = std::make_unique<test::PromptCatcher>();
    program_ = std::make_unique<test::TestProgram>();
    program_->startUp();
    program_->state.language = Language::English;
    program_->frame.resize(1100, 700);
    program_->frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&program_->frame));
    QVERIFY(grid());
}

void ChannelEditingTest::cleanup()
{
    program_.reset();
    prompts_.reset();
}

void ChannelEditingTest::anOpenCellNeverOverwritesNewerData_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("column");
    QTest::newRow("file load under a receive cell") << "load" << 1;
    QTest::newRow("read under a tone cell") << "read" << 3;
    QTest::newRow("detail editor under a tone cell") << "detail" << 3;
}

void ChannelEditingTest::anOpenCellNeverOverwritesNewerData()
{
    QFETCH(QString, change);
    QFETCH(int, column);
    AppState& state = program_->state;
    channel::setDecode(state.image, 3, ToneTable::code(1));  // a tone a stale commit would write back
    grid()->activated();
    grid()->parentWidget()->resize(700, 300);
    QScrollBar* bar = table()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    clickCell(3, column);  // opened, nothing typed ...
    bar->setValue(1);      // ... and the grid scrolled

    RadioImage newer = state.image;
    channel::setReceive(newer, 3, frequencyBytes("440.50000"));
    channel::setDecode(newer, 3, ToneTable::code(205));
    if (change == "load") {
        program_->frame.openWindow("Form_open_chann");
        QVERIFY(!loadChannelText(state.image, channelFileText(newer), "plan.chann"));
        program_->frame.closeWindow("Form_open_chann");
    } else if (change == "read") {
        program_->frame.openWindow("Form_Comm_Read");
        state.image = newer;  // what a read stores at its end
        program_->frame.closeWindow("Form_Comm_Read");
    } else {
        program_->frame.openWindow("Form_Chann_Edit");  // shows channel 3
        auto* decode = program_->frame.child("Form_Chann_Edit")->findChild<QComboBox*>("Combo_Decode");
        decode->setCurrentIndex(205);
        emit decode->activated(205);
        channel::setReceive(state.image, 3, frequencyBytes("440.50000"));
    }
    activate("frm_chann");
    QCOMPARE(table()->item(2, 3)->text().trimmed(), QString("D754I"));
    clickCell(5, 5);  // leaves the cell opened before the change
    QCOMPARE(frequencyText(channel::receive(state.image, 3)), QString("440.50000"));
    QCOMPARE(channel::decode(state.image, 3), ToneTable::code(205));
    QCOMPARE(table()->item(2, 3)->text().trimmed(), QString("D754I"));
}

void ChannelEditingTest::exitDropsOpenEditsWithoutAMessage()
{
    program_->frame.openWindow("Form_Chann_Edit");
    auto* receive = program_->frame.child("Form_Chann_Edit")->findChild<QLineEdit*>("Text_RX_Freq");
    receive->setFocus();
    receive->selectAll();
    QTest::keyClicks(receive, "9");  // out of the band
    activate("frm_chann");
    const RadioImage before = program_->state.image;
    clickCell(4, 1);
    QTest::keyClicks(grid()->findChild<QLineEdit*>("Text_Edit"), "999");
    program_->frame.close();
    QVERIFY(prompts_->empty());
    QCOMPARE(program_->state.image, before);
}

void ChannelEditingTest::allLinesAndColumnsFitTheOpeningSize_data()
{
    QTest::addColumn<QSize>("screen");  // in the program's pixels
    QTest::newRow("1366x768 at 100 %") << QSize(1366, 768);
    QTest::newRow("1920x1080 at 150 %") << QSize(1280, 720);
}

void ChannelEditingTest::allLinesAndColumnsFitTheOpeningSize()
{
    QFETCH(QSize, screen);
    program_->frame.resize(int(screen.width() / 1.3), int(screen.height() / 1.2));
    program_->frame.openWindow("frm_chann");
    QTRY_VERIFY(grid()->isVisible());
    const QRect inWorkspace = grid()->parentWidget()->geometry();
    QVERIFY(program_->frame.workspace()->rect().contains(inWorkspace));
    QCOMPARE(table()->verticalScrollBar()->maximum(), 0);
    QCOMPARE(table()->horizontalScrollBar()->maximum(), 0);
    QVERIFY(table()->viewport()->rect().contains(table()->visualRect(table()->model()->index(15, 9))));
    QVERIFY(grid()->findChild<QPushButton*>("Command_close")->visibleRegion().boundingRect().height() > 10);
}

QTEST_MAIN(ChannelEditingTest)
#include "tst_channel_editing.moc"
