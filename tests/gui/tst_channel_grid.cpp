// The channel grid driven as a user drives it: clicks on cells, keys and input
// methods in the floating editors, the buttons. One case per rule proves the
// window is bound to it; the rules' full tables are tested in the core.
#include "channels/channel_grid_window.h"
#include "gui/prompt_helpers.h"
#include "model/channel_edit_rules.h"
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace r5;

class ChannelGridTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newVhfChannelTypedAs145_5();
    void openedCellsCommitEvenUnchanged();
    void frequencyCommits_data();
    void frequencyCommits();
    void choosingNoneWritesNoTonePairs();
    void typedToneIsUpperCasedAndStored();
    void editorsTakeOnlyTheirCharacters_data();
    void editorsTakeOnlyTheirCharacters();
    void listColumnsWriteTheirBitsAndCannotBeTyped();
    void encodeLockedWithoutTransmit();
    void arrowKeysCommitOnlyAnOpenedCellToItsChannel();
    void leavingForAButtonByTabOrClosingCommits();
    void clickSetsCurrentChannelEnterDoesNot();
    void defaultAndClear();

private:
    void open(Language language = Language::English);
    QTableWidget* grid() const { return window_->findChild<QTableWidget*>("MSF_chann"); }
    QLineEdit* textEdit() const { return window_->findChild<QLineEdit*>("Text_Edit"); }
    QComboBox* comboEdit() const { return window_->findChild<QComboBox*>("Combo_edit"); }
    QPushButton* button(const char* name) const { return window_->findChild<QPushButton*>(name); }
    QWidget* editor(int column) const
    {
        return column <= grid::kTransmitColumn ? static_cast<QWidget*>(textEdit()) : comboEdit();
    }
    QString text(int line, int column) const { return grid()->item(line - 1, column)->text().trimmed(); }
    QRect cellRect(int line, int column) const { return grid()->visualRect(grid()->model()->index(line - 1, column)); }
    void click(int line, int column)
    {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cellRect(line, column).center());
    }
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
        const QRect cell = cellRect(line, column);
        QWidget* shown = editor(column);
        return shown->isVisible() && shown->geometry().topLeft() == cell.topLeft() && shown->width() == cell.width();
    }
    QString receiveText(int n) const { return frequencyText(channel::receive(state_->image, n)); }

    std::unique_ptr<AppState> state_;
    std::unique_ptr<ChannelGridWindow> window_;
    std::unique_ptr<test::PromptCatcher> prompts_;
};

void ChannelGridTest::init()
{
    state_ = std::make_unique<AppState>();
    state_->selectModel(kVhfModel);  // band 136 to 175
    prompts_ = std::make_unique<test::PromptCatcher>();
}

void ChannelGridTest::cleanup()
{
    window_.reset();
    prompts_.reset();
    state_.reset();
}

void ChannelGridTest::open(Language language)
{
    state_->language = language;
    window_ = std::make_unique<ChannelGridWindow>(*state_);
    window_->resize(1100, 700);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void ChannelGridTest::newVhfChannelTypedAs145_5()
{
    clearChannel(state_->image, 3);
    open();
    typeInto(3, 1, "145.5");
    const QStringList shown{"145.50000", "145.50000", "None", "None", "High", "Wide", "Yes", "OFF", "OFF"};
    for (int column = 1; column <= 9; ++column)
        QCOMPARE(text(3, column), shown[column - 1]);
    QCOMPARE(channel::transmit(state_->image, 3), (FrequencyBytes{0x00, 0x00, 0x55, 0x14}));
    QVERIFY(channel::inScan(state_->image, 3));
    QVERIFY(editorOver(3, 2));  // Enter went on to the transmit frequency
    QCOMPARE(textEdit()->text(), QString("145.50000"));
}

void ChannelGridTest::openedCellsCommitEvenUnchanged()
{
    channel::setTransmit(state_->image, 5, {0x00, 0x00, 0x00, 0x15});
    channel::setEncode(state_->image, 12, ToneTable::code(40));  // D023N; decode stays 67.0
    open();
    click(5, 1);  // opened and left unchanged: transmit := receive
    click(12, 3);  // ... and so for the decode tone: encode := decode
    QCOMPARE(channel::transmit(state_->image, 5), channel::receive(state_->image, 5));
    click(12, 5);
    QCOMPARE(text(12, 4), QString("67.0"));
    QCOMPARE(channel::encode(state_->image, 12), channel::decode(state_->image, 12));
}

void ChannelGridTest::frequencyCommits_data()
{
    QTest::addColumn<bool>("chineseThen");  // the language when the cell is committed
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("message");
    QTest::newRow("receive below the band") << false << 1 << "100" << "136.00000"
                                            << "Over the range of receive frequency .";
    QTest::newRow("transmit after a switch to Chinese") << true << 2 << "500" << "136.00000" << "发射频率超出范围 ！";
    QTest::newRow("finer than 10 Hz is cut") << false << 1 << "145.1234567" << "145.12345" << "";
}

void ChannelGridTest::frequencyCommits()
{
    QFETCH(bool, chineseThen);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, message);
    open();
    state_->language = chineseThen ? Language::Chinese : Language::English;  // messages follow the language of the moment
    typeInto(7, column, typed);
    QCOMPARE(text(7, column), stored);
    const FrequencyBytes bytes = column == 1 ? channel::receive(state_->image, 7) : channel::transmit(state_->image, 7);
    QCOMPARE(frequencyText(bytes), stored);
    QTRY_COMPARE(prompts_->lastText(), message);
    if (!message.isEmpty())
        QCOMPARE(prompts_->prompts().first().title, QString(chineseThen ? "操作提示" : "Operate prompt"));
}

void ChannelGridTest::choosingNoneWritesNoTonePairs()
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
}

void ChannelGridTest::typedToneIsUpperCasedAndStored()
{
    open();
    click(12, 3);
    QTest::keyClicks(comboEdit(), "d023n");
    QCOMPARE(comboEdit()->currentText(), QString("D023N"));
    enter(3);
    QCOMPARE(channel::decode(state_->image, 12), ToneTable::code(40));
    QCOMPARE(channel::encode(state_->image, 12), ToneTable::code(40));
    QVERIFY(editorOver(12, 4));
}

void ChannelGridTest::editorsTakeOnlyTheirCharacters_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("committed");  // by an input method
    QTest::addColumn<QString>("shown");
    QTest::newRow("frequency") << 1 << "1x4-5" << QString::fromUtf8("．５ＯＦＦ") << "145.5";
    QTest::newRow("tone") << 3 << "1o0x" << QString::fromUtf8("０．ｄＯＦＦ") << "100.D";
}

void ChannelGridTest::editorsTakeOnlyTheirCharacters()
{
    QFETCH(int, column);
    QFETCH(QString, keys);
    QFETCH(QString, committed);
    QFETCH(QString, shown);
    open();
    click(9, column);
    QTest::keyClick(editor(column), Qt::Key_Delete);
    QTest::keyClicks(editor(column), keys);
    QInputMethodEvent input;
    input.setCommitString(committed);
    QApplication::sendEvent(QApplication::focusWidget(), &input);
    QCOMPARE(column == 1 ? textEdit()->text() : comboEdit()->currentText(), shown);
}

void ChannelGridTest::listColumnsWriteTheirBitsAndCannotBeTyped()
{
    open();
    click(10, 5);
    QTest::keyClicks(comboEdit(), "Low");
    QCOMPARE(comboEdit()->currentText(), QString("High"));
    QTest::keyClick(comboEdit(), Qt::Key_Down);  // chosen at once ...
    QCOMPARE(channel::field(state_->image, 10, channel::kHighPower), 0);
    enter(5);  // ... and shown when the cell is left
    QCOMPARE(text(10, 5), QString("Low"));
}

void ChannelGridTest::encodeLockedWithoutTransmit()
{
    channel::clearTransmit(state_->image, 2);
    open();
    const RadioImage before = state_->image;
    click(2, 4);
    QVERIFY(!textEdit()->isVisible() && !comboEdit()->isVisible());
    click(2, 0);  // leaving the locked cell writes nothing
    QCOMPARE(state_->image, before);
}

void ChannelGridTest::arrowKeysCommitOnlyAnOpenedCellToItsChannel()
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

void ChannelGridTest::leavingForAButtonByTabOrClosingCommits()
{
    open();
    QSignalSpy editRequests(window_.get(), &ChannelGridWindow::channelEditRequested);
    click(11, 1);
    QTest::keyClicks(textEdit(), "160");
    QTest::mouseClick(button("Command_Help"), Qt::LeftButton);  // a button that does nothing itself
    QCOMPARE(receiveText(11), QString("160.00000"));
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

void ChannelGridTest::clickSetsCurrentChannelEnterDoesNot()
{
    open();
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

void ChannelGridTest::defaultAndClear()
{
    open();
    QTest::mouseClick(button("Command_clear"), Qt::LeftButton);
    for (int line = 1; line <= 16; ++line) {
        QCOMPARE(text(line, 1), QString());
        QVERIFY(!channel::inScan(state_->image, line));
    }
    state_->currentModel = kFullModel;  // takes the VHF set
    QTest::mouseClick(button("Command_def"), Qt::LeftButton);
    QCOMPARE(text(1, 1), QString("130.02500"));
    QVERIFY(!channel::inScan(state_->image, 1));  // the scan bits are not the builder's
}

QTEST_MAIN(ChannelGridTest)
#include "tst_channel_grid.moc"
