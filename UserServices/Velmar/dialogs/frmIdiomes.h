// The language chooser: every language the database knows, as an icon with
// its code; accepting makes the chosen one the session's language and
// stores it in the current user's row (a session without a user looks up
// the user of the system's login again first, who may have been added
// since it began).
#pragma once

#include <QDialog>
#include <QIcon>
#include <string>
#include <utility>
#include <vector>

#include "Com/Object.h"
#include "Base/Trail.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

class QLabel;
class QListWidget;

namespace velmar {

class frmIdiomes final : public QDialog, public base::ErrorFields {
public:
    // Loads everything itself; a failure is shown at once and the window
    // keeps what it had built.
    explicit frmIdiomes(QWidget* parent = nullptr);

    com::ObjectRef objClasseSuportActual;
    RecordsetRef rstRecordsetActual;
    RecordsetRef rstRecordsetIdioma;
    RecordsetRef rstRecordsetUsuaris;

private:
    void IniciFormulari();
    void SurtGravantIdioma();

    clsFuncionsCapaInterficie funcions_;
    std::string strXML_;
    // The icons by key: the code, "#" and the number with its sign blank.
    std::vector<std::pair<std::string, QIcon>> iltImatgesIdiomes;
    QListWidget* lstIdiomes;
    QLabel* lblNomIdiomaActual;
};

}  // namespace velmar
