// The projects: the window with which the program starts, and from whose
// menu every other window opens; the project selected in its list is the
// session's. Beside keeping the projects, it carries buttons, shown only
// when the settings ask for them, that begin, commit and roll back a
// transaction of the session by hand and register the session's
// connection with the connection collector.
#pragma once

#include <functional>

#include "framework/MaintenanceWindow.h"

namespace velmar {

class frmProjectes final : public MaintenanceWindow {
public:
    explicit frmProjectes(QWidget* parent = nullptr);

    // The collector of Morune, held for the window's life; none when it
    // could not be created.
    com::ObjectRef objDeixalla;
    RecordsetRef rstRecordsetZones;

    // A window that the menu offers.
    struct EntradaMenu {
        std::string nom;    // the window's name
        std::string titol;  // its caption when the window's texts have none
        bool deProjecte;    // among the selected project's windows, not the administration's
    };
    // Gives the window its menu and the way it opens the windows it names,
    // from the menu and from cmdClients and cmdManteniment. A caption's text
    // code is "mnu" and the window's name without "frm" (mnuClients).
    void PosaMenu(const std::vector<EntradaMenu>& entrades, std::function<void(const std::string& nom)> obre);

private:
    // The selected project is the session's.
    void RecordShown() override;
    // The clients and maintenance types as the window `finestra` that keeps
    // them has just stored them: read again, so that the combos offer them.
    void RecarregaLlistaDe(const QString& finestra);
    // Whether the current project has zones; reads them from the server.
    bool TeZones();
    // A test button's click: a failure is shown with the trail it brought.
    template <class Body>
    void BotoProva(Body body);
    void Transaccio(void (clsFuncionsCapaInterficie::*operacio)(const com::ObjectRef&));

    std::function<void(const std::string& nom)> obre_;
};

}  // namespace velmar
