#include "admin/frmUsuariProjecte.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "Brintel/BrintelNames.h"
#include "core/binding/BindingSource.h"
#include "core/controls/DataCombo.h"
#include "core/services/Dialogs.h"
#include "core/controls/RecordList.h"
#include "core/binding/RecordsetModel.h"

namespace velmar {
namespace {

namespace support = brintel::names;

// A recordset of the calling window, by its member name.
RecordsetRef DelQueCrida(const com::ObjectRef& queCrida, const char* nom) {
    const RecordsetRef rows = BindingSource::From(com::Get(queCrida, nom));
    if (!rows) com::Raise(com::err::ObjectRequired);
    return rows;
}

}  // namespace

frmUsuariProjecte::frmUsuariProjecte(QWidget* parent)
    : ListWindow(
          {.nom = "frmUsuariProjecte",
           .classeSuport = support::SvrUsuariProjectes,
           .recupera = "RecuperaUsuarisProjectes",
           .actual = {.llista = support::GetUsuariProjectes,
                      .arguments = [this] { return std::vector<com::Variant>{lngUsuari}; }},
           // Each addition is a row of a new empty recordset, sent alone.
           .taules = {{.recordset = "rstRecordsetAfegir",
                       .llista = support::GetEmptyRecordset,
                       .desa = support::SaveUsuariProjecte}},
           // A text that names no project of the list chooses none.
           .reglesDesa = {{"valProjecteBuit",
                           [](DataWindow& f) {
                               return static_cast<frmUsuariProjecte&>(f).cmbProjectes->BoundValue().isNull();
                           }},
                          {"valProjecteJaSeleccionat",
                           [](DataWindow& f) {
                               auto& w = static_cast<frmUsuariProjecte&>(f);
                               return w.rstRecordsetActual.RowCount() > 0 &&
                                      w.objFuncionsCapaInterficie.ComptaAparicionsValorEnRecordset(
                                          w.rstRecordsetActual.Ref(), "NumProjecte", w.cmbProjectes->BoundValue()) > 0;
                           }}}},
          {.nom = "lstProjectes", .etiqueta = "lblProjectesSeleccionats", .camp = "NomProjecte"}, parent),
      lblNomUsuari(new QLabel(this)),
      cmbProjectes(new DataCombo(this)) {
    setWindowFlag(Qt::Dialog);
    // It shows the user's name, and nothing before it has one.
    lblNomUsuari->setObjectName("lblNomUsuari");
    cmbProjectes->setObjectName("cmbProjectes");
    cmbProjectes->SetListField("NomProjecte");
    cmbProjectes->SetBoundColumn("NumProjecte");
    cmbProjectes->setMinimumWidth(cmbProjectes->fontMetrics().averageCharWidth() * 40);
    auto* cmdAfegir = dialogs::Control<QPushButton>(this, "cmdAfegir");
    auto* cmdEliminar = dialogs::Control<QPushButton>(this, "cmdEliminar");
    auto* cmdSortir = dialogs::Control<QPushButton>(this, "cmdSortir");
    connect(cmdAfegir, &QPushButton::clicked, this, [this] { Afegir(); });
    connect(cmdEliminar, &QPushButton::clicked, this, [this] { Eliminar(); });
    connect(cmdSortir, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QGridLayout(this);
    layout->addWidget(dialogs::Control<QLabel>(this, "lblUsuari"), 0, 0);
    layout->addWidget(lblNomUsuari, 0, 1, 1, 2);
    layout->addWidget(dialogs::Control<QLabel>(this, "lblProjectes"), 1, 0, 1, 3);
    layout->addWidget(cmbProjectes, 2, 0, 1, 2);
    layout->addWidget(cmdAfegir, 2, 2);
    layout->addWidget(ListLabel(), 3, 0, 1, 3);
    layout->addWidget(ListControl(), 4, 0, 1, 3);
    layout->addWidget(cmdEliminar, 5, 0);
    layout->addWidget(cmdSortir, 5, 2);
    layout->setColumnStretch(1, 1);
}

void frmUsuariProjecte::Obre() { IniciFormulari(); }

void frmUsuariProjecte::IniciFormulari() {
    TopLevel("IniciFormulari", [this] {
        CreateSupport();
        Translate();
        EnterMode(Mode::Browsing);
        const RecordsetRef usuari = DelQueCrida(frmFormulariQueCrida, "rstRecordsetActual");
        lblNomUsuari->setText(RecordsetModel::Text(usuari->Value("NomUsuari")));
        // A user not yet saved has no number to give projects to: the
        // dialog says so and offers nothing.
        const com::Variant numero = usuari->Value("NumUsuari");
        if (numero.isNull()) {
            for (QWidget* control : {static_cast<QWidget*>(cmbProjectes), findChild<QWidget*>("cmdAfegir"),
                                     findChild<QWidget*>("cmdEliminar")})
                control->setEnabled(false);
            return dialogs::ShowMessage(Message("valUsuariNoDesat"));
        }
        lngUsuari = numero.toLong();
        Recupera();
        cmbProjectes->SetRowSource(DelQueCrida(frmFormulariQueCrida, "rstRecordsetProjectes"));
        RefrescaFormulariActualitzacio();
        RefrescaFormulariLectura();
    });
}

void frmUsuariProjecte::Afegir() {
    TopLevel("Afegir", [this] {
        const std::string message = CadenaValidacioRegistreActual();
        if (!message.empty()) return dialogs::ShowMessage(message);
        Table& afegir = *TableByName("rstRecordsetAfegir");
        Load(afegir);
        afegir->AddNew();
        afegir->SetValue("NumUsuari", lngUsuari);
        afegir->SetValue("NumProjecte", cmbProjectes->BoundValue());
        afegir->Update();
        PropagaCanvisABD();
        RefrescaFormulariActualitzacio();
        EnterMode(Mode::Browsing);
    });
}

void frmUsuariProjecte::Eliminar() {
    TopLevel("Eliminar", [this] {
        if (!ConfirmDelete()) return;
        EnterMode(Mode::Deleting);
        try {
            const int32_t projecte = rstRecordsetActual->Value("NumProjecte").toLong();
            CallSupport(support::DeleteUsuariProjecte, {lngUsuari, projecte});
        } catch (...) {
            // Nothing was removed: the next addition reads the list from the
            // server again.
            EnterMode(Mode::Browsing);
            throw;
        }
        // Already gone on the server: the row only leaves the window's list.
        rstRecordsetActual->Delete();
        RefrescaFormulariActualitzacio();
        EnterMode(Mode::Browsing);
    });
}

}  // namespace velmar
