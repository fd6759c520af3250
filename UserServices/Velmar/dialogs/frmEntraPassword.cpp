#include "dialogs/frmEntraPassword.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Base/Text.h"
#include "core/services/PasswordHash.h"
#include "core/services/Dialogs.h"
#include "core/binding/WindowObject.h"
#include "core/services/Procedure.h"
#include "core/services/clsAndamiSistema.h"

namespace velmar {
namespace {

constexpr std::string_view kName = "frmEntraPassword";
constexpr int kLlargariaMinima = 8;

}  // namespace

frmEntraPassword::frmEntraPassword(QWidget* parent)
    : QDialog(parent), txtPassword(new QLineEdit(this)), txtConfirmaPassword(new QLineEdit(this)) {
    setObjectName(QString::fromUtf8(kName.data(), kName.size()));
    setModal(true);
    // Captions stay the control names until the translation sets them.
    auto* lblEntraPassword = dialogs::Control<QLabel>(this, "lblEntraPassword");
    auto* lblReentraPassword = dialogs::Control<QLabel>(this, "lblReentraPassword");
    auto* cmdAcceptar = dialogs::Control<QPushButton>(this, "cmdAcceptar");
    auto* cmdCancellar = dialogs::Control<QPushButton>(this, "cmdCancellar");
    txtPassword->setObjectName("txtPassword");
    txtConfirmaPassword->setObjectName("txtConfirmaPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    txtConfirmaPassword->setEchoMode(QLineEdit::Password);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblEntraPassword, 0, 0);
    layout->addWidget(txtPassword, 0, 1);
    layout->addWidget(lblReentraPassword, 1, 0);
    layout->addWidget(txtConfirmaPassword, 1, 1);
    layout->addWidget(cmdAcceptar, 2, 0);
    layout->addWidget(cmdCancellar, 2, 1);
    connect(cmdAcceptar, &QPushButton::clicked, this, [this] { SurtGuardantContrasenya(); });
    connect(cmdCancellar, &QPushButton::clicked, this, &QDialog::reject);

    RunShownProcedure(*this, funcions_, kName, "IniciFormulari", [this] { IniciFormulari(); });
}

void frmEntraPassword::IniciFormulari() {
    rstRecordsetIdioma_ = funcions_.TradueixFormulariIdioma(std::make_shared<WindowObject>(this),
                                                            clsAndamiSistema::Instance().Idioma());
}

void frmEntraPassword::SurtGuardantContrasenya() {
    RunShownProcedure(*this, funcions_, kName, "SurtGuardantContrasenya", [this] {
        std::string message;
        RunProcedure(*this, funcions_, kName, "CadenaValidacioAcceptar", [&] { message = CadenaValidacioAcceptar(); });
        if (!message.empty()) return dialogs::ShowMessage(message);
        // The hash of the password as typed, blanks included: the password
        // itself is stored nowhere.
        com::Let(com::Get(frmFormulariQueCrida, "txtPassword").toObject(), "Text",
                 HashPassword(txtPassword->text().toStdString()));
        accept();
    });
}

std::string frmEntraPassword::CadenaValidacioAcceptar() {
    const std::string code = CodiValidacio(txtPassword->text().toStdString(), txtConfirmaPassword->text().toStdString());
    if (code.empty()) return code;
    return funcions_.TradueixMissatgeFormulariIdioma(rstRecordsetIdioma_, code);
}

std::string frmEntraPassword::CodiValidacio(const std::string& password, const std::string& confirmacio) {
    const std::string entrada(base::Trim(password, " "));
    const std::string repetida(base::Trim(confirmacio, " "));
    if (entrada.empty() || repetida.empty()) return "valAlgunaContrasenyaBuida";
    if (QString::fromStdString(entrada).size() < kLlargariaMinima) return "valContrasenyaCurta";
    if (!CadenaTeNumericsiCaracters(entrada)) return "valContrasenyaSenseNombresOCaracters";
    if (entrada != repetida) return "valContrasenyesDiferents";
    return {};
}

bool frmEntraPassword::CadenaTeNumericsiCaracters(const std::string& text) {
    bool digit = false;
    bool letter = false;
    // Bytes of a character outside ASCII are 128 or more: neither.
    for (const char c : text) {
        digit = digit || (c >= '0' && c <= '9');
        letter = letter || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    }
    return digit && letter;
}

}  // namespace velmar
