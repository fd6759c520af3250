#include "admin/frmUsuaris.h"

#include <QEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "Brintel/BrintelNames.h"
#include "admin/frmUsuariProjecte.h"
#include "core/controls/Locking.h"
#include "core/controls/YesNoCombo.h"
#include "core/services/Dialogs.h"
#include "core/controls/RecordList.h"
#include "dialogs/frmEntraPassword.h"

namespace velmar {
namespace {

namespace support = brintel::names;

constexpr const char* kCampsLlista[] = {"NomUsuari", "Login", "Autoritzat"};
constexpr std::string_view kIdiomaNou = "Català";

// A click on the password box, or Enter in it, asks for a new password.
class DemanaContrasenya final : public QObject {
public:
    DemanaContrasenya(QWidget* box, std::function<void()> demana) : QObject(box), demana_(std::move(demana)) {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const bool enter = event->type() == QEvent::KeyPress &&
                           (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (enter || event->type() == QEvent::MouseButtonRelease) demana_();
        return enter;
    }

private:
    std::function<void()> demana_;
};

}  // namespace

frmUsuaris::frmUsuaris(QWidget* parent)
    : MaintenanceWindow(
          {.nom = "frmUsuaris",
           .classeSuport = support::SvrUsuaris,
           .recupera = "RecuperaUsuaris",
           .actual = {.llista = support::GetUsuaris, .desa = support::SaveUsuari},
           .taules = {{.recordset = "rstRecordsetSeguretat", .llista = support::GetNivellsSeguretat},
                      {.recordset = "rstRecordsetNomsIdiomes", .llista = support::GetIdiomes},
                      {.recordset = "rstRecordsetProjectes", .llista = support::GetProjectes}},
           .controls = {TextField("lblNomUsuari", "txtNomUsuari", "NomUsuari"),
                        TextField("lblLogin", "txtLogin", "Login"),
                        PasswordField("lblPassword", "txtPassword", "Password"),
                        DataComboField("lblNivellSeguretat", "cmbSeguretat", "NumNivellSeguretat",
                                      "rstRecordsetSeguretat", "CodNivellSeguretat", "NumNivellSeguretat"),
                        DataComboField("lblIdioma", "cmbIdioma", "NumIdioma", "rstRecordsetNomsIdiomes", "CodIdioma",
                                      "NumIdioma"),
                        YesNoField("lblAutoritzat", "cmbAutoritzat", "Autoritzat")},
           .reglesDesa = {Rule::EmptyFields({"txtNomUsuari", "txtLogin", "txtPassword", "cmbAutoritzat", "cmbIdioma",
                                             "cmbSeguretat"},
                                            "valAlgunCampBuit"),
                          Rule::Repeated("NomUsuari", "valRepetitNomUsuari"),
                          Rule::Repeated("Login", "valRepetitNomLogin")},
           .reglesElimina = {Rule::Referenced()}},
          {.nom = "lstUsuaris", .etiqueta = "lblTitolUsuaris", .camp = "NomUsuari"}, parent, "fraUsuari"),
      cmdAccesProjectes(dialogs::Control<QPushButton>(this, "cmdAccesProjectes")) {
    FieldForm()->addRow(cmdAccesProjectes);
    connect(cmdAccesProjectes, &QPushButton::clicked, this, [this] { ObreFormulariAccesProjectes(); });
    new DemanaContrasenya(findChild<QWidget*>("txtPassword"), [this] { ObreFormulariPassword(); });
    ListControl()->setMinimumWidth(ListControl()->fontMetrics().averageCharWidth() * 60);
    IniciFormulari();
}

void frmUsuaris::BeforeBinding() {
    strTextSi = QString::fromStdString(MessageOrDefault("dtaSi", "Sí"));
    strTextNo = QString::fromStdString(MessageOrDefault("dtaNo", "No"));
    findChild<YesNoCombo*>("cmbAutoritzat")->SetTexts(strTextSi, strTextNo);
    ConfiguraLlistaAmbNomsCamps();
}

void frmUsuaris::ConfiguraLlistaAmbNomsCamps() {
    Inner("ConfiguraLlistaAmbNomsCamps", [this] {
        std::vector<RecordList::ListColumn> columnes;
        for (int32_t camp = 0; camp < rstRecordsetActual->FieldCount(); ++camp) {
            const std::string nom(base::Trim(rstRecordsetActual->Field(camp).name, " "));
            if (std::ranges::find(kCampsLlista, nom) == std::end(kCampsLlista)) continue;
            RecordList::ListColumn columna{.camp = nom, .titol = QString::fromStdString(MessageOrDefault("fld" + nom, nom))};
            if (nom == "Autoritzat")
                columna.text = [this](const com::Variant& valor) {
                    return !valor.isNull() && valor.toBool() ? strTextSi : strTextNo;
                };
            columnes.push_back(std::move(columna));
        }
        ListControl()->SetColumns(std::move(columnes));
    });
}

void frmUsuaris::FillNew() {
    const ado::Recordset& idiomes = *TableByName("rstRecordsetNomsIdiomes")->Ref();
    // Both columns read alike, so that a code and its number share an index.
    const std::vector<com::Variant> codis = idiomes.ColumnValues(idiomes.FieldIndex("CodIdioma"));
    const std::vector<com::Variant> numeros = idiomes.ColumnValues(idiomes.FieldIndex("NumIdioma"));
    for (size_t fila = 0; fila < codis.size(); ++fila)
        if (!codis[fila].isNull() && codis[fila].toString() == kIdiomaNou)
            return rstRecordsetActual->SetValue("NumIdioma", numeros[fila]);
}

void frmUsuaris::RefreshModeFormEdicio(bool edicio) {
    MaintenanceWindow::RefreshModeFormEdicio(edicio);
    // The password takes no typing in any mode: the dialog fills it.
    SetLocked(findChild<QWidget*>("txtPassword"), true);
    // A user not yet saved has no number to give projects to.
    const bool desat = rstRecordsetActual.RowCount() > 0 && !rstRecordsetActual->IsBOF() &&
                       !rstRecordsetActual->IsEOF() && !rstRecordsetActual->Value("NumUsuari").isNull();
    cmdAccesProjectes->setEnabled(edicio && desat);
}

void frmUsuaris::ObreFormulariPassword() {
    TopLevel("ObreFormulariPassword", [this] {
        if (!ModeEdicio()) return;
        frmEntraPassword dialeg(this);
        dialeg.frmFormulariQueCrida = Objecte();
        dialeg.exec();
    });
}

void frmUsuaris::ObreFormulariAccesProjectes() {
    TopLevel("ObreFormulariAccesProjectes", [this] {
        if (!ModeEdicio()) return;
        frmUsuariProjecte dialeg(this);
        dialeg.frmFormulariQueCrida = Objecte();
        dialeg.Obre();
        dialogs::ShowModalWindow(&dialeg);
    });
}

}  // namespace velmar
