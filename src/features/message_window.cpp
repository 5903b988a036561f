#include "features/message_window.h"

#include "features/feature_widgets.h"
#include "ui/input_filter.h"
#include "model/window_names.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace r5 {
namespace {

constexpr const char* kBoxNames[message::kLineCount] = {"Text_MS1", "Text_MS2"};

} // namespace

MessageWindow::MessageWindow(AppState& state, QWidget* parent) : ChildWindow(state, parent)
{
    const Language language = state.language;
    setObjectName(window::kMessage);
    setCaption(this, message::kWindowTitle, language);

    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < message::kLineCount; ++i) {
        QLineEdit* box = named(new QLineEdit(this), kBoxNames[i]);
        QFont font = box->font();
        font.setStyleHint(QFont::SansSerif);
        font.setFamilies({"MS Sans Serif", font.family()});
        box->setFont(font);
        restrictInput(box, message::isMessageCharacter);
        box->installEventFilter(this);
        const int line = i + 1;
        connect(box, &QLineEdit::textEdited, this, [this, line] { edited(line); });
        layout->addWidget(box);
        boxes_[i] = box;
    }

    QHBoxLayout* buttons = makeHelpCloseRow(this, language);
    layout->addStretch();
    layout->addLayout(buttons);
    showLines();
}

QRect MessageWindow::initialGeometry(const QSize& mainWindowSize) const
{
    return fractionGeometry(mainWindowSize, 3, 4, 4);
}

void MessageWindow::showLines()
{
    for (int i = 0; i < message::kLineCount; ++i) {
        const QString text = message::shownLine(state().image, i + 1);
        if (boxes_[i]->text() != text)
            boxes_[i]->setText(text);
    }
}

void MessageWindow::edited(int line)
{
    QLineEdit* box = boxes_[line - 1];
    // A paste can bring more than a line holds: the box keeps what the radio
    // gets, so what it shows is the message.
    const QString trimmed = box->text().trimmed();
    if (trimmed.size() > message::kLineLength)
        box->setText(trimmed.left(message::kLineLength));
    message::storeLine(state().image, line, box->text());
}

bool MessageWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        const QString text = static_cast<QKeyEvent*>(event)->text();
        // A full line takes no more characters; editing keys still work.
        if (box && text.size() == 1 && text.front().isPrint() && !message::keyAccepted(box->text(), text.front())
            && !box->hasSelectedText())
            return true;
    }
    return ChildWindow::eventFilter(watched, event);
}

} // namespace r5
