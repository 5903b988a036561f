// The radio-wide settings windows, driven through the program's own menu: one
// row per binding rule (the rules' full tables are r5core's), the first
// showing of odd cells, typing, the messages and redrawing on activation.
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "gui/widget_helpers.h"
#include "model/radio_models.h"

using namespace r5;
using namespace r5::test;

namespace {

using Bytes = QList<int>;

// Cells of one row from `first` on; a window, a control of it and its text.
struct Case {
    const char *command = "", *control = "";
    int row = 0, first = 0;
    Bytes before;  // put into the image first
    QByteArray after;  // the same cells afterwards, in hex
    QString text;  // what the control shows
    QString input;
    bool keys = false;  // typed key by key rather than committed by an input method
};

}  // namespace

class FeatureWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        prompts_.reset();
        program_ = std::make_unique<TestProgram>(eightBuiltInPorts(), MainWindow::Options{Language::English, false});
        program_->startUp();
        program_->state.selectModel(kVhfModel);
        program_->frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program_->frame));
        prompts_ = std::make_unique<PromptCatcher>();
    }

    // Showing writes odd cells back normalised (a row per window and kind of
    // control); `input` "read" puts the cells while another window is active, as
    // a read does, and the window shows them when it is active again.
    void showing()
    {
        const Case cases[] = {
            {"Optional_edit", "Check_Lock", 19, 3, {0x80}, "01", "on"},
            {"key_edit", "Combo_pf2", 17, 13, {0x0C, 0x01, 0x80}, "ff0080", "Autodial"},
            {"Scan_edit", "Combo_BC", 22, 0, {}, "02ff5b5b032c012c01ff", "Priority+Talk Back"},
            {"Optional_edit", "Combo_Sql", 19, 1, {12}, "09", "9", "read"},
            {"key_edit", "Combo_pf1", 17, 13, {4}, "04", "Monitor", "read"},
            {"Scan_edit", "Combo_BA", 22, 2, {2}, "02", "0.55", "read"},
            {"Test_edit", "MSF_chann", 40, 0, {0, 0, 0x55, 0x14}, {}, "145.50000", "read"},
            {"Message_edit", "Text_MS1", 48, 0, {'Q'}, {}, "Q", "read"},
        };
        for (const Case& c : cases) {
            init();
            if (c.input == "read") {
                ChildWindow* window = open(c.command);
                QMdiSubWindow* frame = program_->frame.workspace()->activeSubWindow();
                open("Prog_read");
                put(c);
                program_->frame.workspace()->setActiveSubWindow(frame);
                window_ = window;
            } else {
                put(c);
                open(c.command);
            }
            QCOMPARE(shown(c.control), c.text);
            QCOMPARE(cells(c.row, c.first, c.after.size() / 2), c.after);
        }
    }

    void priorityChannelBoxAndTestFrequencies()
    {
        RadioImage& image = program_->state.image;
        image.setCell(22, 0, 1);  // mode Fixed
        open("Scan_edit");
        auto* box = child<QLineEdit>(window_, "Text_prich");
        QTest::keyClicks(box, "1");
        QTest::keyClicks(box, "7");  // 17 is no channel: message, box emptied, cell kept
        QCOMPARE(prompts_->prompts().size(), 1);
        QCOMPARE(box->text(), QString());
        QCOMPARE(image.cell(22, 1), 1);
        QTest::keyClicks(box, "12");
        child<QComboBox>(window_, "Combo_pri")->setCurrentIndex(0);  // no priority: no look-back either
        QVERIFY(!box->isEnabled() && !child<QComboBox>(window_, "Combo_BA")->isEnabled());
        QCOMPARE(box->text(), QString());
        QCOMPARE(image.cell(22, 1), 12);

        // Typed into line 3 (0x290 to 0x297) of the test frequencies below the
        // band: put back to the band's edge with a message, the transmit half empty.
        open("Test_edit");
        auto* grid = child<QTableWidget>(window_, "MSF_chann");
        clickCell(3, 1);
        QTest::keyClicks(child(window_, "Text_Edit"), "100");
        clickCell(5, 0);  // leaving the cell commits it
        QCOMPARE(prompts_->lastText(), QString("Over the range of receive frequency ."));
        QCOMPARE((QStringList{grid->item(2, 1)->text(), grid->item(2, 2)->text()}), (QStringList{"136.00000", ""}));
        QCOMPARE(cells(41, 0, 8), QByteArray("00006013ffffffff"));

        // An edit still open when the window closes is kept.
        clickCell(16, 1);
        QTest::keyClicks(child(window_, "Text_Edit"), "150");
        child<QPushButton>(window_, "Command_close")->click();
        QCOMPARE(cells(47, 8, 4), QByteArray("00000015"));
    }

    // Typed text, by keys or by an input method's commit; the window is then
    // shown again, as when it becomes active.
    void typing()
    {
        const Case cases[] = {
            {"Scan_edit", "Text_prich", 22, 0, {1}, {}, "12", "１a2"},
            {"Message_edit", "Text_MS1", 48, 0, {}, "412042ff", "A B", "A中 B\x7f"},
            {"Optional_edit", "Combo_Volume", 19, 8, {0}, "00", "1", "9"},
            {"Message_edit", "Text_MS2", 50, 31, {}, "5aff", QString(32, 'Z'), QString(33, 'Z'), true},
        };
        for (const Case& c : cases) {
            init();
            put(c);
            open(c.command);
            child(window_, c.control)->setFocus();
            if (c.keys)
                QTest::keyClicks(child(window_, c.control), c.input);
            else
                commitText(child(window_, c.control), c.input);
            QCOMPARE(shown(c.control), c.text);
            window_->activated();
            QCOMPARE(shown(c.control), c.text);
            QCOMPARE(cells(c.row, c.first, c.after.size() / 2), c.after);
        }
    }

private:
    ChildWindow* open(const char* command)
    {
        program_->frame.menuItem(command)->trigger();
        QMdiSubWindow* frame = program_->frame.workspace()->activeSubWindow();
        window_ = frame ? frame->findChild<ChildWindow*>() : nullptr;
        return window_;
    }

    QString shown(const char* name) const
    {
        QWidget* widget = child(window_, name);
        if (auto* list = qobject_cast<QComboBox*>(widget))
            return list->currentText();
        if (auto* box = qobject_cast<QCheckBox*>(widget))
            return box->isChecked() ? "on" : "off";
        if (auto* grid = qobject_cast<QTableWidget*>(widget))
            return grid->item(0, 1)->text();
        return qobject_cast<QLineEdit*>(widget)->text();
    }

    void put(const Case& c)
    {
        for (int i = 0; i < c.before.size(); ++i)
            program_->state.image.setCell(c.row, c.first + i, quint8(c.before[i]));
    }

    QByteArray cells(int row, int first, qsizetype count) const
    {
        return program_->state.image.toBytes().mid(row * RadioImage::kCellsPerRow + first, count).toHex();
    }

    void clickCell(int line, int column) { test::clickCell(child<QTableWidget>(window_, "MSF_chann"), line, column); }

    std::unique_ptr<TestProgram> program_;
    std::unique_ptr<PromptCatcher> prompts_;
    ChildWindow* window_ = nullptr;
};

QTEST_MAIN(FeatureWindowTest)
#include "tst_feature_windows.moc"
