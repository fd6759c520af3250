#include "admin/frmProjectes.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "Com/Registry.h"
#include "core/DataCombo.h"
#include "core/Dialegs.h"
#include "core/clsAndamiSistema.h"

namespace velmar {
namespace {

bool Buit(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text().isEmpty();
    return static_cast<const QComboBox*>(control)->currentText().isEmpty();
}

}  // namespace

frmProjectes::frmProjectes(QWidget* parent)
    : FinestraManteniment({.nom = "frmProjectes",
                           .classeSuport = "SvrProjectes",
                           .suportPerNom = true,
                           .operacioLlista = "GetProjectes",
                           .operacioDesa = "SaveProjecte",
                           .campLlista = "NomResumit",
                           .recupera = "RecuperaProjectes",
                           .etiquetaLlista = "lblLlistaProjectes"},
                          parent) {
    Llista()->setObjectName("lstProjectes");
    txtNomProjecte = AfegeixCamp("lblNomProjecte", "txtNomProjecte", "NomProjecte");
    txtNomResumit = AfegeixCamp("lblNomResumit", "txtNomResumit", "NomResumit");
    txtSituacio = AfegeixCamp("lblSituacio", "txtSituacio", "Situacio");
    cboNumClient = AfegeixDataCombo("lblNumClient", "cboNumClient", "NumClient", "rstRecordsetClients",
                                    "GetClients", "NomClient", "NumClient");
    cboNumTipusManteniment =
        AfegeixDataCombo("lblTipusManteniment", "cboNumTipusManteniment", "NumTipusManteniment",
                         "rstRecordsetTipusManteniment", "GetTipusManteniment", "CodTipusManteniment",
                         "NumTipusManteniment");

    // The test buttons, with their design captions.
    const auto boto = [this](const char* name, const char* caption) {
        auto* button = new QPushButton(QString::fromLatin1(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        BotonsPropis()->addWidget(button);
        return button;
    };
    connect(boto("Command1", "Begin Tran"), &QPushButton::clicked, this,
            [this] { Transaccio(&clsFuncionsCapaInterficie::BeginTransaction); });
    connect(boto("Command3", "EndTran"), &QPushButton::clicked, this,
            [this] { Transaccio(&clsFuncionsCapaInterficie::CommitTransaction); });
    connect(boto("Command4", "Rollback"), &QPushButton::clicked, this, [this] {
        Transaccio(&clsFuncionsCapaInterficie::RollBackTransaction);
        if (NumError == 0) PropagaCanvisABD();
    });
    connect(boto("Command5", "Command5"), &QPushButton::clicked, this, [this] {
        BotoProva([] {
            dialegs::MissatgeOk(
                com::TypeName(com::Get(clsAndamiSistema::Instance().SySSessio, "IdTransaccio")));
        });
    });
    connect(boto("Command7", "Command1"), &QPushButton::clicked, this, [this] {
        BotoProva([this] {
            com::Call(objDeixalla, "AfegeixConnexio",
                      {com::Get(clsAndamiSistema::Instance().SySSessio, "IdTransaccio")});
        });
    });
    connect(boto("Command8", "Info"), &QPushButton::clicked, this,
            [this] { BotoProva([this] { com::Call(objDeixalla, "InfoClasseDeixalla"); }); });
    boto("Command2", "Command1");
    boto("Command6", "Command1");
    boto("cmdClients", "cmdClients");
    boto("cmdManteniment", "cmdManteniment");

    // Form_Load. Only the test buttons need the collector: without one the
    // window still keeps the projects.
    try {
        objDeixalla = com::CreateObject("Morune.clsDeixalla");
    } catch (...) {
        objDeixalla.reset();
    }
    IniciFormulari();
}

template <class Body>
void frmProjectes::BotoProva(Body body) {
    clear();
    try {
        body();
    } catch (...) {
        NumError = com::ErrorNumber(std::current_exception());
        MostraError();
    }
}

void frmProjectes::Transaccio(void (clsFuncionsCapaInterficie::*operacio)(const com::ObjectRef&)) {
    BotoProva([this, operacio] {
        (objFuncionsCapaInterficie.*operacio)(Objecte());
        ProvaFuncions();
    });
}

std::string frmProjectes::CodiValidacioRegistreActual() {
    if (rstRecordsetActual->RecordCount() >= 1)
        for (const QWidget* control : {txtNomProjecte, txtNomResumit, txtSituacio,
                                       static_cast<QWidget*>(cboNumClient),
                                       static_cast<QWidget*>(cboNumTipusManteniment)})
            if (Buit(control)) return "valAlgunCampBuit";
    if (!cboNumClient->MatchedWithList()) return "valNoClientEnLlista";
    if (!cboNumTipusManteniment->MatchedWithList()) return "valNoTipusMantenimentEnLlista";
    const auto repetit = [this](const char* field) {
        const bool repeated = objFuncionsCapaInterficie.ValorCampRepetit(rstRecordsetActual, field);
        ProvaFuncions();
        return repeated;
    };
    if (repetit("NomProjecte")) return "valRepetitNomProjecte";
    if (repetit("NomResumit")) return "valRepetitNomResumit";
    return {};
}

std::string frmProjectes::CodiValidacioEliminar() {
    const int32_t projecte = rstRecordsetActual->Value("NumProjecte").toLong();
    const std::string xml = CridaSuport("GetZones", {projecte}).toString();
    rstRecordsetZones = objFuncionsCapaInterficie.PassaXMLARecordset(xml);
    ProvaFuncions();
    return rstRecordsetZones->RecordCount() >= 1 ? "valProjecteAmbZones" : "";
}

}  // namespace velmar
