// The projects one user may open: the user window opens it, modally, for
// the user it edits. It lists the user's projects by name, offers every
// project, and adds or removes one at a time, each stored at once, so that
// nothing waits for a save when it closes.
#pragma once

#include "framework/ListWindow.h"

class QLabel;

namespace velmar {

class DataCombo;

class frmUsuariProjecte final : public ListWindow {
public:
    explicit frmUsuariProjecte(QWidget* parent = nullptr);

    // The user window: its current row is the user, its
    // rstRecordsetProjectes every project.
    com::ObjectRef frmFormulariQueCrida;

    // Form_Load: reads the user and the projects from the caller, and the
    // user's projects; a failure is shown and it opens as far as it got.
    void Obre();

private:
    void IniciFormulari();
    void Afegir();
    void Eliminar();

    int32_t lngUsuari = 0;
    QLabel* lblNomUsuari;
    DataCombo* cmbProjectes;
};

}  // namespace velmar
