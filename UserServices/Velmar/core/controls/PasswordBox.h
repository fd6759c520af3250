// The box that stands for a stored password: it holds the password's hash
// for its binding to carry, and shows only a fixed mask, the same for every
// password, or nothing when there is none. It never takes typing; the
// window fills it through the password dialog.
#pragma once

#include <QLineEdit>

namespace velmar {

class PasswordBox final : public QLineEdit {
public:
    explicit PasswordBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Keys go on to the window, which opens the dialog on Enter.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace velmar
