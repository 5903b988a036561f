// The channel grid driven as a user drives it: clicks on cells, keys and input
// methods in the floating editors, the buttons; then inside the running
// program, an open cell against newer data, the exit and the opening size.
// One case per rule proves the window is bound to it; the rules' full tables
// are tested in the core.
#include "channels/channel_grid_window.h"
#include "files/channel_file.h"
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
        typeInto(3, 1, "145.5");
        const QStringList shown{"145.50000", "145.50000", "None", "None", "High", "Wide", "Yes", "OFF", "OFF"};
        for (int column = 1; column <= 9; ++column)
            QCOMPARE(text(3, column), shown[column - 1]);
        QVERIFY(editorOver(3, 2));  // Enter went on to the transmit frequency
        QCOMPARE(textEdit()->text(), QString("145.50000"));

        // A click chooses the current channel; Enter moves on without choosing.
        click(7, 8);
        QCOMPARE(state_->currentChannel, 7);
        QCOMPARE(window_->windowTitle(), QString("Channel Information [ Channel -  7 ]"));
        enter(8);
        enter(9);
        QVERIFY(editorOver(8, 1));
        QCOMPARE(state_->currentChannel, 7);
        click(16, 9);
        enter(9);
        QVERIFY(editorOver(16, 1));  // Enter on the last line stays on it
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
        QCOMPARE(text(12, 4), QString("67.0"));
        QCOMPARE(channel::encode(state_->image, 12), channel::decode(state_->image, 12));

        click(13, 3);
        QTest::keyClicks(comboEdit(), "d023n");
        QCOMPARE(comboEdit()->currentText(), QString("D023N"));
        enter(3);
        QCOMPARE(channel::decode(state_->image, 13), ToneTable::code(40));
        QCOMPARE(channel::encode(state_->image, 13), ToneTable::code(40));
        QVERIFY(editorOver(13, 4));

        click(10, 5);
        QTest::keyClicks(comboEdit(), "Low");
        QCOMPARE(comboEdit()->currentText(), QString("High"));
        QTest::keyClick(comboEdit(), Qt::Key_Down);  // chosen at once ...
        QCOMPARE(channel::field(state_->image, 10, channel::kHighPower), 0);
        enter(5);  // ... and shown when the cell is left
        QCOMPARE(text(10, 5), QString("Low"));

        click(2, 4);
        QVERIFY(!textEdit()->isVisible() && !comboEdit()->isVisible());
        const RadioImage before = state_->image;
        click(2, 0);  // leaving the locked cell writes nothing
        QCOMPARE(state_->image, before);
    }

    // The message follows the language of the moment: here a switch after opening.
    void frequencyCommits()
    {
        open();
        state_->language = Language::Chinese;
        typeInto(8, 2, "500");
        QCOMPARE(text(8, 2), QString("136.00000"));
        QCOMPARE(frequencyText(channel::transmit(state_->image, 8)), QString("136.00000"));
        QTRY_COMPARE(prompts_->lastText(), QString("发射频率超出范围 ！"));
        QCOMPARE(prompts_->prompts().last().title, QString("操作提示"));
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
        QVERIFY(channel::decode(state_->image, 12).isNone() && channel::encode(state_->image, 12).isNone());
        click(12, 9);  // leaving the cell keeps the choice
        QCOMPARE(text(12, 3), QString("None"));
        QVERIFY(channel::decode(state_->image, 12).isNone());

        QTest::mouseClick(button("Command_clear"), Qt::LeftButton);
        QCOMPARE(text(16, 1), QString());
        QVERIFY(!channel::inScan(state_->image, 16));
        state_->currentModel = kFullModel;  // takes the VHF set
        QTest::mouseClick(button("Command_def"), Qt::LeftButton);
        QCOMPARE(text(1, 1), QString("130.02500"));
        QVERIFY(!channel::inScan(state_->image, 1));  // the scan bits are not the builder's
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
        QVERIFY(!textEdit()->isVisible());
        QCOMPARE(receiveText(4), QString("160.00000"));
        QCOMPARE(receiveText(5), frequencyText(channel::receive(before, 5)));
    }

    void leavingForAButtonByTabOrClosingCommits()
    {
        open();
        QSignalSpy editRequests(qobject_cast<ChannelGridWindow*>(window_), &ChannelGridWindow::channelEditRequested);
        click(11, 3);
        QTest::keyClicks(comboEdit(), "D754I");
        QTest::mouseClick(button("Command_Edit"), Qt::LeftButton);
        QCOMPARE(editRequests.size(), 1);
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

    // A file load under an open receive cell, a read under an open tone cell
    // (a menu command takes no focus from it): the grid shows the newer data
    // and drops the open cell rather than write its old text back.
    void anOpenCellNeverOverwritesNewerData()
    {
        for (const bool load : {true, false}) {
            cleanup();
            init();
            channel::setDecode(state_->image, 3, ToneTable::code(1));  // a tone a stale commit would write back
            open();
            click(3, load ? 1 : 3);  // opened, nothing typed
            RadioImage newer = state_->image;
            channel::setReceive(newer, 3, frequencyBytes("440.50000"));
            channel::setDecode(newer, 3, ToneTable::code(205));
            if (load)
                QVERIFY(!loadChannelText(state_->image, channelFileText(newer), "plan.chann"));
            else
                state_->image = newer;  // what a read stores at its end
            window_->activated();
            QCOMPARE(text(3, 3), QString("D754I"));
            click(5, 5);  // leaves the cell opened before the change
            QCOMPARE(frequencyText(channel::receive(state_->image, 3)), QString("440.50000"));
            QCOMPARE(channel::decode(state_->image, 3), ToneTable::code(205));
        }
    }

    // All lines and columns fit the opening size on the smallest screen the
    // program is made for (1920x1080 at 150 %, in the program's pixels); at the
    // program's exit an open cell is dropped without a message.
    void openingSizeAndExit()
    {
        startProgram();
        program_->frame.resize(int(1280 / 1.3), int(720 / 1.2));
        program_->frame.openWindow("frm_chann");
        window_ = program_->frame.child("frm_chann");
        QTRY_VERIFY(window_->isVisible());
        QVERIFY(program_->frame.workspace()->rect().contains(window_->parentWidget()->geometry()));
        QCOMPARE(grid()->verticalScrollBar()->maximum(), 0);
        QCOMPARE(grid()->horizontalScrollBar()->maximum(), 0);
        QVERIFY(grid()->viewport()->rect().contains(grid()->visualRect(grid()->model()->index(15, 9))));
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
    // Click a cell, type over what the editor shows (Delete alone empties it), Enter.
    void typeInto(int line, int column, const QString& keys)
    {
        click(line, column);
        QVERIFY(editor(column)->isVisible());
        if (keys.isEmpty())
            QTest::keyClick(editor(column), Qt::Key_Delete);
        QTest::keyClicks(editor(column), keys);
        enter(column);
    }
    // Whether the editor of `column` lies exactly over the cell.
    bool editorOver(int line, int column) const
    {
        const QRect cell = grid()->visualRect(grid()->model()->index(line - 1, column));
        QWidget* shown = editor(column);
        return shown->isVisible() && shown->geometry().topLeft() == cell.topLeft() && shown->width() == cell.width();
    }
    QString receiveText(int n) const { return frequencyText(channel::receive(state_->image, n)); }
    // The whole program, started, shown, with the grid as `window_`.
    void startProgram()
    {
        program_ = std::make_unique<TestProgram>(eightBuiltInPorts(), MainWindow::Options{Language::English, false});
        program_->startUp();
        program_->frame.resize(1100, 700);
        program_->frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&program_->frame));
        window_ = program_->frame.child("frm_chann");
        state_.reset();
    }

    std::unique_ptr<AppState> state_;
    std::unique_ptr<TestProgram> program_;
    QPointer<ChildWindow> window_;
    std::unique_ptr<PromptCatcher> prompts_;
};

QTEST_MAIN(ChannelGridTest)
#include "tst_channel_grid.moc"
