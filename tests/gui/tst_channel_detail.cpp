// The channel detail editor driven by keys and clicks: the channel chooser,
// every list and box, and the rule that an edit always lands in the channel
// the window shows.
#include "channels/channel_detail_window.h"
#include "gui/prompt_helpers.h"
#include "model/channel_record.h"
#include "model/tone_table.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace r5;

class ChannelDetailTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnCurrentChannelWithCaptions_data();
    void opensOnCurrentChannelWithCaptions();
    void tabVisitsTheControlsInOrder();
    void scrollBarWrapsAround();
    void channelBoxRefusesWhatIsNoChannel();
    void editsLandInTheShownChannelWhateverTheBoxHolds_data();
    void editsLandInTheShownChannelWhateverTheBoxHolds();
    void listsAreRebuiltBySignallingAndDecode();
    void nonTableCtcssLeavesTheDecodeListAlone();
    void valuesWithoutAnEntryAreShownRawAndKept();
    void emptyingTransmitLocksTheEncodeTone();
    void receiveForAnEmptyChannelMakesANewChannel();
    void receiveForAnExistingChannelKeepsTransmit();
    void frequenciesOutsideTheBand_data();
    void frequenciesOutsideTheBand();
    void emptyingReceiveEmptiesTheChannel();
    void showingAnEmptyChannelUnticksTheScanBox_data();
    void showingAnEmptyChannelUnticksTheScanBox();
    void checkBoxesWriteTheirBits();
    void keysOnlyTypeWhatAFieldHolds();
    void activationShowsCurrentChannelAfresh();
    void aTypedFrequencyStaysWithItsChannel();

private:
    void open(Language language = false);
    template <typename W>
    W* find(const char* name) const
    {
        W* widget = window_->findChild<W*>(name);
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return find<QComboBox>(name); }
    QCheckBox* check(const char* name) const { return find<QCheckBox>(name); }
    QScrollBar* scrollBar() const { return find<QScrollBar>("VScroll1"); }
    QStringList entries(const char* name) const
    {
        QStringList texts;
        for (int i = 0; i < list(name)->count(); ++i)
            texts << list(name)->itemText(i);
        return texts;
    }
    // Types into a box as a user does: click into it, replace its text, Tab out.
    void typeAndLeave(const char* name, const QString& keys)
    {
        QLineEdit* edit = box(name);
        QTest::mouseClick(edit, Qt::LeftButton);
        QVERIFY(edit->hasFocus());
        edit->selectAll();
        if (keys.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, keys);
        QTest::keyClick(edit, Qt::Key_Tab);
        QVERIFY(!edit->hasFocus());
    }
    // Chooses an entry with the keyboard: focus the list, arrow to the entry.
    void chooseByKeys(const char* name, int position)
    {
        QComboBox* combo = list(name);
        combo->setFocus();
        const int start = combo->currentIndex();
        if (start < 0)
            QTest::keyClick(combo, Qt::Key_Down);
        for (int i = std::max(start, 0); i < position; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        for (int i = std::max(start, 0); i > position; --i)
            QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(combo->currentIndex(), position);
    }

    std::unique_ptr<AppState> state_;
    std::unique_ptr<ChannelDetailWindow> window_;
    std::unique_ptr<test::PromptCatcher> prompts_;
};

void ChannelDetailTest::init()
{
    state_ = std::make_unique<AppState>();
    state_->selectModel(kVhfModel);
    prompts_ = std::make_unique<test::PromptCatcher>();
}

void ChannelDetailTest::cleanup()
{
    window_.reset();
    prompts_.reset();
    state_.reset();
}

void ChannelDetailTest::open(Language language)
{
    state_->language = language;
    window_ = std::make_unique<ChannelDetailWindow>(*state_);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void ChannelDetailTest::opensOnCurrentChannelWithCaptions_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("receiveCaption");
    QTest::addColumn<QString>("bandwidthCaption");
    QTest::addColumn<QString>("companderCaption");
    QTest::addColumn<QString>("firstTone");
    QTest::newRow("Chinese") << true << "信道编辑" << "接收频率" << "宽带/窄带" << "压括器" << "无";
    QTest::newRow("English") << false << "Channel Edit" << "Receive Frequency " << "Wide/Narror" << "Compander" << "OFF";
}

void ChannelDetailTest::opensOnCurrentChannelWithCaptions()
{
    QFETCH(bool, chinese);
    QFETCH(QString, title);
    QFETCH(QString, receiveCaption);
    QFETCH(QString, bandwidthCaption);
    QFETCH(QString, companderCaption);
    QFETCH(QString, firstTone);
    state_->currentChannel = 13;
    open(language);

    QCOMPARE(window_->windowTitle(), title);
    QCOMPARE(find<QLabel>("Label_RX_freq")->text(), receiveCaption);
    QCOMPARE(find<QLabel>("Label_WN")->text(), bandwidthCaption);
    QCOMPARE(check("Check_Comp")->text(), companderCaption);
    QCOMPARE(box("Text_CHN")->text(), QString("13"));
    QCOMPARE(scrollBar()->value(), 13);
    QCOMPARE(box("Text_RX_Freq")->text(), QString("135.17500"));
    QCOMPARE(list("Combo_Decode")->itemText(0), firstTone);
    QCOMPARE(list("Combo_Decode")->currentText(), QString("D754I"));
    QCOMPARE(list("Combo_Decode")->count(), 206);

    const QRect place = window_->initialGeometry(QSize(1400, 900));
    QVERIFY(QRect(0, 0, 1400, 900).contains(place));
    QVERIFY(place.width() >= window_->minimumSizeHint().width());
}

void ChannelDetailTest::tabVisitsTheControlsInOrder()
{
    state_->currentChannel = 4;  // inside the VHF band (channels 1 and 2 of the VHF set are not)
    open();
    const QStringList expected = {"VScroll1", "Text_RX_Freq", "Text_TX_Freq", "Combo_Decode", "Combo_Encode",
                                  "Combo_Optsig", "Combo_Spunmute", "Combo_Txp", "Combo_WN", "Combo_BCL",
                                  "Combo_PTT_ID", "Combo_Memory", "Check_BS", "Check_ScanAdd", "Check_Pri",
                                  "Check_Comp", "Command_Help", "Command_close"};
    box("Text_CHN")->setFocus();
    for (const QString& name : expected) {
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget(), qPrintable(name));
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    QVERIFY(prompts_->empty());  // tabbing through unchanged frequencies reports nothing
}

void ChannelDetailTest::scrollBarWrapsAround()
{
    open();
    QSignalSpy changes(window_.get(), &ChannelDetailWindow::currentChannelChanged);
    scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);  // up from channel 1
    QCOMPARE(scrollBar()->value(), 16);
    QCOMPARE(state_->currentChannel, 16);
    QCOMPARE(box("Text_CHN")->text(), QString("16"));
    QCOMPARE(box("Text_RX_Freq")->text(), QString("150.97500"));
    QVERIFY(!changes.isEmpty());

    scrollBar()->setFocus();
    QTest::keyClick(scrollBar(), Qt::Key_Down);  // down from 16
    QCOMPARE(scrollBar()->value(), 1);
    QCOMPARE(state_->currentChannel, 1);
    QCOMPARE(box("Text_RX_Freq")->text(), QString("130.02500"));
}

void ChannelDetailTest::channelBoxRefusesWhatIsNoChannel()
{
    open();
    QLineEdit* channelBox = box("Text_CHN");
    channelBox->setFocus();
    channelBox->selectAll();
    QTest::keyClick(channelBox, Qt::Key_Delete);
    QCOMPARE(channelBox->text(), QString());
    QTest::keyClicks(channelBox, "x1");
    QCOMPARE(channelBox->text(), QString("1"));
    QTest::keyClick(channelBox, Qt::Key_7);       // 17 is no channel
    QCOMPARE(channelBox->text(), QString("1"));
    QTest::keyClick(channelBox, Qt::Key_Backspace);
    QCOMPARE(channelBox->text(), QString("1"));
    QTest::keyClick(channelBox, Qt::Key_2);
    QCOMPARE(channelBox->text(), QString("12"));
    QCOMPARE(state_->currentChannel, 12);           // a channel number shows at once
    QCOMPARE(scrollBar()->value(), 12);
    QCOMPARE(box("Text_RX_Freq")->text(), QString("130.17500"));

    channelBox->selectAll();
    QTest::keyClick(channelBox, Qt::Key_0);
    QCOMPARE(channelBox->text(), QString("0"));
    QCOMPARE(state_->currentChannel, 12);           // never 0
    QTest::keyClick(channelBox, Qt::Key_Tab);       // leaving with 0 puts 1 back
    QCOMPARE(channelBox->text(), QString("1"));
    QCOMPARE(state_->currentChannel, 1);
    QCOMPARE(scrollBar()->value(), 1);
    QCOMPARE(box("Text_RX_Freq")->text(), QString("130.02500"));
}

void ChannelDetailTest::editsLandInTheShownChannelWhateverTheBoxHolds_data()
{
    QTest::addColumn<QString>("boxKeys");
    QTest::addColumn<int>("shown");  // the channel shown when the click arrives
    QTest::newRow("empty box") << QString() << 1;
    QTest::newRow("0") << QString("0") << 1;
    QTest::newRow("5") << QString("5") << 5;
    QTest::newRow("16") << QString("16") << 16;
}

void ChannelDetailTest::editsLandInTheShownChannelWhateverTheBoxHolds()
{
    QFETCH(QString, boxKeys);
    QFETCH(int, shown);
    state_->currentChannel = 3;
    open();
    QLineEdit* channelBox = box("Text_CHN");
    const RadioImage before = state_->image;

    QTest::mouseClick(channelBox, Qt::LeftButton);
    channelBox->selectAll();
    QTest::keyClick(channelBox, Qt::Key_Delete);
    QCOMPARE(window_->shownChannel(), 3);   // an empty box chooses nothing
    QCOMPARE(state_->currentChannel, 3);
    QTest::keyClicks(channelBox, boxKeys);
    QTest::mouseClick(check("Check_Comp"), Qt::LeftButton);  // leaves the box, then ticks

    QCOMPARE(window_->shownChannel(), shown);
    QCOMPARE(state_->currentChannel, shown);
    QCOMPARE(channelBox->text(), QString::number(shown));
    QCOMPARE(scrollBar()->value(), shown);
    QCOMPARE(channel::field(state_->image, shown, channel::kCompander), 1);
    for (int n = 1; n <= 16; ++n)
        if (n != shown)
            QCOMPARE(channel::field(state_->image, n, channel::kCompander),
                     channel::field(before, n, channel::kCompander));
}

void ChannelDetailTest::listsAreRebuiltBySignallingAndDecode()
{
    state_->currentChannel = 3;  // option signalling 0, no decode tone
    open();
    QCOMPARE(entries("Combo_Spunmute"), QStringList{"Carrier"});
    QCOMPARE(entries("Combo_BCL"), (QStringList{"Off", "Carrier"}));

    chooseByKeys("Combo_Optsig", 1);  // DTMF
    QCOMPARE(channel::field(state_->image, 3, channel::kOptionSignalling), 1);
    QCOMPARE(entries("Combo_Spunmute"), (QStringList{"Carrier", "Carrier+ Opt.Sig", "Carrier or Opt.Sig"}));
    QCOMPARE(entries("Combo_BCL"), (QStringList{"Off", "Carrier", "Option Signalling"}));

    chooseByKeys("Combo_BCL", 2);
    QCOMPARE(channel::field(state_->image, 3, channel::kBusyLockout), 2);
    chooseByKeys("Combo_Decode", 9);  // 88.5 Hz
    QCOMPARE(channel::decode(state_->image, 3), ctcssCode(885));
    QVERIFY(channel::encode(state_->image, 3).isNone());  // the encode tone stays its own
    QCOMPARE(entries("Combo_Spunmute"), (QStringList{"QT/DQT", "QT/DQT+ Opt.Sig", "QT/DQT or Opt.Sig"}));
    QCOMPARE(entries("Combo_BCL"), (QStringList{"Off", "Carrier", "QT/DQY", "Option Signalling"}));
    QCOMPARE(list("Combo_BCL")->currentIndex(), 2);  // the stored 2 is now the QT/DQT entry

    chooseByKeys("Combo_Optsig", 0);  // none again: SP unmute falls back to its one entry
    QCOMPARE(entries("Combo_Spunmute"), QStringList{"QT/DQT"});
    QCOMPARE(channel::field(state_->image, 3, channel::kSpUnmute), 0);
}

void ChannelDetailTest::nonTableCtcssLeavesTheDecodeListAlone()
{
    channel::setDecode(state_->image, 5, ctcssCode(1003));  // typed in the grid
    state_->currentChannel = 4;
    open();
    QCOMPARE(list("Combo_Decode")->currentIndex(), 0);

    scrollBar()->setValue(5);  // from a channel that showed an entry
    const RadioImage before = state_->image;
    QCOMPARE(list("Combo_Decode")->currentIndex(), -1);
    QCOMPARE(list("Combo_Decode")->placeholderText(), QString("100.3"));
    QCOMPARE(entries("Combo_Spunmute"), QStringList{"Carrier"});  // DecodeSet false
    QCOMPARE(channel::decode(state_->image, 5).value(), 1003);

    chooseByKeys("Combo_Txp", 1);  // editing another field leaves the tone alone
    QCOMPARE(channel::decode(state_->image, 5).value(), 1003);
    QCOMPARE(list("Combo_Decode")->currentIndex(), -1);
    QCOMPARE(state_->image.cell(5, channel::kFlagsBCell), quint8(before.cell(5, channel::kFlagsBCell) & ~0x20));
}

void ChannelDetailTest::valuesWithoutAnEntryAreShownRawAndKept()
{
    channel::setField(state_->image, 6, channel::kOptionSignalling, 3);
    channel::setField(state_->image, 6, channel::kSpUnmute, 3);
    channel::setField(state_->image, 7, channel::kBusyLockout, 3);  // option signalling 0
    const RadioImage before = state_->image;
    state_->currentChannel = 6;
    open();
    QCOMPARE(list("Combo_Optsig")->currentIndex(), -1);
    QCOMPARE(list("Combo_Optsig")->placeholderText(), QString("3"));
    QCOMPARE(list("Combo_Spunmute")->currentIndex(), -1);
    scrollBar()->setValue(7);
    QCOMPARE(list("Combo_BCL")->currentIndex(), -1);
    QCOMPARE(list("Combo_BCL")->placeholderText(), QString("3"));
    QCOMPARE(state_->image.cell(6, channel::kFlagsACell), before.cell(6, channel::kFlagsACell));
    QCOMPARE(state_->image.cell(7, channel::kFlagsACell), before.cell(7, channel::kFlagsACell));
}

void ChannelDetailTest::emptyingTransmitLocksTheEncodeTone()
{
    state_->currentChannel = 12;
    open();
    QVERIFY(list("Combo_Encode")->isEnabled());
    typeAndLeave("Text_TX_Freq", "");
    QVERIFY(!list("Combo_Encode")->isEnabled());
    QCOMPARE(list("Combo_Encode")->currentIndex(), 0);
    for (int c : {4, 5, 6, 7, 10, 11})
        QCOMPARE(state_->image.cell(12, c), quint8(0xFF));
    QCOMPARE(channel::decode(state_->image, 12), ctcssCode(670));

    typeAndLeave("Text_TX_Freq", "140.5");
    QVERIFY(list("Combo_Encode")->isEnabled());
    QCOMPARE(frequencyText(channel::transmit(state_->image, 12)), QString("140.50000"));
    QVERIFY(prompts_->empty());
}

void ChannelDetailTest::receiveForAnEmptyChannelMakesANewChannel()
{
    clearChannel(state_->image, 9);
    state_->currentChannel = 9;
    open();
    QVERIFY(box("Text_RX_Freq")->isEnabled());
    QVERIFY(!box("Text_TX_Freq")->isEnabled());
    QVERIFY(!list("Combo_Decode")->isEnabled());
    QVERIFY(!check("Check_Pri")->isEnabled());
    QCOMPARE(list("Combo_Txp")->count(), 0);
    const QPalette normal = QApplication::palette(list("Combo_Decode"));
    QCOMPARE(list("Combo_Decode")->palette().color(QPalette::Base), normal.color(QPalette::Button));
    QCOMPARE(box("Text_TX_Freq")->palette().color(QPalette::Base), normal.color(QPalette::Button));

    typeAndLeave("Text_RX_Freq", "145.5");
    QCOMPARE(frequencyText(channel::receive(state_->image, 9)), QString("145.50000"));
    QVERIFY(!channel::hasTransmit(state_->image, 9));
    QCOMPARE(state_->image.cell(9, channel::kFlagsBCell), quint8(0xBF));
    QVERIFY(channel::inScan(state_->image, 9));
    QVERIFY(check("Check_ScanAdd")->isChecked());
    QVERIFY(box("Text_TX_Freq")->isEnabled());
    QVERIFY(list("Combo_Decode")->isEnabled());
    QVERIFY(!list("Combo_Encode")->isEnabled());
    QCOMPARE(list("Combo_Txp")->currentText(), QString("High"));
    QCOMPARE(list("Combo_WN")->currentText(), QString("Wide"));
    QCOMPARE(list("Combo_Decode")->palette().color(QPalette::Base), normal.color(QPalette::Base));
    QCOMPARE(list("Combo_Encode")->palette().color(QPalette::Base), normal.color(QPalette::Button));
}

void ChannelDetailTest::receiveForAnExistingChannelKeepsTransmit()
{
    state_->currentChannel = 4;
    open();
    const FrequencyBytes transmit = channel::transmit(state_->image, 4);
    typeAndLeave("Text_RX_Freq", "146.5");
    QCOMPARE(box("Text_RX_Freq")->text(), QString("146.5"));
    QCOMPARE(frequencyText(channel::receive(state_->image, 4)), QString("146.50000"));
    QCOMPARE(channel::transmit(state_->image, 4), transmit);
}

void ChannelDetailTest::frequenciesOutsideTheBand_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("receive") << false << "Text_RX_Freq" << "100" << "Over the range of receive frequency .";
    QTest::newRow("receive, two points") << false << "Text_RX_Freq" << "145.5.5"
                                         << "Over the range of receive frequency .";
    QTest::newRow("transmit") << false << "Text_TX_Freq" << "500" << "Over the range of Transmit frequency .";
    QTest::newRow("transmit, Chinese") << true << "Text_TX_Freq" << "0150" << "发射频率超出范围 ！";
}

void ChannelDetailTest::frequenciesOutsideTheBand()
{
    QFETCH(bool, chinese);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    state_->currentChannel = 2;
    open(language);
    typeAndLeave(qPrintable(field), typed);
    QTRY_COMPARE(prompts_->prompts().size(), 1);
    QCOMPARE(prompts_->lastText(), message);
    QCOMPARE(box(qPrintable(field))->text(), QString("136.00000"));
    const FrequencyBytes stored =
        field == "Text_RX_Freq" ? channel::receive(state_->image, 2) : channel::transmit(state_->image, 2);
    QCOMPARE(frequencyText(stored), QString("136.00000"));
}

void ChannelDetailTest::emptyingReceiveEmptiesTheChannel()
{
    state_->currentChannel = 8;
    open();
    QVERIFY(channel::inScan(state_->image, 8));
    typeAndLeave("Text_RX_Freq", "");
    for (int c = 0; c < 16; ++c)
        QCOMPARE(state_->image.cell(8, c), quint8(0xFF));
    QVERIFY(!channel::inScan(state_->image, 8));
    QVERIFY(!list("Combo_Decode")->isEnabled());
    QVERIFY(!check("Check_ScanAdd")->isChecked());
}

void ChannelDetailTest::showingAnEmptyChannelUnticksTheScanBox_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::newRow("from a scanned channel") << true;
    QTest::newRow("from an unscanned channel") << false;
}

void ChannelDetailTest::showingAnEmptyChannelUnticksTheScanBox()
{
    QFETCH(bool, ticked);
    channel::setInScan(state_->image, 4, ticked);
    state_->image.setCell(5, channel::kReceiveCell, 0xFF);  // empty as a radio may leave it, still scanned
    state_->currentChannel = 4;
    open();
    QCOMPARE(check("Check_ScanAdd")->isChecked(), ticked);
    scrollBar()->setValue(5);
    for (int c = 0; c < 16; ++c)
        QCOMPARE(state_->image.cell(5, c), quint8(0xFF));
    // Unticking a ticked box takes the channel out of the scan list; a box
    // that was not ticked changes nothing.
    QCOMPARE(channel::inScan(state_->image, 5), !ticked);
    QVERIFY(!check("Check_ScanAdd")->isChecked());
    QCOMPARE(channel::inScan(state_->image, 4), ticked);
}

void ChannelDetailTest::checkBoxesWriteTheirBits()
{
    state_->currentChannel = 10;
    open();
    const RadioImage before = state_->image;
    QTest::mouseClick(check("Check_Pri"), Qt::LeftButton);  // no place in the record
    QVERIFY(check("Check_Pri")->isChecked());
    QCOMPARE(state_->image, before);

    check("Check_ScanAdd")->setFocus();
    QTest::keyClick(check("Check_ScanAdd"), Qt::Key_Space);
    QVERIFY(!channel::inScan(state_->image, 10));
    chooseByKeys("Combo_Memory", 5);
    QCOMPARE(channel::field(state_->image, 10, channel::kAutodialMemory), 5);
    QCOMPARE(state_->image.cell(10, channel::kFlagsDCell) & 0xF8, 0xF8);  // the bits no field owns
}

void ChannelDetailTest::keysOnlyTypeWhatAFieldHolds()
{
    state_->currentChannel = 2;
    open();
    QLineEdit* receive = box("Text_RX_Freq");
    receive->setFocus();
    receive->selectAll();
    QTest::keyClicks(receive, "1a4 5,.x5");
    QCOMPARE(receive->text(), QString("145.5"));
    QTest::keyClick(receive, Qt::Key_Backspace);
    QCOMPARE(receive->text(), QString("145."));

    QComboBox* decode = list("Combo_Decode");
    decode->setFocus();
    const int shown = decode->currentIndex();
    QTest::keyClicks(decode, "D0o");
    QCOMPARE(decode->currentIndex(), shown);
    QCOMPARE(channel::decode(state_->image, 2), ToneTable::code(shown));
}

void ChannelDetailTest::activationShowsCurrentChannelAfresh()
{
    state_->currentChannel = 1;  // 130.025 MHz, below the VHF band
    open();
    box("Text_RX_Freq")->setFocus();  // clicked into, which activates the window
    channel::setField(state_->image, 1, channel::kHighPower, 0);
    window_->activated();
    QCOMPARE(list("Combo_Txp")->currentText(), QString("Low"));
    QVERIFY(prompts_->empty());  // the box was not left: nothing is committed

    state_->currentChannel = 11;  // a click in the grid chose another channel
    window_->activated();
    QCOMPARE(window_->shownChannel(), 11);
    QCOMPARE(box("Text_CHN")->text(), QString("11"));
    QCOMPARE(scrollBar()->value(), 11);
    QCOMPARE(box("Text_RX_Freq")->text(), QString("179.97500"));
}

void ChannelDetailTest::aTypedFrequencyStaysWithItsChannel()
{
    state_->currentChannel = 5;
    open();
    QLineEdit* receive = box("Text_RX_Freq");
    receive->setFocus();
    receive->selectAll();
    QTest::keyClicks(receive, "151.5");
    scrollBar()->setValue(6);  // the wheel over the bar takes no focus
    QCOMPARE(frequencyText(channel::receive(state_->image, 5)), QString("151.50000"));
    QCOMPARE(frequencyText(channel::receive(state_->image, 6)), QString("155.02500"));
    QCOMPARE(receive->text(), QString("155.02500"));

    receive->selectAll();
    QTest::keyClicks(receive, "152");
    window_->close();  // closing keeps what was typed
    QCOMPARE(frequencyText(channel::receive(state_->image, 6)), QString("152.00000"));
}

QTEST_MAIN(ChannelDetailTest)
#include "tst_channel_detail.moc"
