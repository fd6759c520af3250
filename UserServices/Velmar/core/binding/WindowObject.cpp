#include "core/binding/WindowObject.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace velmar {
namespace {

// A control of a window, by member name.
class ControlObject final : public com::Dispatch<ControlObject> {
public:
    static constexpr const char* kClassName = "Control";

    explicit ControlObject(QWidget* control) : control_(control) {}

    static const com::Members<ControlObject>& Interface() {
        static const com::Members<ControlObject> members = [] {
            com::Members<ControlObject> m;
            m.property("Name", [](ControlObject& c) { return com::Variant(c.widget()->objectName().toStdString()); });
            m.property("Caption", [](ControlObject& c) { return com::Variant(c.caption()); },
                       [](ControlObject& c, const com::Variant& v) { c.setCaption(v.toString()); });
            m.property("Text", [](ControlObject& c) { return com::Variant(c.edit()->text().toStdString()); },
                       [](ControlObject& c, const com::Variant& v) {
                           c.edit()->setText(QString::fromStdString(v.toString()));
                       });
            return m;
        }();
        return members;
    }

private:
    QWidget* widget() const {
        if (!control_) com::Raise(com::err::ObjectRequired);
        return control_;
    }
    // Only text boxes have a Text here.
    QLineEdit* edit() const {
        auto* edit = qobject_cast<QLineEdit*>(widget());
        if (!edit) com::Raise(com::err::MemberNotFound);
        return edit;
    }
    // Only the controls that show a caption of their own have one.
    std::string caption() const {
        QWidget* w = widget();
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
        if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title().toStdString();
        com::Raise(com::err::MemberNotFound);
    }
    void setCaption(const std::string& text) {
        QWidget* w = widget();
        const QString caption = QString::fromStdString(text);
        if (auto* label = qobject_cast<QLabel*>(w)) return label->setText(caption);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->setText(caption);
        if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->setTitle(caption);
        com::Raise(com::err::MemberNotFound);
    }

    QPointer<QWidget> control_;
};

}  // namespace

QWidget* WindowObject::window() const {
    if (!window_) com::Raise(com::err::ObjectRequired);
    return window_;
}

const com::Members<WindowObject>& WindowObject::Interface() {
    static const com::Members<WindowObject> members = [] {
        com::Members<WindowObject> m;
        m.property("Name", [](WindowObject& f) { return com::Variant(f.window()->objectName().toStdString()); });
        m.property("Caption", [](WindowObject& f) { return com::Variant(f.window()->windowTitle().toStdString()); },
                   [](WindowObject& f, const com::Variant& v) {
                       f.window()->setWindowTitle(QString::fromStdString(v.toString()));
                   });
        m.method("Controls", [](WindowObject& f, com::Args args) {
            auto* control = f.control(com::Arg(args, 0).toString());
            if (!control) com::Raise(base::err::ControlNotFound);
            return com::Variant(std::make_shared<ControlObject>(control));
        });
        return m;
    }();
    return members;
}

QWidget* WindowObject::control(const std::string& name) const {
    return window()->findChild<QWidget*>(QString::fromStdString(name));
}

com::Variant WindowObject::invoke(std::string_view member, com::CallKind kind, com::Args args) {
    try {
        return Dispatch::invoke(member, kind, args);
    } catch (const com::ComError& error) {
        // A window's controls are members of it by their names.
        QWidget* found = error.number() == com::err::MemberNotFound && kind == com::CallKind::Get
                             ? control(std::string(member))
                             : nullptr;
        if (!found) throw;
        return com::Variant(std::make_shared<ControlObject>(found));
    }
}

}  // namespace velmar
