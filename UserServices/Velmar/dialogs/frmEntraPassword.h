// The password dialog: asks for a new password twice, checks it against
// the password rule and writes its hash into the calling window's
// `txtPassword`. It stores nothing itself.
#pragma once

#include <QDialog>
#include <string>

#include "Com/Object.h"
#include "Base/Trail.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

class QLineEdit;

namespace velmar {

class frmEntraPassword final : public QDialog, public base::ErrorFields {
public:
    // Translates itself; a failure is shown at once.
    explicit frmEntraPassword(QWidget* parent = nullptr);

    // The window whose `txtPassword` (reached by member name) receives the
    // hash of the accepted password.
    com::ObjectRef frmFormulariQueCrida;

    // The message code of the first rule the two texts break, or "".
    static std::string CodiValidacio(const std::string& password, const std::string& confirmacio);
    // Whether the text holds an ASCII digit and an ASCII letter.
    static bool CadenaTeNumericsiCaracters(const std::string& text);

private:
    void IniciFormulari();
    void SurtGuardantContrasenya();
    std::string CadenaValidacioAcceptar();

    clsFuncionsCapaInterficie funcions_;
    RecordsetRef rstRecordsetIdioma_;
    QLineEdit* txtPassword;
    QLineEdit* txtConfirmaPassword;
};

}  // namespace velmar
