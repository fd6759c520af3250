// The clients to whom projects belong. A client that a project names
// cannot be deleted; the projects are read once, when the window opens.
#pragma once

#include "framework/MaintenanceWindow.h"

namespace velmar {

class frmClients final : public MaintenanceWindow {
public:
    explicit frmClients(QWidget* parent = nullptr);
};

}  // namespace velmar
