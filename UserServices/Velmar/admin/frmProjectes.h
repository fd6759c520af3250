// The projects: the window with which the program starts. Beside keeping
// the projects, it carries buttons that begin, commit and roll back a
// transaction of the session by hand and register the session's
// connection with the connection collector.
#pragma once

#include "framework/FinestraManteniment.h"

namespace velmar {

class frmProjectes final : public FinestraManteniment {
public:
    explicit frmProjectes(QWidget* parent = nullptr);

    // The collector of Morune, held for the window's life; none when it
    // could not be created.
    com::ObjectRef objDeixalla;
    RecordsetRef rstRecordsetZones;

private:
    // Whether the current project has zones; reads them from the server.
    bool TeZones();
    // A test button's click: a failure is shown with the trail it brought.
    template <class Body>
    void BotoProva(Body body);
    void Transaccio(void (clsFuncionsCapaInterficie::*operacio)(const com::ObjectRef&));
};

}  // namespace velmar
