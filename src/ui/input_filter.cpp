#include "ui/input_filter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace r5 {
namespace {

constexpr char16_t kFullWidthFirst = 0xFF01;  // full-width "!"
constexpr char16_t kFullWidthLast = 0xFF5E;   // full-width "~"
constexpr char16_t kFullWidthOffset = 0xFF01 - 0x21;
constexpr char16_t kIdeographicSpace = 0x3000;

// A line edit runs its validator on every change before anyone sees it:
// typed keys, input-method commits, pastes and drops alike. Dropping refused
// characters here (rather than refusing the whole change) keeps the accepted
// part of a paste, as typing it key by key would.
class CharacterValidator : public QValidator {
public:
    CharacterValidator(CharacterRule accepts, int maxLength, QObject* parent)
        : QValidator(parent), accepts_(std::move(accepts)), maxLength_(maxLength) {}

    State validate(QString& input, int& pos) const override
    {
        const QString folded = foldFullWidth(input);
        QString kept;
        kept.reserve(folded.size());
        int keptBeforeCursor = 0;
        for (int i = 0; i < folded.size(); ++i) {
            if (!accepts_(folded[i]))
                continue;
            kept.append(folded[i]);
            if (i < pos)
                ++keptBeforeCursor;
        }
        // Over the limit, the end of what was just inserted (it ends at the
        // cursor) goes, as a line edit's own length limit would cut it; but
        // only after the refused characters are out, so they take no room.
        const int excess = kept.size() - maxLength_;
        if (excess > 0) {
            const int cut = std::min(excess, keptBeforeCursor);
            kept.remove(keptBeforeCursor - cut, cut);
            keptBeforeCursor -= cut;
            kept.truncate(maxLength_);
        }
        input = kept;
        pos = keptBeforeCursor;
        return Acceptable;
    }

private:
    CharacterRule accepts_;
    int maxLength_;
};

} // namespace

QString foldFullWidth(const QString& text)
{
    QString folded = text;
    for (QChar& c : folded) {
        const char16_t u = c.unicode();
        if (u >= kFullWidthFirst && u <= kFullWidthLast)
            c = QChar(char16_t(u - kFullWidthOffset));
        else if (u == kIdeographicSpace)
            c = QChar(u' ');
    }
    return folded;
}

void restrictInput(QLineEdit* box, CharacterRule accepts, int maxLength)
{
    box->setValidator(new CharacterValidator(std::move(accepts), maxLength, box));
}

void restrictInput(QComboBox* box, CharacterRule accepts)
{
    if (QLineEdit* edit = box->lineEdit())
        restrictInput(edit, std::move(accepts));
}

} // namespace r5
