// The users of the system: name, login, security level, language, whether
// the user is authorised, and the password, which only the password dialog
// fills and which is kept as a hash. While a user that is saved is edited,
// the projects the user may open are kept in the project-access dialog.
#pragma once

#include "framework/MaintenanceWindow.h"

class QPushButton;

namespace velmar {

class frmUsuaris final : public MaintenanceWindow {
public:
    explicit frmUsuaris(QWidget* parent = nullptr);

private:
    void BeforeBinding() override;
    // The list's columns: the name, login and authorised flag, in the order
    // of their fields, with their headers in the user's language.
    void ConfiguraLlistaAmbNomsCamps();
    // A new user speaks Català when the languages have it.
    void FillNew() override;
    void RefreshModeFormEdicio(bool edicio) override;
    void ObreFormulariPassword();
    void ObreFormulariAccesProjectes();

    QString strTextSi;
    QString strTextNo;
    QPushButton* cmdAccesProjectes;
};

}  // namespace velmar
