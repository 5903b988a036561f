#include "ui/captions.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QVariant>

namespace r5 {
namespace {

// The property that keeps a control's Chinese and English caption.
constexpr char kCaptionProperty[] = "r5Caption";

void show(QWidget* widget, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
    else
        widget->setWindowTitle(text);
}

void showKept(QWidget* widget, Language language)
{
    const QStringList both = widget->property(kCaptionProperty).toStringList();
    if (both.size() == 2)
        show(widget, both[language == Language::Chinese ? 0 : 1]);
}

} // namespace

void setCaption(QWidget* widget, const Text& caption, Language language)
{
    widget->setProperty(kCaptionProperty, QStringList{QString::fromUtf8(caption.zh), QString::fromUtf8(caption.en)});
    show(widget, caption.in(language));
}

void recaption(QWidget* root, Language language)
{
    showKept(root, language);
    for (QWidget* widget : root->findChildren<QWidget*>())
        showKept(widget, language);
}

} // namespace r5
