// Every window in both languages at 150 % scaling: what assistive technology
// hears, what the keyboard reaches, what a larger font clips, what a language
// switch leaves behind, and the port window in a dark palette.
#include "gui/program_helpers.h"

#include <QtWidgets>
#include <QtTest>

using namespace r5;
using namespace r5::test;

namespace {

bool isInteractive(const QWidget* w)
{
    return !qobject_cast<const QHeaderView*>(w)
        && (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w)
            || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractItemView*>(w));
}

// The widest line a control shows against the room it has.
bool clipped(const QWidget* w)
{
    QString text;
    int room = w->contentsRect().width();
    if (auto* label = qobject_cast<const QLabel*>(w); label && !label->wordWrap())
        text = label->text();
    else if (auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text(), room -= button->icon().isNull() ? 0 : button->iconSize().width();
    int widest = 0;
    for (const QString& line : text.remove('&').split('\n'))
        widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    return widest > room || (!text.isEmpty() && !w->parentWidget()->rect().contains(w->geometry()));
}

QStringList faultsIn(QWidget* root)
{
    QStringList faults;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const QString where = w->parentWidget()->objectName() + '/' + w->objectName();
        // A drop-down's box is named through the drop-down; the toolbar's
        // pictures repeat menu commands that have keys.
        if (!w->isVisibleTo(root) || qobject_cast<QMenuBar*>(w) || qobject_cast<QComboBox*>(w->parentWidget())
            || qobject_cast<QToolBar*>(w->parentWidget()))
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (isInteractive(w) && w->isEnabled() && a->text(QAccessible::Name).trimmed().isEmpty())
            faults << where + ": no accessible name";
        // Of a set of radio buttons, Tab reaches the chosen one and the arrows the others.
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (isInteractive(w) && !(w->focusPolicy() & Qt::TabFocus) && !(button && button->autoExclusive()))
            faults << where + ": not reached by Tab";
        // A tree tells its open rows; a list or table all of its rows.
        auto* view = qobject_cast<QAbstractItemView*>(w);
        if (view && !qobject_cast<QTreeView*>(w) && a->tableInterface()
            && a->tableInterface()->rowCount() != view->model()->rowCount(view->rootIndex()))
            faults << where + ": tells not all rows";
        if (clipped(w))
            faults << where + ": text clipped";
    }
    return faults;
}

// What a window says, control by control, in the order the window built them.
QStringList textsOf(const QWidget* window)
{
    QStringList texts = {window->windowTitle()};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<const QLabel*>(w))
            text = label->text();
        else if (auto* button = qobject_cast<const QAbstractButton*>(w))
            text = button->text();
        else if (auto* group = qobject_cast<const QGroupBox*>(w))
            text = group->title();
        else if (auto* list = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i)
                text += list->itemText(i) + '|';
        else if (auto* tabs = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                text += tabs->tabText(i) + '|';
        else if (auto* table = qobject_cast<const QTableView*>(w))
            for (int row = -1; row < table->model()->rowCount(); ++row)
                for (int column = 0; column < table->model()->columnCount(); ++column)
                    text += (row < 0 ? table->model()->headerData(column, Qt::Horizontal)
                                     : table->model()->index(row, column).data()).toString() + '|';
        texts << w->objectName() + ": " + text;
    }
    return texts;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowIsNamedReachableAndUnclipped();
    void aLanguageSwitchReachesOpenWindowsAndQtTexts();
    void aMissingPortStandsApartInADarkPalette();
};

void AccessibilityTest::everyWindowIsNamedReachableAndUnclipped()
{
    for (const Language language : {Language::Chinese, Language::English}) {
        QTemporaryDir folder;
        for (const char* file : {"a.chann", "b.chann", "c.chann", "a.adj", "b.adj"})
            QFile(folder.filePath(file)).open(QIODevice::WriteOnly);
        const QString before = QDir::currentPath();
        QDir::setCurrent(folder.path());
        TestProgram program({}, MainWindow::Options{language, true});
        program.startUp();
        program.frame.resize(910, 512);  // a small laptop screen at 150 %
        program.frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&program.frame));
        QStringList faults;
        for (const QString& name : program.frame.windowNames()) {
            const ChildWindow* window = program.frame.openWindow(name);
            if (!window->isAncestorOf(QApplication::focusWidget()))  // the keyboard starts inside a new window
                faults << name + ": no focus";
            const QSize needed = window->minimumSizeHint();
            if (window->width() < needed.width() || window->height() < needed.height())
                faults << name + ": squeezed";
        }
        const auto* files = program.frame.child("Form_open_chann")->findChild<QAbstractItemView*>("File1");
        QTRY_COMPARE(files->model()->rowCount(), 3);  // the folder is read in the background
        faults << faultsIn(&program.frame);
        QList<QAction*> items = program.frame.menuBar()->actions();
        for (QAction* menu : program.frame.menuBar()->actions())
            items << (menu->menu() ? menu->menu()->actions() : QList<QAction*>());
        for (QAction* item : items)
            if (item->isVisible() && !item->isSeparator() && !item->text().contains('&'))
                faults << item->objectName() + ": no mnemonic";
        QDir::setCurrent(before);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
}

void AccessibilityTest::aLanguageSwitchReachesOpenWindowsAndQtTexts()
{
    TestProgram program(eightBuiltInPorts(), {Language::Chinese, true}, TestProgram::Link::Fake, {builtInDevice(1)});
    program.startUp();
    for (const QString& name : program.frame.windowNames())
        program.frame.openWindow(name);
    const auto qtCancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    QCOMPARE(qtCancel(), QString("取消"));
    program.frame.menuItem("Language_eng")->trigger();
    QCOMPARE(qtCancel(), QString("Cancel"));
    for (const QString& name : program.frame.windowNames()) {
        const QStringList switched = textsOf(program.frame.child(name));
        QCOMPARE(switched, textsOf(program.frame.openWindow(name)));  // as if built in English
    }
    // A read waiting for the radio says so again in the new language.
    program.frame.child("Form_Comm_Read")->findChild<QPushButton*>("Command_read")->click();
    const auto* status = program.frame.child("Form_Comm_Read")->findChild<QLabel*>("Label_tr_count");
    const QString english = status->text();
    program.frame.menuItem("Language_chn")->trigger();
    QVERIFY(!english.isEmpty() && !status->text().isEmpty() && status->text() != english);
}

void AccessibilityTest::aMissingPortStandsApartInADarkPalette()
{
    // The last case: the palette stays dark.
    QPalette dark(QColor(220, 220, 220), QColor(40, 40, 40));  // light text on a dark window
    QApplication::setPalette(dark);
    TestProgram program({eightBuiltInPorts().first()});
    program.startUp();
    QWidget* port = program.frame.openWindow("Form_setup");
    const auto* present = port->findChild<QLabel*>("Label_device1");
    const auto* missing = port->findChild<QLabel*>("Label_device2");
    const QColor ink = missing->palette().color(missing->foregroundRole());
    QVERIFY(ink != present->palette().color(present->foregroundRole()));
    QVERIFY(qAbs(ink.lightness() - dark.color(QPalette::Window).lightness()) > 50);  // still readable
    QVERIFY(missing->font().italic() && !present->font().italic());
}

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
