#include "admin/frmProjectes.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "Brintel/BrintelNames.h"
#include "Com/ErrorProperties.h"
#include "Com/Registry.h"
#include "Morune/MoruneNames.h"
#include "core/Dialegs.h"
#include "core/clsAndamiSistema.h"

namespace velmar {

namespace support = brintel::names;
namespace collector = morune::names;
using com::names::IdTransaccio;

frmProjectes::frmProjectes(QWidget* parent)
    : FinestraManteniment(
          {.nom = "frmProjectes",
           .classeSuport = support::SvrProjectes,
           .suportPerNom = true,
           .recupera = "RecuperaProjectes",
           .actual = {.llista = support::GetProjectes, .desa = support::SaveProjecte},
           .taules = {{.recordset = "rstRecordsetClients", .llista = support::GetClients},
                      {.recordset = "rstRecordsetTipusManteniment", .llista = support::GetTipusManteniment}},
           .controls = {CampText("lblNomProjecte", "txtNomProjecte", "NomProjecte"),
                        CampText("lblNomResumit", "txtNomResumit", "NomResumit"),
                        CampText("lblSituacio", "txtSituacio", "Situacio"),
                        CampDataCombo("lblNumClient", "cboNumClient", "NumClient", "rstRecordsetClients",
                                      "NomClient", "NumClient"),
                        CampDataCombo("lblTipusManteniment", "cboNumTipusManteniment", "NumTipusManteniment",
                                      "rstRecordsetTipusManteniment", "CodTipusManteniment",
                                      "NumTipusManteniment")},
           .reglesDesa = {Regla::CampsBuits({"txtNomProjecte", "txtNomResumit", "txtSituacio", "cboNumClient",
                                             "cboNumTipusManteniment"},
                                            "valAlgunCampBuit"),
                          Regla::ForaDeLlista("cboNumClient", "valNoClientEnLlista"),
                          Regla::ForaDeLlista("cboNumTipusManteniment", "valNoTipusMantenimentEnLlista"),
                          Regla::Repetit("NomProjecte", "valRepetitNomProjecte"),
                          Regla::Repetit("NomResumit", "valRepetitNomResumit")},
           .reglesElimina = {{"valProjecteAmbZones",
                              [](Finestra& f) { return static_cast<frmProjectes&>(f).TeZones(); }}}},
          {.nom = "lstProjectes", .etiqueta = "lblLlistaProjectes", .camp = "NomResumit"}, parent) {
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
                com::TypeName(com::Get(clsAndamiSistema::Instance().SySSessio, IdTransaccio)));
        });
    });
    connect(boto("Command7", "Command1"), &QPushButton::clicked, this, [this] {
        BotoProva([this] {
            com::Call(objDeixalla, collector::AfegeixConnexio,
                      {com::Get(clsAndamiSistema::Instance().SySSessio, IdTransaccio)});
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
        objDeixalla = com::CreateObject(com::ProgID(collector::Morune, collector::clsDeixalla));
    } catch (...) {
        objDeixalla.reset();
    }
    IniciFormulari();
}

// Not a procedure of the window: its failure is shown with no entry of the
// window's, as the helper or the collector reported it.
template <class Body>
void frmProjectes::BotoProva(Body body) {
    clear();
    try {
        const base::Nesting dins(objFuncionsCapaInterficie);
        body();
    } catch (const base::TrailError& fallada) {
        NumError = fallada.number();
        UbicacioError = fallada.trail();
        MostraError(*this);
    } catch (...) {
        NumError = base::ErrorNumber(std::current_exception());
        MostraError(*this);
    }
}

void frmProjectes::Transaccio(void (clsFuncionsCapaInterficie::*operacio)(const com::ObjectRef&)) {
    BotoProva([this, operacio] { (objFuncionsCapaInterficie.*operacio)(Objecte()); });
}

bool frmProjectes::TeZones() {
    const int32_t projecte = rstRecordsetActual->Value("NumProjecte").toLong();
    const std::string xml = CridaSuport(support::GetZones, {projecte}).toString();
    rstRecordsetZones = objFuncionsCapaInterficie.PassaXMLARecordset(xml);
    return rstRecordsetZones->RecordCount() >= 1;
}

}  // namespace velmar
