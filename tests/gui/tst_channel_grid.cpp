// The channel grid driven as a user drives it: clicks on cells, keys and input
// methods in the floating editors, the buttons; then inside the running
// program, an open cell against newer data, the exit and the opening size.
// One case per rule proves the window is bound to it; the rules' full tables
// are tested in the core.
#include "channels/channel_grid_window.h"
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "gui/widget_helpers.h"
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"
#include "model/frequency_codec.h"

#include <memory>

using namespace r5;
using namespace r5::test;

class ChannelGridTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        state_ = std::make_unique<AppState>();
        state_->selectModel(kVhfModel);  // band 136 to 175
        prompts_ = std::make_unique<PromptCatcher>();
    }

    void cleanup()
    {
        if (!program_)
            delete window_.data();
        program_.reset();
        prompts_.reset();
        state_.reset();
    }

    void newChannelTypedAndEnterMovesOn()
    {
        clearChannel(state_->image, 3);
        open();
        click(3, 1);
        QTest::keyClicks(textEdit(), "145.5");
        enter(1);
        // Enter went on to the transmit frequency, which the new channel's line shows already.
        QVERIFY(editorOver(3, 2));
        QCOMPARE(textEdit()->text(), QString("145.50000"));

        // A click chooses the current channel; Enter moves on without choosing.
        click(7, 9);
        QCOMPARE(window_->windowTitle(), QString("Channel Information [ Channel -  7 ]"));
        enter(9);
        QVERIFY(editorOver(8, 1));
        QCOMPARE(state_->currentChannel, 7);
    }

    // One cell per rule: an opened cell commits even unchanged, a typed tone is
    // upper-cased, a list column chooses by keys alone, and an encode tone
    // without a transmit frequency stays locked.
    void cellsCommitByTheirRules()
    {
        channel::setTransmit(state_->image, 5, {0x00, 0x00, 0x00, 0x15});
        channel::setEncode(state_->image, 12, ToneTable::code(40));  // D023N; decode stays 67.0
        channel::clearTransmit(state_->image, 2);
        open();
        click(5, 1);  // opened and left unchanged: transmit := receive
        click(12, 3);  // ... and so for the decode tone: encode := decode
        QCOMPARE(channel::transmit(state_->image, 5), channel::receive(state_->image, 5));
        click(12, 5);
        QCOMPARE(channel::encode(state_->image, 12), channel::decode(state_->image, 12));

        click(13, 3);
        QTest::keyClicks(comboEdit(), "d023n");
        QCOMPARE(comboEdit()->currentText(), QString("D023N"));
        enter(3);
        QCOMPARE(channel::decode(state_->image, 13), ToneTable::code(40));

        click(10, 5);
        QTest::keyClicks(comboEdit(), "Low");
        QCOMPARE(comboEdit()->currentText(), QString("High"));
        QTest::keyClick(comboEdit(), Qt::Key_Down);  // chosen at once
        QCOMPARE(channel::field(state_->image, 10, channel::kHighPower), 0);

        click(2, 4);
        QVERIFY(!textEdit()->isVisible() && !comboEdit()->isVisible());
    }

    // The message follows the language of the moment: here a switch after opening.
    void frequencyCommits()
    {
        open();
        state_->language = Language::Chinese;
        click(8, 2);
        QTest::keyClicks(textEdit(), "500");
        enter(2);
        QCOMPARE(text(8, 2), QString("136.00000"));
        QTRY_COMPARE(prompts_->lastText(), QString("发射频率超出范围 ！"));
    }

    void noneByMouseThenClearAndDefault()
    {
        open();
        click(12, 3);
        // The user opens the list and clicks its first entry.
        comboEdit()->showPopup();
        QAbstractItemView* list = comboEdit()->view();
        QTRY_VERIFY(list->isVisible());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(comboEdit()->currentText(), QString("None"));
        click(12, 9);  // leaving the cell keeps the choice
        QCOMPARE(text(12, 3), QString("None"));

        QTest::mouseClick(button("Command_clear"), Qt::LeftButton);
        QCOMPARE(text(16, 1), QString());
        state_->currentModel = kFullModel;  // takes the VHF set
        QTest::mouseClick(button("Command_def"), Qt::LeftButton);
        QCOMPARE(text(1, 1), QString("130.02500"));
    }

    // One row per filter: the frequency box's and the tone list's.
    void editorsTakeOnlyTheirCharacters()
    {
        open();
        for (const auto& [column, keys, committed, shown] :
             {std::tuple{1, "1x4-5", "．５ＯＦＦ", "145.5"}, {3, "1o0x", "０．ｄＯＦＦ", "100.D"}}) {
            click(9, column);
            QTest::keyClick(editor(column), Qt::Key_Delete);
            QTest::keyClicks(editor(column), keys);
            commitText(QApplication::focusWidget(), committed);  // by an input method
            QCOMPARE(column == 1 ? textEdit()->text() : comboEdit()->currentText(), QString(shown));
        }
    }

    void arrowKeysCommitOnlyAnOpenedCellToItsChannel()
    {
        channel::setTransmit(state_->image, 3, {0x00, 0x00, 0x00, 0x15});  // a commit would show
        open();
        const RadioImage before = state_->image;
        grid()->setFocus();
        grid()->setCurrentCell(2, 1);
        for (int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up})
            QTest::keyClick(grid(), Qt::Key(key));
        QCOMPARE(state_->image, before);  // cells never opened commit nothing

        click(4, 1);
        QTest::keyClicks(textEdit(), "160");
        QTest::keyClick(textEdit(), Qt::Key_Down);
        QCOMPARE(receiveText(4), QString("160.00000"));  // not channel 5, the cell reached
    }

    void leavingForAButtonByTabOrClosingCommits()
    {
        open();
        click(11, 3);
        QTest::keyClicks(comboEdit(), "D754I");
        QTest::mouseClick(button("Command_Edit"), Qt::LeftButton);
        QCOMPARE(channel::decode(state_->image, 11), ToneTable::code(205));

        click(11, 2);
        QTest::keyClicks(textEdit(), "161");
        QTest::keyClick(textEdit(), Qt::Key_Tab);
        QCOMPARE(frequencyText(channel::transmit(state_->image, 11)), QString("161.00000"));
        QVERIFY(button("Command_Edit")->hasFocus());

        click(11, 1);
        QTest::keyClicks(textEdit(), "162");
        window_->close();  // closing the window alone keeps the open cell
        QCOMPARE(receiveText(11), QString("162.00000"));
    }

    // A file load or a read under an open cell (a menu command takes no focus
    // from it): the grid shows the newer data and drops the open cell rather
    // than write its old text back.
    void anOpenCellNeverOverwritesNewerData()
    {
        open();
        click(3, 1);  // opened, nothing typed
        RadioImage newer = state_->image;
        channel::setReceive(newer, 3, frequencyBytes("440.50000"));
        state_->image = newer;  // what a load or a read stores at its end
        window_->activated();
        click(5, 5);  // leaves the cell opened before the change
        QCOMPARE(state_->image, newer);
    }

    // All lines and columns fit the opening size on the smallest screen the
    // program is made for (1920x1080 at 150 %, in the program's pixels); at the
    // program's exit an open cell is dropped without a message.
    void openingSizeAndExit()
    {
        program_ = std::make_unique<TestProgram>(eightBuiltInPorts(), MainWindow::Options{Language::English, false});
        program_->startUp();
        program_->frame.resize(int(1280 / 1.3), int(720 / 1.2));
        program_->frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&program_->frame));
        program_->frame.openWindow("frm_chann");
        window_ = program_->frame.child("frm_chann");
        QTRY_VERIFY(window_->isVisible());
        QVERIFY(program_->frame.workspace()->rect().contains(window_->parentWidget()->geometry()));
        QCOMPARE(grid()->verticalScrollBar()->maximum(), 0);
        QCOMPARE(grid()->horizontalScrollBar()->maximum(), 0);
        QVERIFY(button("Command_close")->visibleRegion().boundingRect().height() > 10);

        auto* receive = child<QLineEdit>(program_->frame.openWindow("Form_Chann_Edit"), "Text_RX_Freq");
        receive->setFocus();
        receive->selectAll();
        QTest::keyClicks(receive, "9");  // out of the band
        program_->frame.showWindow("frm_chann");
        const RadioImage before = program_->state.image;
        click(4, 1);
        QTest::keyClicks(textEdit(), "999");
        program_->frame.close();
        QVERIFY(prompts_->empty());
        QCOMPARE(program_->state.image, before);
    }

private:
    void open(Language language = Language::English)
    {
        state_->language = language;
        window_ = new ChannelGridWindow(*state_);
        window_->resize(1100, 700);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }

    QTableWidget* grid() const { return child<QTableWidget>(window_, "MSF_chann"); }
    QLineEdit* textEdit() const { return child<QLineEdit>(window_, "Text_Edit"); }
    QComboBox* comboEdit() const { return child<QComboBox>(window_, "Combo_edit"); }
    QPushButton* button(const char* name) const { return child<QPushButton>(window_, name); }
    QWidget* editor(int column) const
    {
        return column <= grid::kTransmitColumn ? static_cast<QWidget*>(textEdit()) : comboEdit();
    }
    QString text(int line, int column) const { return grid()->item(line - 1, column)->text().trimmed(); }
    void click(int line, int column) { clickCell(grid(), line, column); }
    void enter(int column) { QTest::keyClick(editor(column), Qt::Key_Return); }
    // Whether the editor of `column` lies exactly over the cell.
    bool editorOver(int line, int column) const
    {
        const QRect cell = grid()->visualRect(grid()->model()->index(line - 1, column));
        QWidget* shown = editor(column);
        return shown->isVisible() && shown->geometry().topLeft() == cell.topLeft() && shown->width() == cell.width();
    }
    QString receiveText(int n) const { return frequencyText(channel::receive(state_->image, n)); }

    std::unique_ptr<AppState> state_;
    std::unique_ptr<TestProgram> program_;
    QPointer<ChildWindow> window_;
    std::unique_ptr<PromptCatcher> prompts_;
};

QTEST_MAIN(ChannelGridTest)
#include "tst_channel_grid.moc"
