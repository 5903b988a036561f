#include "app/screenshots.h"

#include "app/main_window.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTimer>

namespace r5 {
namespace {

// Lets layouts settle and the file lists fill before a picture is taken.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(250, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget* widget, const QString& path)
{
    settle();
    return widget->grab().save(path, "PNG");
}

} // namespace

int writeScreenshots(MainWindow& frame, const QString& folder)
{
    QDir().mkpath(folder);
    const QDir out(folder);
    int failures = 0;
    frame.show();
    for (const Language language : {true, false}) {
        const QString language = language == Language::Chinese ? "zh" : "en";
        if (frame.menuItem("Language_chn")->isChecked() != language)
            frame.switchLanguage(language);
        for (const QString& name : frame.windowNames())
            frame.closeWindow(name);
        // The main window as a dealer first sees it: the channel grid open.
        frame.openWindow("frm_chann");
        failures += !save(&frame, out.filePath(language + "-MDImain.png"));
        for (const QString& name : frame.windowNames()) {
            ChildWindow* window = frame.openWindow(name);
            QWidget* framed = window->parentWidget() ? window->parentWidget() : window;
            failures += !save(framed, out.filePath(language + "-" + name + ".png"));
            if (name != "frm_chann")
                frame.closeWindow(name);
        }
    }
    return failures;
}

} // namespace r5
