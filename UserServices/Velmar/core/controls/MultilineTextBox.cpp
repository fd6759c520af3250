#include "core/controls/MultilineTextBox.h"

#include <QLineEdit>
#include <QTextCursor>

namespace velmar {
namespace {

constexpr int kLinies = 4;

// Unbound, it holds as much as a one-line box does; learnt once, not by a
// box made for each.
int LimitSenseCamp() {
    static const int limit = QLineEdit().maxLength();
    return limit;
}

}  // namespace

MultilineTextBox::MultilineTextBox(QWidget* parent)
    : QPlainTextEdit(parent), maxLength_(LimitSenseCamp()) {
    setTabChangesFocus(true);
    setMinimumHeight(fontMetrics().lineSpacing() * kLinies + 2 * frameWidth() + 8);
    // Connected first: whoever else follows the text sees it cut already.
    connect(this, &QPlainTextEdit::textChanged, this, [this] { retalla(); });
}

void MultilineTextBox::setMaxLength(int length) {
    maxLength_ = length;
    retalla();
}

// The characters beyond the limit are those just typed or pasted, before
// the cursor.
void MultilineTextBox::retalla() {
    const int excess = static_cast<int>(toPlainText().size()) - maxLength_;
    if (excess <= 0 || retallant_) return;
    retallant_ = true;
    QTextCursor cursor = textCursor();
    const int end = cursor.position();
    cursor.setPosition(std::max(0, end - excess));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    // A text given whole (not typed) may run past the cursor: its end goes.
    if (toPlainText().size() > maxLength_) setPlainText(toPlainText().left(maxLength_));
    retallant_ = false;
}

}  // namespace velmar
