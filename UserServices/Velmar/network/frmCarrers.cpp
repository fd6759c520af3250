#include "network/frmCarrers.h"

#include "Brintel/BrintelNames.h"

namespace velmar {

namespace support = brintel::names;

frmCarrers::frmCarrers(int32_t projecte, QWidget* parent)
    : NetworkWindow(
          projecte,
          {.nom = "frmCarrers",
           .classeSuport = support::SvrCarrers,
           .recupera = "RecuperaCarrers",
           .actual = {.llista = support::GetCarrers, .desa = support::SaveCarrer},
           .controls = {TextField("lblCodiCarrer", "txtCodCarrer", "CodCarrer"),
                        TextField("lblNomCarrer", "txtNomCarrer", "NomCarrer")},
           .reglesDesa = {Rule::EmptyFields({"txtCodCarrer", "txtNomCarrer"}, "valAlgunCampBuit"),
                          Rule::Repeated("CodCarrer", "valRepetitCodiCarrer")},
           .reglesElimina = {Rule::Referenced()}},
          {.nom = "lstCarrers", .etiqueta = "lblLlistaCarrers", .camp = "CodCarrer"}, "NumProjecte",
          {.clau = "NumCarrer",
           .llista = support::GetCarrerPunts,
           .buida = support::GetEmptyRstCarrerPunts,
           .obte = "ObtePuntsCarrerActual"},
          parent) {
    IniciFormulari();
}

}  // namespace velmar
