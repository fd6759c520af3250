#include "network/frmZones.h"

#include <QLineEdit>
#include <QPushButton>

#include "Brintel/BrintelNames.h"

namespace velmar {

namespace support = brintel::names;

frmZones::frmZones(int32_t projecte, QWidget* parent)
    : NetworkWindow(
          projecte,
          {.nom = "frmZones",
           .classeSuport = support::SvrZones,
           .recupera = "RecuperaZones",
           .actual = {.llista = support::GetZones, .desa = support::SaveZona},
           .controls = {TextField("lblCodiZona", "txtCodZona", "CodZona"),
                        TextField("lblNomZona", "txtNomZona", "NomZona"),
                        TextField("lblFotoZona", "txtFotoZona", "FotoZona")},
           .reglesDesa = {Rule::EmptyFields({"txtCodZona", "txtNomZona"}, "valAlgunCampNecessariBuit"),
                          Rule::Repeated("CodZona", "valRepetitCodiZona")},
           .reglesElimina = {Rule::Referenced()}},
          {.nom = "lstZones", .etiqueta = "lblLlistaZones", .camp = "CodZona", .mantePosicio = true}, "NumProjecte",
          {.clau = "NumZona",
           .llista = support::GetZonaPunts,
           .buida = support::GetEmptyRstZonaPunts,
           .obte = "ObtePuntsZonaActual"},
          parent) {
    auto* ruta = new QPushButton(QStringLiteral(".."), this);
    ruta->setObjectName(QStringLiteral("cmdRutaZona"));
    connect(ruta, &QPushButton::clicked, this, [this] { SeleccionaArxiu(); });
    PutBeside(FieldForm(), "txtFotoZona", ruta);
    // A photo's full path reads whole.
    auto* foto = findChild<QLineEdit*>("txtFotoZona");
    foto->setMinimumWidth(foto->fontMetrics().averageCharWidth() * 64);
    IniciFormulari();
}

void frmZones::RefreshModeFormEdicio(bool edicio) {
    NetworkWindow::RefreshModeFormEdicio(edicio);
    findChild<QPushButton*>("cmdRutaZona")->setEnabled(edicio);
}

void frmZones::SeleccionaArxiu() {
    TopLevel("SeleccionaArxiu", [this] {
        // A cancelled dialog chooses nothing and says nothing.
        const std::string actual = findChild<QLineEdit*>("txtFotoZona")->text().toStdString();
        const std::string path = ChosenFile([&] { return objFuncionsCapaInterficie.EscullArxiu(actual); });
        if (!path.empty()) rstRecordsetActual->SetValue("FotoZona", path);
    });
}

}  // namespace velmar
