// A window as the presentation core reaches it by member name: its `Name`
// (the widget's object name), its `Caption` (the window title) and its
// `Controls` collection, whose items, looked up by control name, offer
// `Name` and, for labels, buttons and frames, `Caption`.
#pragma once

#include <QPointer>
#include <QWidget>

#include "Com/Object.h"

namespace velmar {

class FormulariObject final : public com::Dispatch<FormulariObject> {
public:
    static constexpr const char* kClassName = "Form";
    static const com::Members<FormulariObject>& Interface();

    explicit FormulariObject(QWidget* window) : window_(window) {}
    QWidget* window() const;

private:
    QPointer<QWidget> window_;
};

}  // namespace velmar
