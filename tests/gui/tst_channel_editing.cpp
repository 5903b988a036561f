// Both channel editors together, as the main window holds them: edits in one
// show in the other, the grid's title follows the detail editor, and a channel
// plan typed in them reads the same in the grid and in `r5prog-cli show`.
#include "channels/channel_detail_window.h"
#include "channels/channel_grid_window.h"
#include "files/channel_file.h"
#include "gui/prompt_helpers.h"
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace r5;

class ChannelEditingTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void editorsShowEachOthersEdits();
    void cliListingMatchesTheGrid_data();
    void cliListingMatchesTheGrid();

private:
    void open(Language language);
    void openDetail();
    void activate(ChildWindow* window);

    QTableWidget* grid() const { return grid_->findChild<QTableWidget*>("MSF_chann"); }
    QLineEdit* textEdit() const { return grid_->findChild<QLineEdit*>("Text_Edit"); }
    QComboBox* comboEdit() const { return grid_->findChild<QComboBox*>("Combo_edit"); }
    QString gridText(int line, int column) const { return grid()->item(line - 1, column)->text().trimmed(); }
    void clickCell(int line, int column)
    {
        const QRect cell = grid()->visualRect(grid()->model()->index(line - 1, column));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Keys for the editor that is open now, then Enter.
    void keys(const QString& text, int arrowDowns = 0, int arrowUps = 0)
    {
        QWidget* editor = textEdit()->isVisible() ? static_cast<QWidget*>(textEdit()) : comboEdit();
        QVERIFY(editor->isVisible());
        QTest::keyClicks(editor, text);
        for (int i = 0; i < arrowDowns; ++i)
            QTest::keyClick(editor, Qt::Key_Down);
        for (int i = 0; i < arrowUps; ++i)
            QTest::keyClick(editor, Qt::Key_Up);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    QStringList cliListing(const QString& path);

    std::unique_ptr<AppState> state_;
    std::unique_ptr<QMdiArea> area_;
    ChannelGridWindow* grid_ = nullptr;
    ChannelDetailWindow* detail_ = nullptr;
    std::unique_ptr<test::PromptCatcher> prompts_;
};

void ChannelEditingTest::init()
{
    state_ = std::make_unique<AppState>();
    state_->selectModel(kVhfModel);
    prompts_ = std::make_unique<test::PromptCatcher>();
}

void ChannelEditingTest::cleanup()
{
    area_.reset();
    prompts_.reset();
    state_.reset();
    grid_ = nullptr;
    detail_ = nullptr;
}

void ChannelEditingTest::open(Language language)
{
    state_->language = language;
    area_ = std::make_unique<QMdiArea>();
    area_->resize(1300, 900);
    // As the main window does: a window that becomes active redraws itself.
    connect(area_.get(), &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* frame) {
        if (auto* window = frame ? qobject_cast<ChildWindow*>(frame->widget()) : nullptr)
            window->activated();
    });
    grid_ = new ChannelGridWindow(*state_);
    QMdiSubWindow* frame = area_->addSubWindow(grid_);
    frame->setGeometry(grid_->initialGeometry(area_->size()));
    area_->show();
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(area_.get()));
    area_->setActiveSubWindow(frame);
}

void ChannelEditingTest::openDetail()
{
    detail_ = new ChannelDetailWindow(*state_);
    connect(detail_, &ChannelDetailWindow::currentChannelChanged, grid_, &ChannelGridWindow::updateTitle);
    QMdiSubWindow* frame = area_->addSubWindow(detail_);
    frame->setGeometry(detail_->initialGeometry(area_->size()).translated(0, 200));
    frame->show();
    area_->setActiveSubWindow(frame);
}

void ChannelEditingTest::activate(ChildWindow* window)
{
    for (QMdiSubWindow* frame : area_->subWindowList())
        if (frame->widget() == window)
            area_->setActiveSubWindow(frame);
    QCOMPARE(area_->activeSubWindow()->widget(), window);
}

QStringList ChannelEditingTest::cliListing(const QString& path)
{
    const QString cli = qEnvironmentVariable("R5CLI");
    if (cli.isEmpty())
        return {};
    QProcess process;
    process.start(cli, {"show", path});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).split('\n');
}

void ChannelEditingTest::editorsShowEachOthersEdits()
{
    open(false);
    clickCell(4, 5);
    QCOMPARE(state_->currentChannel, 4);
    QTest::mouseClick(grid_->findChild<QPushButton*>("Command_Edit"), Qt::LeftButton);
    openDetail();  // the main window's answer to Channel Edit
    QCOMPARE(detail_->shownChannel(), 4);

    // Choose Low power in the detail editor; the grid shows it once active.
    auto* power = detail_->findChild<QComboBox*>("Combo_Txp");
    power->setFocus();
    QTest::keyClick(power, Qt::Key_Down);
    QCOMPARE(channel::field(state_->image, 4, channel::kHighPower), 0);
    activate(grid_);
    QCOMPARE(gridText(4, 5), QString("Low"));

    // Scrolling the detail editor retitles the grid.
    activate(detail_);
    detail_->findChild<QScrollBar*>("VScroll1")->setValue(9);
    QCOMPARE(grid_->windowTitle(), QString("Channel Information [ Channel -  9 ]"));

    // A click in the grid chooses the channel the detail editor shows next.
    activate(grid_);
    clickCell(12, 3);
    QTest::keyClicks(comboEdit(), "D");  // ... and an edit there
    QTest::keyClicks(comboEdit(), "023N");
    clickCell(12, 5);
    activate(detail_);
    QCOMPARE(detail_->shownChannel(), 12);
    QCOMPARE(detail_->findChild<QComboBox*>("Combo_Decode")->currentText(), QString("D023N"));
    QCOMPARE(detail_->findChild<QComboBox*>("Combo_Encode")->currentText(), QString("D023N"));
}

void ChannelEditingTest::cliListingMatchesTheGrid_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::newRow("typed in English") << false;
    QTest::newRow("typed in Chinese") << true;
}

void ChannelEditingTest::cliListingMatchesTheGrid()
{
    QFETCH(bool, chinese);
    if (qEnvironmentVariable("R5CLI").isEmpty())
        QSKIP("R5CLI names no r5prog-cli (run through ctest)");
    open(language);
    QTest::mouseClick(grid_->findChild<QPushButton*>("Command_clear"), Qt::LeftButton);

    // A new user's plan, line by line with Enter, as the grid leads him.
    clickCell(1, 1);
    keys("145.5");            // receive, copied to transmit
    keys("146.1");            // transmit
    keys("88.5");             // decode, copied to encode
    keys("d754i");            // encode
    keys({}, 1);              // power: Low
    keys({}, 0, 1);           // bandwidth: Narrow
    keys({});                 // scan: as it is
    keys({}, 3);              // scrambler 3
    keys({}, 1);              // PTT ID on
    keys("150.025");          // line 2
    keys({});
    keys("100.3");
    keys({});
    keys({});
    keys({});
    keys({}, 1);              // not scanned
    keys({});
    keys({});
    keys({});                 // line 3 stays empty: Enter, Enter ...
    keys({});
    keys("174.99");           // ... and line 4 begins
    keys({});                 // transmit as received
    clickCell(6, 1);
    keys("100");              // below the band: message and 136.00000
    QTRY_COMPARE(prompts_->prompts().size(), 1);
    area_->activateWindow();  // the closed message box hands the focus back
    QVERIFY(QTest::qWaitForWindowActive(area_.get()));

    // Channel 5 in the detail editor: receive only, a DCS decode, DTMF.
    clickCell(5, 0);
    QTest::mouseClick(grid_->findChild<QPushButton*>("Command_Edit"), Qt::LeftButton);
    openDetail();
    QCOMPARE(detail_->shownChannel(), 5);
    auto* receive = detail_->findChild<QLineEdit*>("Text_RX_Freq");
    QTest::mouseClick(receive, Qt::LeftButton);
    QTest::keyClicks(receive, "162.55");
    QTest::keyClick(receive, Qt::Key_Tab);
    auto* decode = detail_->findChild<QComboBox*>("Combo_Decode");
    decode->setFocus();
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(decode, Qt::Key_Down);
    auto* signalling = detail_->findChild<QComboBox*>("Combo_Optsig");
    signalling->setFocus();
    QTest::keyClick(signalling, Qt::Key_Down);
    activate(grid_);

    const QStringList line1 = language
        ? QStringList{"145.50000", "146.10000", "88.5", "D754I", "低", "窄带", "有", "3", "开"}
        : QStringList{"145.50000", "146.10000", "88.5", "D754I", "Low", "Narrow", "Yes", "3", "ON"};
    for (int column = 1; column <= 9; ++column)
        QCOMPARE(gridText(1, column), line1[column - 1]);
    QCOMPARE(gridText(2, 4), QString("100.3"));
    QCOMPARE(gridText(4, 2), QString("174.99000"));
    QCOMPARE(gridText(6, 1), QString("136.00000"));
    QCOMPARE(gridText(5, 3), QString("D023N"));
    QCOMPARE(gridText(5, 8), QString("15"));  // the detail editor's new channel
    QCOMPARE(gridText(3, 1), QString());

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = directory.filePath("plan.chann");
    QVERIFY(!saveChannelFile(state_->image, path));
    const QStringList listing = cliListing(path);
    QVERIFY2(listing.size() > 17, "r5prog-cli show gave no listing");

    // The listing's header fixes where each column starts.
    const QString header = listing[0];
    QList<qsizetype> starts;
    qsizetype from = 0;
    for (const QString& caption : r5::grid::headerTexts(false)) {
        const qsizetype at = header.indexOf(caption.trimmed(), from);
        QVERIFY2(at >= 0, qPrintable(caption));
        starts << at;
        from = at + caption.trimmed().size();
    }
    // The grid the user typed in, or, for a plan typed in Chinese, an English
    // grid opened on the same image.
    std::unique_ptr<ChannelGridWindow> english;
    QTableWidget* shown = grid();
    if (language) {
        state_->language = Language::English;
        english = std::make_unique<ChannelGridWindow>(*state_);
        shown = english->findChild<QTableWidget*>("MSF_chann");
    }
    for (int line = 1; line <= 16; ++line) {
        const QString row = listing[line];
        for (int column = 0; column < r5::grid::kColumnCount; ++column) {
            const qsizetype end = column + 1 < starts.size() ? starts[column + 1] : row.size();
            const QString listed = row.mid(starts[column], end - starts[column]).trimmed();
            QCOMPARE(listed, shown->item(line - 1, column)->text().trimmed());
        }
    }
}

QTEST_MAIN(ChannelEditingTest)
#include "tst_channel_editing.moc"
