// The channel detail editor driven by keys and clicks: the channel chooser,
// every list and box, and the rule that an edit always lands in the channel
// the window shows.
#include "channels/channel_detail_window.h"
#include "gui/prompt_helpers.h"
#include "gui/widget_helpers.h"
#include "model/channel_record.h"
#include "model/tone_table.h"

#include <memory>

using namespace r5;
using namespace r5::test;

class ChannelDetailTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        state_ = std::make_unique<AppState>();
        state_->selectModel(kVhfModel);
        prompts_ = std::make_unique<PromptCatcher>();
    }

    void cleanup()
    {
        window_.reset();
        prompts_.reset();
        state_.reset();
    }

    void showsTheCurrentChannelOnOpeningAndActivation()
    {
        open(13, Language::Chinese);
        QCOMPARE(box("Text_RX_Freq")->text(), QString("135.17500"));
        QCOMPARE(list("Combo_Decode")->currentText(), QString("D754I"));

        box("Text_RX_Freq")->setFocus();  // clicked into (135.175 lies below the band), which activates the window
        channel::setField(state_->image, 13, channel::kHighPower, 0);
        window_->activated();
        QCOMPARE(list("Combo_Txp")->currentText(), QString("低"));
        QVERIFY(prompts_->empty());  // the box was not left: nothing is committed
        state_->currentChannel = 11;  // a click in the grid chose another channel
        window_->activated();
        QCOMPARE(box("Text_RX_Freq")->text(), QString("179.97500"));
    }

    // The bar wraps around; the box takes a channel number, digit by digit.
    void channelChooser()
    {
        open(1);
        QVERIFY2(scrollBar()->height() >= 100, "as tall as the fields, so its handle shows");
        scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);  // up from channel 1
        QCOMPARE(state_->currentChannel, 16);
        QCOMPARE(box("Text_CHN")->text(), QString("16"));
        scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // down from 16
        QCOMPARE(state_->currentChannel, 1);

        QLineEdit* channelBox = box("Text_CHN");
        channelBox->setFocus();
        channelBox->selectAll();
        QTest::keyClick(channelBox, Qt::Key_Delete);
        QTest::keyClick(channelBox, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(channelBox, Qt::Key_Backspace);
        QCOMPARE(channelBox->text(), QString("1"));  // nothing but a digit changes the box
        QTest::keyClick(channelBox, Qt::Key_End);
        QTest::keyClick(channelBox, Qt::Key_7);      // 17 is no channel
        QCOMPARE(channelBox->text(), QString("1"));
        QTest::keyClick(channelBox, Qt::Key_2);
        QCOMPARE(state_->currentChannel, 12);        // a channel number shows at once

        channelBox->selectAll();
        QTest::keyClick(channelBox, Qt::Key_0);
        QCOMPARE(state_->currentChannel, 12);        // never 0
        QTest::mouseClick(check("Check_Comp"), Qt::LeftButton);  // leaving with 0 shows 1, then ticks
        QCOMPARE(channelBox->text(), QString("1"));
        QCOMPARE(channel::field(state_->image, 1, channel::kCompander), 1);  // the edit lands in the shown channel
    }

    void listsAreRebuiltAndValuesWithoutAnEntryShownRaw()
    {
        channel::setDecode(state_->image, 5, ctcssCode(1003));  // typed in the grid
        open(3);  // option signalling 0, no decode tone
        chooseByKeys("Combo_Optsig", 1);  // DTMF
        QCOMPARE(list("Combo_Spunmute")->itemText(2), QString("Carrier or Opt.Sig"));
        chooseByKeys("Combo_BCL", 2);
        chooseByKeys("Combo_Decode", 9);  // 88.5 Hz
        QVERIFY(channel::encode(state_->image, 3).isNone());  // the encode tone stays its own
        QCOMPARE(list("Combo_BCL")->currentText(), QString("QT/DQY"));  // the stored 2 in the QT/DQT list

        scrollBar()->setValue(5);  // from a channel that showed an entry
        QCOMPARE(list("Combo_Decode")->placeholderText(), QString("100.3"));
    }

    // An empty transmit frequency locks the encode tone; an empty channel
    // locks all but the receive frequency, which makes it a new channel.
    void transmitAndReceiveUnlockTheirFields()
    {
        clearChannel(state_->image, 9);
        open(12);
        typeAndLeave("Text_TX_Freq", "");
        QVERIFY(!list("Combo_Encode")->isEnabled());
        QCOMPARE(list("Combo_Encode")->currentIndex(), 0);
        QVERIFY(!channel::hasTransmit(state_->image, 12) && channel::encode(state_->image, 12).isNone());
        typeAndLeave("Text_TX_Freq", "140.5");
        QVERIFY(list("Combo_Encode")->isEnabled());
        QCOMPARE(frequencyText(channel::transmit(state_->image, 12)), QString("140.50000"));

        scrollBar()->setValue(9);
        QVERIFY(!box("Text_TX_Freq")->isEnabled() && !list("Combo_Decode")->isEnabled());
        typeAndLeave("Text_RX_Freq", "145.5");
        QCOMPARE(state_->image.cell(9, channel::kFlagsBCell), quint8(0xBF));
        QVERIFY(!channel::hasTransmit(state_->image, 9) && channel::inScan(state_->image, 9));
        QVERIFY(box("Text_TX_Freq")->isEnabled() && !list("Combo_Encode")->isEnabled());
    }

    // Each box keeps to its own frequency (the grid copies receive to transmit);
    // the English transmit message is the detail editor's own.
    void frequencyCommits()
    {
        for (const auto& [language, field, typed, message, stored] :
             {std::tuple{Language::Chinese, "Text_RX_Freq", "100", "接收频率超出范围 ！", "136.00000 135.02500"},
              {Language::English, "Text_TX_Freq", "145.5.5", "Over the range of Transmit frequency .",
               "136.00000 136.00000"}}) {  // receive as the row before left it
            open(2, language);
            typeAndLeave(field, typed);
            QTRY_COMPARE(prompts_->lastText(), QString(message));
            const QString both = frequencyText(channel::receive(state_->image, 2)) + " "
                + frequencyText(channel::transmit(state_->image, 2));
            QCOMPARE(both, QString(stored));
        }
    }

    void showingAnEmptyChannelUnticksTheScanBox()
    {
        for (const bool ticked : {true, false}) {
            channel::setInScan(state_->image, 4, ticked);
            channel::setInScan(state_->image, 5, true);
            state_->image.setCell(5, channel::kReceiveCell, 0xFF);  // empty as a radio may leave it, still scanned
            open(4);
            scrollBar()->setValue(5);
            QCOMPARE(state_->image.cell(5, channel::kFlagsDCell), quint8(0xFF));
            // Unticking a ticked box takes the channel out of the scan list; a
            // box that was not ticked changes nothing.
            QCOMPARE(channel::inScan(state_->image, 5), !ticked);
            QVERIFY(!check("Check_ScanAdd")->isChecked());
        }
    }

    // One row per filter: the channel box's, and the one both frequency boxes share.
    void boxesTakeOnlyTheirCharacters()
    {
        open(2);
        for (const auto& [field, keys, committed, shown] :
             {std::tuple{"Text_CHN", "a", "１ｘ", "1"}, {"Text_RX_Freq", "1a4 5,", "．５ＯＦＦ", "145.5"}}) {
            QLineEdit* edit = box(field);
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, keys);
            commitText(edit, committed);  // by an input method
            QCOMPARE(edit->text(), QString(shown));
        }
        QComboBox* decode = list("Combo_Decode");  // a list takes no typed keys
        decode->setFocus();
        const int before = decode->currentIndex();
        QTest::keyClicks(decode, "D0o");
        QCOMPARE(decode->currentIndex(), before);
    }

    void aTypedFrequencyStaysWithItsChannel()
    {
        open(5);
        QLineEdit* receive = box("Text_RX_Freq");
        receive->setFocus();
        receive->selectAll();
        QTest::keyClicks(receive, "151.5");
        scrollBar()->setValue(6);  // the wheel over the bar takes no focus
        QCOMPARE(frequencyText(channel::receive(state_->image, 5)), QString("151.50000"));
        QCOMPARE(receive->text(), QString("155.02500"));

        receive->selectAll();
        QTest::keyClicks(receive, "152");
        window_->close();  // closing keeps what was typed
        QCOMPARE(frequencyText(channel::receive(state_->image, 6)), QString("152.00000"));
    }

private:
    void open(int channel, Language language = Language::English)
    {
        state_->currentChannel = channel;
        state_->language = language;
        window_ = std::make_unique<ChannelDetailWindow>(*state_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    QLineEdit* box(const char* name) const { return child<QLineEdit>(window_.get(), name); }
    QComboBox* list(const char* name) const { return child<QComboBox>(window_.get(), name); }
    QCheckBox* check(const char* name) const { return child<QCheckBox>(window_.get(), name); }
    QScrollBar* scrollBar() const { return child<QScrollBar>(window_.get(), "VScroll1"); }
    // Types into a box as a user does: click into it, replace its text, Tab out.
    void typeAndLeave(const char* name, const QString& keys)
    {
        QLineEdit* edit = box(name);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, keys);
        QTest::keyClick(edit, Qt::Key_Tab);
        QVERIFY(!edit->hasFocus());
    }
    // Chooses an entry with the keyboard: focus the list, arrow down to it.
    void chooseByKeys(const char* name, int position)
    {
        QComboBox* combo = list(name);
        combo->setFocus();
        for (int i = combo->currentIndex(); i < position; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), position);
    }

    std::unique_ptr<AppState> state_;
    std::unique_ptr<ChannelDetailWindow> window_;
    std::unique_ptr<PromptCatcher> prompts_;
};

QTEST_MAIN(ChannelDetailTest)
#include "tst_channel_detail.moc"
