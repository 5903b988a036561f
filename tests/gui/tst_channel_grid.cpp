// The channel grid driven as a user drives it: clicks on cells, keys in the
// floating editors, the buttons. Every check looks at the image as well as at
// what the grid shows.
#include "channels/channel_grid_window.h"
#include "gui/prompt_helpers.h"
#include "model/channel_edit_rules.h"
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
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

    void opensWithHeaderTitleAndHiddenEditors_data();
    void opensWithHeaderTitleAndHiddenEditors();
    void newVhfChannelTypedAs145_5_data();
    void newVhfChannelTypedAs145_5();
    void receiveOverwritesTransmitEvenWhenMerelyOpened();
    void openedDecodeCellCopiesDecodeToEncode();
    void emptyingReceiveAndTransmit();
    void frequenciesOutsideTheBandOrUnstorable_data();
    void frequenciesOutsideTheBandOrUnstorable();
    void transmitWithoutReceiveIsRefused();
    void choosingNoneWritesNoTonePairs();
    void typedTonesAreStored_data();
    void typedTonesAreStored();
    void keyFiltersIgnoreOtherKeys();
    void listColumnsWriteTheirBitsAndCannotBeTyped();
    void scramblerNibble15IsShownAndKept();
    void encodeLockedWithoutTransmit();
    void enterWalksTheLineAndStaysOnLine16();
    void cellsNeverOpenedCommitNothing();
    void leavingForAButtonCommits();
    void scrollingHidesTheEditorButKeepsTheEdit();
    void clickSetsCurrentChannelEnterDoesNot();
    void defaultFollowsTheModel_data();
    void defaultFollowsTheModel();
    void clearEmptiesEveryLineAndScanBit();
    void closeAsksTheMainWindowOrClosesItself();

private:
    void open(Language language = false);
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

void ChannelGridTest::opensWithHeaderTitleAndHiddenEditors_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("firstHeader");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("editCaption");
    QTest::newRow("Chinese") << true << " 信道号 " << "信道参数编辑 [ 信道 -  1 ]" << "信道编辑";
    QTest::newRow("English") << false << " Channel " << "Channel Information [ Channel -  1 ]" << "Channel Edit";
}

void ChannelGridTest::opensWithHeaderTitleAndHiddenEditors()
{
    QFETCH(bool, chinese);
    QFETCH(QString, firstHeader);
    QFETCH(QString, title);
    QFETCH(QString, editCaption);
    state_->currentChannel = 9;
    open(language);

    QCOMPARE(grid()->rowCount(), 16);
    QCOMPARE(grid()->columnCount(), 10);
    QCOMPARE(grid()->horizontalHeaderItem(0)->text(), firstHeader);
    QCOMPARE(window_->windowTitle(), title);
    QCOMPARE(state_->currentChannel, 1);
    QCOMPARE(button("Command_Edit")->text(), editCaption);
    QCOMPARE(text(16, 0), QString("16"));
    QCOMPARE(text(1, 1), QString("130.02500"));
    QVERIFY(!textEdit()->isVisible() && !comboEdit()->isVisible());
    const QRect place = window_->initialGeometry(QSize(1400, 900));
    QVERIFY(QRect(0, 0, 1400, 900).contains(place) && place.width() > 600);
    QVERIFY(window_->initialGeometry(QSize(500, 300)).width() <= 500);
}

void ChannelGridTest::newVhfChannelTypedAs145_5_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("English") << false
                             << QStringList{"145.50000", "145.50000", "None", "None", "High", "Wide", "Yes", "OFF", "OFF"};
    QTest::newRow("Chinese") << true << QStringList{"145.50000", "145.50000", "无", "无", "高", "宽带", "有", "关", "关"};
}

void ChannelGridTest::newVhfChannelTypedAs145_5()
{
    QFETCH(bool, chinese);
    QFETCH(QStringList, shown);
    clearChannel(state_->image, 3);
    open(language);
    typeInto(3, 1, "145.5");

    for (int column = 1; column <= 9; ++column)
        QCOMPARE(text(3, column), shown[column - 1]);
    QCOMPARE(channel::receive(state_->image, 3), (FrequencyBytes{0x00, 0x00, 0x55, 0x14}));
    QCOMPARE(channel::transmit(state_->image, 3), (FrequencyBytes{0x00, 0x00, 0x55, 0x14}));
    QCOMPARE(state_->image.cell(3, channel::kFlagsBCell), quint8(0xB0));
    QVERIFY(channel::inScan(state_->image, 3));
    QVERIFY(prompts_->empty());
    QVERIFY(editorOver(3, 2));  // Enter went on to the transmit frequency
    QCOMPARE(textEdit()->text(), QString("145.50000"));
}

void ChannelGridTest::receiveOverwritesTransmitEvenWhenMerelyOpened()
{
    channel::setTransmit(state_->image, 4, {0x00, 0x00, 0x00, 0x15});
    channel::setTransmit(state_->image, 5, {0x00, 0x00, 0x00, 0x15});
    open();
    QCOMPARE(text(4, 2), QString("150.00000"));
    typeInto(4, 1, "146.125");
    QCOMPARE(text(4, 2), QString("146.12500"));

    click(5, 1);  // opened ...
    click(5, 6);  // ... and left unchanged
    QCOMPARE(text(5, 2), QString("150.02500"));
    QCOMPARE(channel::transmit(state_->image, 5), channel::receive(state_->image, 5));
}

void ChannelGridTest::openedDecodeCellCopiesDecodeToEncode()
{
    channel::setEncode(state_->image, 12, ToneTable::code(40));  // D023N; decode stays 67.0
    open();
    click(12, 3);
    QVERIFY(editorOver(12, 3));
    QCOMPARE(comboEdit()->currentText(), QString("67.0"));
    click(12, 5);
    QCOMPARE(text(12, 4), QString("67.0"));
    QCOMPARE(channel::encode(state_->image, 12), channel::decode(state_->image, 12));
}

void ChannelGridTest::emptyingReceiveAndTransmit()
{
    open();
    const FrequencyBytes receive = channel::receive(state_->image, 12);
    typeInto(12, 2, {});
    for (int c : {4, 5, 6, 7, 10, 11})
        QCOMPARE(state_->image.cell(12, c), quint8(0xFF));
    QCOMPARE(channel::receive(state_->image, 12), receive);
    QCOMPARE((QStringList{text(12, 2), text(12, 3), text(12, 4)}), (QStringList{"", "67.0", ""}));

    QVERIFY(channel::inScan(state_->image, 6));
    typeInto(6, 1, {});
    for (int c = 0; c < 16; ++c)
        QCOMPARE(state_->image.cell(6, c), quint8(0xFF));
    QVERIFY(!channel::inScan(state_->image, 6));
    for (int column = 1; column <= 9; ++column)
        QCOMPARE(text(6, column), QString());
    QVERIFY(prompts_->empty());
}

void ChannelGridTest::frequenciesOutsideTheBandOrUnstorable_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    const QString receive = "Over the range of receive frequency .";
    QTest::newRow("receive 100") << false << 1 << "100" << receive << "Operate prompt";
    QTest::newRow("receive 100, Chinese") << true << 1 << "100" << "接收频率超出范围 ！" << "操作提示";
    QTest::newRow("second point") << false << 1 << "145.5.3" << receive << "Operate prompt";
    QTest::newRow("four digits") << false << 1 << "0145.5" << receive << "Operate prompt";
    QTest::newRow("transmit 500") << false << 2 << "500" << "Over the range of transmit frequency ." << "Operate prompt";
    QTest::newRow("transmit, Chinese") << true << 2 << "145.5.5" << "发射频率超出范围 ！" << "操作提示";
}

void ChannelGridTest::frequenciesOutsideTheBandOrUnstorable()
{
    QFETCH(bool, chinese);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, title);
    open(language);
    typeInto(7, column, typed);
    QTRY_COMPARE(prompts_->prompts().size(), 1);
    QCOMPARE(prompts_->lastText(), message);
    QCOMPARE(prompts_->prompts().first().title, title);
    QCOMPARE(prompts_->prompts().first().icon, QMessageBox::Warning);
    QCOMPARE(text(7, column), QString("136.00000"));
    const FrequencyBytes stored = column == 1 ? channel::receive(state_->image, 7) : channel::transmit(state_->image, 7);
    QCOMPARE(frequencyText(stored), QString("136.00000"));
}

void ChannelGridTest::transmitWithoutReceiveIsRefused()
{
    clearChannel(state_->image, 2);
    open();
    const RadioImage before = state_->image;
    typeInto(2, 2, "150");
    QTRY_COMPARE(prompts_->lastText(), QString("Please input the receive frequency in advance."));
    QCOMPARE(state_->image, before);
    QCOMPARE(text(2, 2), QString());
    QVERIFY(editorOver(3, 1));  // the line is still empty: on to the next line
}

void ChannelGridTest::choosingNoneWritesNoTonePairs()
{
    open();
    click(12, 3);
    // The user opens the list and clicks its first entry.
    comboEdit()->showPopup();
    QAbstractItemView* list = comboEdit()->view();
    QTRY_VERIFY(list->isVisible());
    QCOMPARE(comboEdit()->itemText(0), QString("None"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    QTRY_VERIFY(!list->isVisible());
    for (int c = channel::kDecodeCell; c <= channel::kEncodeCell + 1; ++c)
        QCOMPARE(state_->image.cell(12, c), quint8(0xFF));
    QCOMPARE(text(12, 3), QString("None"));
    QCOMPARE(text(12, 4), QString("None"));
    click(12, 9);  // leaving the cell keeps the choice
    QVERIFY(channel::decode(state_->image, 12).isNone());
}

void ChannelGridTest::typedTonesAreStored_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("whileTyped");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    QTest::newRow("88.5") << 3 << "88.5" << "88.5" << 0x0375 << "88.5";
    QTest::newRow("100.3, no standard tone") << 3 << "100.3" << "100.3" << 1003 << "100.3";
    QTest::newRow("d023n upper-cased") << 3 << "d023n" << "D023N" << 0x2813 << "D023N";
    QTest::newRow("OFF cannot be typed") << 3 << "OFF" << "67.0" << 670 << "67.0";  // no tone keys
    QTest::newRow("D754I as encode") << 4 << "D754I" << "D754I" << 0xA9EC << "D754I";
}

void ChannelGridTest::typedTonesAreStored()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, whileTyped);
    QFETCH(int, code);
    QFETCH(QString, shown);
    open();
    const ToneCode decodeBefore = channel::decode(state_->image, 12);

    click(12, column);
    QTest::keyClicks(comboEdit(), typed);
    QCOMPARE(comboEdit()->currentText(), whileTyped);
    enter(column);

    const ToneCode stored = column == 3 ? channel::decode(state_->image, 12) : channel::encode(state_->image, 12);
    QCOMPARE(stored.value(), code);
    QCOMPARE(text(12, column), shown);
    if (column == 3)
        QCOMPARE(channel::encode(state_->image, 12), stored);  // the encode tone follows
    else
        QCOMPARE(channel::decode(state_->image, 12), decodeBefore);
    QVERIFY(editorOver(12, column + 1));
}

void ChannelGridTest::keyFiltersIgnoreOtherKeys()
{
    open();
    click(9, 1);
    QTest::keyClicks(textEdit(), "1x4-5 a.5");
    QCOMPARE(textEdit()->text(), QString("145.5"));
    QTest::keyClick(textEdit(), Qt::Key_Backspace);
    QCOMPARE(textEdit()->text(), QString("145."));

    click(9, 3);
    QTest::keyClicks(comboEdit(), "1o0x-0.Z0");
    QCOMPARE(comboEdit()->currentText(), QString("100.0"));
    click(9, 1);
    QCOMPARE(channel::decode(state_->image, 9).value(), 1000);
}

void ChannelGridTest::listColumnsWriteTheirBitsAndCannotBeTyped()
{
    channel::setField(state_->image, 10, channel::kScrambler, 0);  // the VHF set has 15
    open();
    click(10, 5);
    QTest::keyClicks(comboEdit(), "Low");
    QCOMPARE(comboEdit()->currentText(), QString("High"));
    // Power Low, Narrow, not scanned, scrambler 1, PTT ID on: the next or
    // previous entry of each list, chosen at once, then Enter.
    const int keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down};
    for (int column = 5; column <= 9; ++column) {
        QVERIFY(editorOver(10, column));
        QTest::keyClick(comboEdit(), Qt::Key(keys[column - 5]));
        enter(column);
    }
    QCOMPARE((QStringList{text(10, 5), text(10, 6), text(10, 7), text(10, 8), text(10, 9)}),
             (QStringList{"Low", "Narrow", "None", "1", "ON"}));
    QCOMPARE(state_->image.cell(10, channel::kFlagsBCell), quint8(0x81));  // bit 7 kept
    QCOMPARE(channel::field(state_->image, 10, channel::kPttId), 1);
    QVERIFY(!channel::inScan(state_->image, 10));
}

void ChannelGridTest::scramblerNibble15IsShownAndKept()
{
    open();
    QCOMPARE(text(6, 8), QString("15"));  // the VHF set stores 0x0F
    click(6, 8);
    QCOMPARE(comboEdit()->currentIndex(), -1);
    QCOMPARE(comboEdit()->currentText(), QString("15"));
    QCOMPARE(comboEdit()->count(), 9);
    enter(8);
    QCOMPARE(channel::field(state_->image, 6, channel::kScrambler), 15);
    QCOMPARE(text(6, 8), QString("15"));
}

void ChannelGridTest::encodeLockedWithoutTransmit()
{
    channel::clearTransmit(state_->image, 2);
    open();
    QCOMPARE(text(2, 4), QString());
    const RadioImage before = state_->image;
    click(2, 4);
    QVERIFY(!textEdit()->isVisible() && !comboEdit()->isVisible());
    click(2, 5);  // leaving the locked cell writes nothing
    click(2, 0);  // ... and neither does leaving an unchanged power choice
    QCOMPARE(state_->image, before);
}

void ChannelGridTest::enterWalksTheLineAndStaysOnLine16()
{
    open();
    click(5, 1);
    for (int column = 1; column <= 9; ++column) {
        QVERIFY2(editorOver(5, column), qPrintable(QString::number(column)));
        enter(column);
    }
    QVERIFY(editorOver(6, 1));
    QCOMPARE(textEdit()->text(), QString("155.02500"));

    click(16, 9);
    enter(9);
    QVERIFY(editorOver(16, 1));
    QCOMPARE(textEdit()->text(), QString("150.97500"));

    // An empty line: Enter in its transmit cell goes to the next line's start.
    click(16, 0);  // commits the open cell; the number column opens nothing
    clearChannel(state_->image, 7);
    clearChannel(state_->image, 16);
    window_->activated();
    for (int line : {7, 16}) {
        click(line, 2);
        enter(2);
        QVERIFY(editorOver(std::min(line + 1, 16), 1));
    }
}

void ChannelGridTest::cellsNeverOpenedCommitNothing()
{
    channel::setTransmit(state_->image, 3, {0x00, 0x00, 0x00, 0x15});  // a commit would show
    open();
    const RadioImage before = state_->image;
    grid()->setFocus();
    grid()->setCurrentCell(2, 1);
    for (int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right})
        QTest::keyClick(grid(), Qt::Key(key));
    QVERIFY(!textEdit()->isVisible());
    QCOMPARE(state_->image, before);

    QTest::keyClick(grid(), Qt::Key_Return);  // Enter opens the current cell from the keyboard
    QVERIFY(editorOver(3, 2));
}

void ChannelGridTest::leavingForAButtonCommits()
{
    open();
    QSignalSpy editRequests(window_.get(), &ChannelGridWindow::channelEditRequested);
    click(11, 1);
    QTest::keyClicks(textEdit(), "160");
    QTest::mouseClick(button("Command_Help"), Qt::LeftButton);  // a button that does nothing itself
    QCOMPARE(frequencyText(channel::receive(state_->image, 11)), QString("160.00000"));
    QCOMPARE(text(11, 1), QString("160.00000"));
    QVERIFY(!textEdit()->isVisible());

    click(11, 3);
    QTest::keyClicks(comboEdit(), "D754I");
    QTest::mouseClick(button("Command_Edit"), Qt::LeftButton);
    QCOMPARE(editRequests.size(), 1);
    QCOMPARE(channel::decode(state_->image, 11), ToneTable::code(205));

    // Tab out of either editor commits the cell and goes on to the buttons.
    click(11, 2);
    QTest::keyClicks(textEdit(), "161");
    QTest::keyClick(textEdit(), Qt::Key_Tab);
    QCOMPARE(frequencyText(channel::transmit(state_->image, 11)), QString("161.00000"));
    QVERIFY(!textEdit()->isVisible());
    QVERIFY(button("Command_Edit")->hasFocus());
    click(11, 4);
    QTest::keyClicks(comboEdit(), "88.5");
    QTest::keyClick(comboEdit(), Qt::Key_Tab);
    QCOMPARE(channel::encode(state_->image, 11).value(), 885);
    QVERIFY(!comboEdit()->isVisible());
    QVERIFY(button("Command_Edit")->hasFocus());
}

void ChannelGridTest::scrollingHidesTheEditorButKeepsTheEdit()
{
    open();
    window_->resize(700, 260);
    QScrollBar* bar = grid()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    click(3, 1);
    QTest::keyClicks(textEdit(), "140");
    bar->setValue(bar->maximum());
    QVERIFY(!textEdit()->isVisible());
    click(16, 3);  // leaving the hidden cell still commits it, to channel 3
    QCOMPARE(frequencyText(channel::receive(state_->image, 3)), QString("140.00000"));
    QCOMPARE(frequencyText(channel::receive(state_->image, 16)), QString("150.97500"));
}

void ChannelGridTest::clickSetsCurrentChannelEnterDoesNot()
{
    open();
    click(7, 3);
    QCOMPARE(state_->currentChannel, 7);
    QCOMPARE(window_->windowTitle(), QString("Channel Information [ Channel -  7 ]"));
    for (int column = 3; column <= 9; ++column)
        enter(column);
    QVERIFY(editorOver(8, 1));
    QCOMPARE(state_->currentChannel, 7);
}

void ChannelGridTest::defaultFollowsTheModel_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("channel1");
    QTest::newRow("Sable-VHF") << kVhfModel << "130.02500";
    QTest::newRow("Sable-UHF") << kUhfModel << "400.02500";
    QTest::newRow("Sable-FULL takes the VHF set") << kFullModel << "130.02500";
}

void ChannelGridTest::defaultFollowsTheModel()
{
    QFETCH(int, model);
    QFETCH(QString, channel1);
    grid::clearAllChannels(state_->image);
    open();
    state_->currentModel = model;
    QTest::mouseClick(button("Command_def"), Qt::LeftButton);
    QCOMPARE(text(1, 1), channel1);
    QCOMPARE(text(13, 3), QString("D754I"));
    QVERIFY(!channel::inScan(state_->image, 1));  // the scan bits are not the builder's
}

void ChannelGridTest::clearEmptiesEveryLineAndScanBit()
{
    open();
    QTest::mouseClick(button("Command_clear"), Qt::LeftButton);
    for (int line = 1; line <= 16; ++line) {
        QCOMPARE(text(line, 0), QString::number(line));
        for (int column = 1; column <= 9; ++column)
            QCOMPARE(text(line, column), QString());
        QVERIFY(!channel::inScan(state_->image, line));
    }
    // A read or a file load shows as soon as the window is active again.
    buildVhfChannels(state_->image);
    window_->activated();
    QCOMPARE(text(4, 1), QString("145.02500"));
}

void ChannelGridTest::closeAsksTheMainWindowOrClosesItself()
{
    open();
    QSignalSpy closeRequests(window_.get(), &ChannelGridWindow::closeRequested);
    QTest::mouseClick(button("Command_close"), Qt::LeftButton);
    QCOMPARE(closeRequests.size(), 1);
    QVERIFY(window_->isVisible());  // a spy is a listener: the main window closes it

    // A window nobody listens to closes itself, committing the open cell.
    window_ = std::make_unique<ChannelGridWindow>(*state_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    click(2, 1);
    QTest::keyClicks(textEdit(), "170");
    QTest::mouseClick(button("Command_close"), Qt::LeftButton);
    QVERIFY(!window_->isVisible());
    QCOMPARE(frequencyText(channel::receive(state_->image, 2)), QString("170.00000"));
}

QTEST_MAIN(ChannelGridTest)
#include "tst_channel_grid.moc"
