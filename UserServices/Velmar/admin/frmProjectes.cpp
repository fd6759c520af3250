#include "admin/frmProjectes.h"

#include <QHBoxLayout>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include "Base/Text.h"
#include "Brintel/BrintelNames.h"
#include "Com/ErrorProperties.h"
#include "Com/Registry.h"
#include "Morune/MoruneNames.h"
#include "core/services/SaveNotice.h"
#include "core/services/Dialogs.h"
#include "core/services/clsAndamiSistema.h"

namespace velmar {
namespace {

namespace support = brintel::names;
namespace collector = morune::names;

// The session's transaction: a connection while one is open.
com::Variant IdTransaccioSessio() {
    return com::Get(clsAndamiSistema::Instance().SySSessio, com::names::IdTransaccio);
}

// Whether the settings turn the test buttons on (BotonsProva=1).
bool BotonsProva() {
    clsFuncionsCapaInterficie settings;
    return base::Trim(settings.ConsultaArxiuIniInterficie("General", "BotonsProva"), " ") == "1";
}

}  // namespace

frmProjectes::frmProjectes(QWidget* parent)
    : MaintenanceWindow(
          {.nom = "frmProjectes",
           .classeSuport = support::SvrProjectes,
           .suportPerNom = true,
           .recupera = "RecuperaProjectes",
           .actual = {.llista = support::GetProjectes, .desa = support::SaveProjecte},
           .taules = {{.recordset = "rstRecordsetClients", .llista = support::GetClients},
                      {.recordset = "rstRecordsetTipusManteniment", .llista = support::GetTipusManteniment}},
           .controls = {TextField("lblNomProjecte", "txtNomProjecte", "NomProjecte"),
                        TextField("lblNomResumit", "txtNomResumit", "NomResumit"),
                        TextField("lblSituacio", "txtSituacio", "Situacio"),
                        DataComboField("lblNumClient", "cboNumClient", "NumClient", "rstRecordsetClients",
                                      "NomClient", "NumClient"),
                        DataComboField("lblTipusManteniment", "cboNumTipusManteniment", "NumTipusManteniment",
                                      "rstRecordsetTipusManteniment", "CodTipusManteniment",
                                      "NumTipusManteniment")},
           .reglesDesa = {Rule::EmptyFields({"txtNomProjecte", "txtNomResumit", "txtSituacio", "cboNumClient",
                                             "cboNumTipusManteniment"},
                                            "valAlgunCampBuit"),
                          Rule::NotInList("cboNumClient", "valNoClientEnLlista"),
                          Rule::NotInList("cboNumTipusManteniment", "valNoTipusMantenimentEnLlista"),
                          Rule::Repeated("NomProjecte", "valRepetitNomProjecte"),
                          Rule::Repeated("NomResumit", "valRepetitNomResumit")},
           .reglesElimina = {{"valProjecteAmbZones",
                              [](DataWindow& f) { return static_cast<frmProjectes&>(f).TeZones(); }},
                             Rule::Referenced()}},
          {.nom = "lstProjectes", .etiqueta = "lblLlistaProjectes", .camp = "NomResumit"}, parent) {
    // The test buttons, with their design captions, shown only when the
    // settings turn them on.
    const bool ambProves = BotonsProva();
    const auto boto = [this](const char* name, const char* caption, bool visible) {
        auto* button = new QPushButton(QString::fromLatin1(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setVisible(visible);
        OwnButtons()->addWidget(button);
        return button;
    };
    const auto prova = [&](const char* name, const char* caption) { return boto(name, caption, ambProves); };
    connect(prova("Command1", "Begin Tran"), &QPushButton::clicked, this,
            [this] { Transaccio(&clsFuncionsCapaInterficie::BeginTransaction); });
    connect(prova("Command3", "EndTran"), &QPushButton::clicked, this,
            [this] { Transaccio(&clsFuncionsCapaInterficie::CommitTransaction); });
    // The rollback, then the window's pending changes sent outside it.
    connect(prova("Command4", "Rollback"), &QPushButton::clicked, this, [this] {
        BotoProva([this] {
            objFuncionsCapaInterficie.RollBackTransaction(Objecte());
            PropagaCanvisABD();
        });
    });
    connect(prova("Command5", "Command5"), &QPushButton::clicked, this, [this] {
        BotoProva([] { dialogs::ShowMessage(com::TypeName(IdTransaccioSessio())); });
    });
    // Only an open transaction is registered with the collector.
    connect(prova("Command7", "Command1"), &QPushButton::clicked, this, [this] {
        BotoProva([this] {
            const com::Variant connexio = IdTransaccioSessio();
            if (!connexio.toObject()) return dialogs::ShowMessage(Message("valSenseTransaccio"));
            com::Call(objDeixalla, collector::AfegeixConnexio, {connexio});
        });
    });
    connect(prova("Command8", "Info"), &QPushButton::clicked, this,
            [this] { BotoProva([this] { com::Call(objDeixalla, collector::InfoClasseDeixalla); }); });
    prova("Command2", "Command1");
    prova("Command6", "Command1");
    connect(boto("cmdClients", "cmdClients", true), &QPushButton::clicked, this, [this] {
        if (obre_) obre_("frmClients");
    });
    connect(boto("cmdManteniment", "cmdManteniment", true), &QPushButton::clicked, this, [this] {
        if (obre_) obre_("frmManteniments");
    });

    // Once the window that saved is done with its save.
    connect(&SaveNotice::Instance(), &SaveNotice::Saved, this,
            [this](const QString& finestra) { RecarregaLlistaDe(finestra); }, Qt::QueuedConnection);

    // Form_Load. Only the test buttons need the collector: without one the
    // window still keeps the projects.
    try {
        objDeixalla = com::CreateObject(com::ProgID(collector::Morune, collector::clsDeixalla));
    } catch (...) {
        objDeixalla.reset();
    }
    IniciFormulari();
}

void frmProjectes::PosaMenu(const std::vector<EntradaMenu>& entrades, std::function<void(const std::string&)> obre) {
    obre_ = std::move(obre);
    TopLevel("PosaMenu", [this, &entrades] {
        auto* menu = new QMenuBar(this);
        const auto caption = [this](const std::string& code, const std::string& defecte) {
            return QString::fromStdString(MessageOrDefault(code, defecte));
        };
        QMenu* administracio = menu->addMenu(caption("mnuAdministracio", "Administració"));
        QMenu* projecte = menu->addMenu(caption("mnuProjecte", "Projecte"));
        for (const EntradaMenu& entrada : entrades) {
            const std::string code = "mnu" + entrada.nom.substr(entrada.nom.starts_with("frm") ? 3 : 0);
            QAction* action = (entrada.deProjecte ? projecte : administracio)->addAction(caption(code, entrada.titol));
            action->setObjectName(QString::fromStdString(code));
            connect(action, &QAction::triggered, this, [this, nom = entrada.nom] { obre_(nom); });
        }
        // A menu with nothing to offer yet is not shown.
        for (QMenu* grup : {administracio, projecte}) grup->menuAction()->setVisible(!grup->isEmpty());
        layout()->setMenuBar(menu);
    });
}

void frmProjectes::RecordShown() {
    const bool fila = rstRecordsetActual.RowCount() > 0 && !rstRecordsetActual->IsBOF() && !rstRecordsetActual->IsEOF();
    const com::Variant projecte = fila ? rstRecordsetActual->Value("NumProjecte") : com::Variant::Null();
    clsAndamiSistema::Instance().SetProjecte(projecte.isNull() ? 0 : projecte.toLong());
}

void frmProjectes::RecarregaLlistaDe(const QString& finestra) {
    static constexpr std::pair<const char*, const char*> kLlistes[] = {
        {"frmClients", "rstRecordsetClients"}, {"frmManteniments", "rstRecordsetTipusManteniment"}};
    for (const auto& [desada, taula] : kLlistes) {
        // A lambda captures no structured binding in Clang 14.
        const char* llista = taula;
        if (finestra == QLatin1String(desada))
            TopLevel("RecarregaLlista", [this, llista] { Load(*TableByName(llista)); });
    }
}

// Not a procedure of the window: its failure is shown with no entry of the
// window's, as the helper or the collector reported it.
template <class Body>
void frmProjectes::BotoProva(Body body) {
    clear();
    try {
        // What the helper and the window's procedures fail with comes here.
        const base::Nesting ajudant(objFuncionsCapaInterficie);
        const base::Nesting finestra(*this);
        body();
    } catch (const base::TrailError& fallada) {
        NumError = fallada.number();
        UbicacioError = fallada.trail();
        ShowError(*this);
    } catch (...) {
        NumError = base::ErrorNumber(std::current_exception());
        ShowError(*this);
    }
}

void frmProjectes::Transaccio(void (clsFuncionsCapaInterficie::*operacio)(const com::ObjectRef&)) {
    BotoProva([this, operacio] { (objFuncionsCapaInterficie.*operacio)(Objecte()); });
}

bool frmProjectes::TeZones() {
    const int32_t projecte = rstRecordsetActual->Value("NumProjecte").toLong();
    const std::string xml = CallSupport(support::GetZones, {projecte}).toString();
    rstRecordsetZones = objFuncionsCapaInterficie.PassaXMLARecordset(xml);
    return rstRecordsetZones->RecordCount() >= 1;
}

}  // namespace velmar
