#include "dialogs/frmIdiomes.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "Brintel/BrintelNames.h"
#include "Com/ErrorProperties.h"
#include "Com/Registry.h"
#include "core/services/Dialogs.h"
#include "core/binding/WindowObject.h"
#include "core/services/Pictures.h"
#include "core/services/Procedure.h"
#include "core/services/Session.h"
#include "core/services/clsAndamiSistema.h"

namespace velmar {
namespace {

namespace support = brintel::names;

constexpr std::string_view kName = "frmIdiomes";
constexpr int kClau = Qt::UserRole;
constexpr const char* kAvisNoEsPotDesar =
    "L'idioma triat s'aplica fins que tanqueu el programa, però no es pot desar: el vostre usuari del sistema "
    "no és a la llista d'usuaris.";

}  // namespace

frmIdiomes::frmIdiomes(QWidget* parent) : QDialog(parent), lstIdiomes(new QListWidget(this)) {
    setObjectName(QString::fromUtf8(kName.data(), kName.size()));
    lstIdiomes->setObjectName("lstIdiomes");
    lstIdiomes->setViewMode(QListView::IconMode);
    auto* lblIdiomesDisponibles = dialogs::Control<QLabel>(this, "lblIdiomesDisponibles");
    auto* lblIdiomaActual = dialogs::Control<QLabel>(this, "lblIdiomaActual");
    lblNomIdiomaActual = dialogs::Control<QLabel>(this, "lblNomIdiomaActual");
    auto* cmdAcceptar = dialogs::Control<QPushButton>(this, "cmdAcceptar");
    auto* cmdCancellar = dialogs::Control<QPushButton>(this, "cmdCancellar");

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblIdiomesDisponibles, 0, 0, 1, 2);
    layout->addWidget(lstIdiomes, 1, 0, 1, 2);
    layout->addWidget(lblIdiomaActual, 2, 0);
    layout->addWidget(lblNomIdiomaActual, 2, 1);
    layout->addWidget(cmdAcceptar, 3, 0);
    layout->addWidget(cmdCancellar, 3, 1);
    connect(cmdAcceptar, &QPushButton::clicked, this, [this] { SurtGravantIdioma(); });
    connect(cmdCancellar, &QPushButton::clicked, this, &QDialog::reject);

    RunShownProcedure(*this, funcions_, kName, "IniciFormulari", [this] { IniciFormulari(); });
}

void frmIdiomes::IniciFormulari() {
    const clsAndamiSistema& sessio = clsAndamiSistema::Instance();
    objClasseSuportActual = com::CreateObject(com::ProgID(support::Brintel, support::SvrIdiomes));

    rstRecordsetIdioma = funcions_.TradueixFormulariIdioma(std::make_shared<WindowObject>(this), sessio.Idioma());

    strXML_ = com::CallChecked(objClasseSuportActual, support::GetIdiomes).toString();
    rstRecordsetActual = funcions_.PassaXMLARecordset(strXML_);

    strXML_ = com::CallChecked(objClasseSuportActual, support::GetUsuariById, {sessio.Usuari()}).toString();
    rstRecordsetUsuaris = funcions_.PassaXMLARecordset(strXML_);

    const std::string icones = funcions_.ConsultaArxiuIniInterficie("General", "RutaDirectoriIcones");

    ado::Recordset& idiomes = *rstRecordsetActual;
    idiomes.SetFilter("NumIdioma = " + com::Str(sessio.Idioma()));
    const bool actualTrobat = !idiomes.IsEOF();
    if (actualTrobat) lblNomIdiomaActual->setText(QString::fromStdString(idiomes.Value("CodIdioma").toString()));
    idiomes.ClearFilter();
    if (idiomes.RecordCount() == 0) return;

    for (idiomes.MoveFirst(); !idiomes.IsEOF(); idiomes.MoveNext()) {
        std::string path = icones + "/" + idiomes.Value("NomArxiuIconaIdioma").toString();
        if (!std::filesystem::exists(path)) path = icones + "/Defecte.jpg";
        if (!std::filesystem::exists(path)) com::Raise(base::err::IconMissing);
        iltImatgesIdiomes.emplace_back(
            idiomes.Value("CodIdioma").toString() + "#" + com::Str(idiomes.Value("NumIdioma").toLong()),
            QIcon(ReadPicture(path)));
    }

    for (const auto& [key, icon] : iltImatgesIdiomes) {
        const size_t hash = key.find('#');
        const std::string code = key.substr(0, hash);
        const int32_t number = static_cast<int32_t>(com::Val(key.substr(hash + 1)));
        auto* item = new QListWidgetItem(icon, QString::fromStdString(code), lstIdiomes);
        item->setData(kClau, QString::fromStdString("Clau" + com::Digits(number)));
    }

    if (!actualTrobat) return;
    const QString clau = QString::fromStdString("Clau" + com::Digits(sessio.Idioma()));
    for (int i = 0; i < lstIdiomes->count(); ++i)
        if (lstIdiomes->item(i)->data(kClau).toString() == clau) lstIdiomes->setCurrentRow(i);
}

void frmIdiomes::SurtGravantIdioma() {
    RunShownProcedure(*this, funcions_, kName, "SurtGravantIdioma", [this] {
        const QList<QListWidgetItem*> selected = lstIdiomes->selectedItems();
        if (selected.isEmpty()) com::Raise(base::err::ObjectNotSet);
        const std::string clau = selected.front()->data(kClau).toString().toStdString();
        clsAndamiSistema& sessio = clsAndamiSistema::Instance();

        // The user of the system's login may have been added since the
        // session began: looked up again, it becomes the session's.
        if (rstRecordsetUsuaris->RecordCount() == 0) {
            base::ErrorFields cerca;
            StartSession(SystemUserName(), cerca);
            base::RaiseReported(cerca);
            if (sessio.Usuari() != 0) {
                strXML_ = com::CallChecked(objClasseSuportActual, support::GetUsuariById, {sessio.Usuari()}).toString();
                rstRecordsetUsuaris = funcions_.PassaXMLARecordset(strXML_);
            }
        }
        sessio.SetIdioma(static_cast<int32_t>(com::Val(clau.substr(4))));

        // A session without a user of the system's login has no row to
        // keep the language in: it holds until the program ends. That is
        // said in the language chosen, as the box's buttons are.
        if (rstRecordsetUsuaris->RecordCount() == 0) {
            const RecordsetRef textos = funcions_.PassaXMLARecordset(
                com::CallChecked(objClasseSuportActual, support::GetTextIdioma, {sessio.Idioma(), std::string(kName)}));
            dialogs::ShowMessage(
                funcions_.TradueixDefecteMissatgeFormulariIdioma(textos, "valIdiomaNoEsPotDesar", kAvisNoEsPotDesar));
            return accept();
        }

        // The session reports only the languages it accepts.
        rstRecordsetUsuaris->SetValue("NumIdioma", sessio.Idioma());
        rstRecordsetUsuaris->Update();
        strXML_ = funcions_.PassaRecordsetAXML(rstRecordsetUsuaris);
        com::CallChecked(objClasseSuportActual, support::SaveUsuari, {strXML_});
        accept();
    });
}

}  // namespace velmar
