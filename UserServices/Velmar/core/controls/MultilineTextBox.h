// A text box several lines high, for a field that holds a few sentences:
// it binds like a one-line text box and, like one, holds no more
// characters than its field does.
#pragma once

#include <QPlainTextEdit>

namespace velmar {

class MultilineTextBox final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MultilineTextBox(QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }
    // The most characters it takes; what is typed or pasted beyond them is
    // dropped.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);

private:
    void retalla();

    int maxLength_;
    bool retallant_ = false;
};

}  // namespace velmar
