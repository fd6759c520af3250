// A window as the presentation core reaches it by member name: its `Name`
// (the widget's object name), its `Caption` (the window title), its
// `Controls` collection and, as members of their own names, its controls.
// A control offers `Name`; labels, buttons and frames `Caption`; text boxes
// `Text`.
#pragma once

#include <QPointer>
#include <QWidget>

#include "Com/Object.h"

namespace velmar {

class WindowObject final : public com::Dispatch<WindowObject> {
public:
    static constexpr const char* kClassName = "Form";
    static const com::Members<WindowObject>& Interface();

    explicit WindowObject(QWidget* window) : window_(window) {}
    QWidget* window() const;
    com::Variant invoke(std::string_view member, com::CallKind kind, com::Args args) override;

private:
    // The control of that name, or none.
    QWidget* control(const std::string& name) const;

    QPointer<QWidget> window_;
};

}  // namespace velmar
