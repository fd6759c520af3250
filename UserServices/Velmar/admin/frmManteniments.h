// The maintenance types that projects take. A type that a project has
// cannot be deleted; the projects are read once, when the window opens.
#pragma once

#include "framework/MaintenanceWindow.h"

namespace velmar {

class frmManteniments final : public MaintenanceWindow {
public:
    explicit frmManteniments(QWidget* parent = nullptr);
};

}  // namespace velmar
