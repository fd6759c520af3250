#include "core/controls/Locking.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/controls/MultilineTextBox.h"

namespace velmar {
namespace {

constexpr const char* kLockName = "velmarBloqueig";

bool ChangesTheValue(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // A click in a combo's own text box places the cursor there.
            return !qobject_cast<QLineEdit*>(watched);
        case QEvent::Wheel:
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto* tecla = static_cast<QKeyEvent*>(event);
            // A letter typed into a combo that takes no typing picks the
            // first item it begins (another connection in a chooser, "No"
            // in a flag).
            if (qobject_cast<QComboBox*>(watched) && !tecla->text().isEmpty() && tecla->text().front().isPrint())
                return true;
            const int key = tecla->key();
            // Tab, the arrows within a text, copying: all still work.
            return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                   key == Qt::Key_PageDown || key == Qt::Key_F4 || key == Qt::Key_Space ||
                   key == Qt::Key_Select || ((key == Qt::Key_Home || key == Qt::Key_End) &&
                                             !qobject_cast<QLineEdit*>(watched));
        }
        default:
            return false;
    }
}

// Eats, while its control is locked, the input that would change the
// control's value.
class Lock final : public QObject {
public:
    explicit Lock(QWidget* control) : QObject(control) {
        setObjectName(kLockName);
        control->installEventFilter(this);
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
            combo->lineEdit()->installEventFilter(this);
    }
    bool locked = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return locked && ChangesTheValue(watched, event);
    }
};

Lock* LockOf(const QWidget* control) {
    return static_cast<Lock*>(control->findChild<QObject*>(kLockName, Qt::FindDirectChildrenOnly));
}

}  // namespace

void SetLocked(QWidget* control, bool bloquejat) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->setReadOnly(bloquejat);
    if (auto* box = dynamic_cast<MultilineTextBox*>(control)) return box->setReadOnly(bloquejat);
    auto* combo = qobject_cast<QComboBox*>(control);
    if (!combo && !qobject_cast<QCheckBox*>(control)) return;
    if (combo && combo->lineEdit()) combo->lineEdit()->setReadOnly(bloquejat);
    Lock* lock = LockOf(control);
    if (!lock) lock = new Lock(control);
    lock->locked = bloquejat;
}

bool IsLocked(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->isReadOnly();
    if (auto* box = dynamic_cast<const MultilineTextBox*>(control)) return box->isReadOnly();
    const Lock* lock = LockOf(control);
    return lock && lock->locked;
}

}  // namespace velmar
