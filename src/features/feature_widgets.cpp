#include "features/feature_widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>

namespace r5 {
namespace {

// Eats the keys that type a character; the arrows and the list still work.
class TypingEater : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (!text.isEmpty() && text.front().isPrint())
                return true;
        }
        if (event->type() == QEvent::InputMethod)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QPushButton* makeFeatureButton(const char* name, const Text& caption, Language language, QWidget* parent)
{
    auto* button = named(captioned(new QPushButton(parent), caption, language), name);
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* makeHelpCloseRow(QWidget* window, Language language)
{
    QPushButton* help = makeFeatureButton("Command_help", kHelpCaption, language, window);
    QPushButton* close = makeFeatureButton("Command_close", kCloseCaption, language, window);
    QObject::connect(close, &QPushButton::clicked, window, [window] { closeFramed(window); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);
    return buttons;
}

void closeFramed(QWidget* window)
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        frame->close();
    else
        window->close();
}

QRect fractionGeometry(const QSize& mainWindowSize, double widthDivisor, double heightDivisor, int topDivisor)
{
    const int w = int(mainWindowSize.width() / widthDivisor);
    const int h = int(mainWindowSize.height() / heightDivisor);
    return QRect((mainWindowSize.width() - w) / 2, (mainWindowSize.height() - h) / topDivisor, w, h);
}

void fillQuietly(QComboBox* list, const QStringList& entries)
{
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(-1);
}

void retextQuietly(QComboBox* list, const QStringList& entries)
{
    const QSignalBlocker blocker(list);
    for (int i = 0; i < std::min(int(entries.size()), list->count()); ++i)
        list->setItemText(i, entries[i]);
}

bool selectQuietly(QComboBox* list, int position)
{
    if (list->currentIndex() == position)
        return false;
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(position);
    return true;
}

void ignoreTyping(QComboBox* list)
{
    list->setAttribute(Qt::WA_InputMethodEnabled, false);
    list->installEventFilter(new TypingEater(list));
}

} // namespace r5
