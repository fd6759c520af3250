#include "network/frmCarrers.h"

#include "Brintel/BrintelNames.h"

namespace velmar {

namespace support = brintel::names;

frmCarrers::frmCarrers(int32_t projecte, QWidget* parent)
    : FinestraXarxa(
          projecte,
          {.nom = "frmCarrers",
           .classeSuport = support::SvrCarrers,
           .recupera = "RecuperaCarrers",
           .actual = {.llista = support::GetCarrers, .desa = support::SaveCarrer},
           .controls = {CampText("lblCodiCarrer", "txtCodCarrer", "CodCarrer"),
                        CampText("lblNomCarrer", "txtNomCarrer", "NomCarrer")},
           .reglesDesa = {Regla::CampsBuits({"txtCodCarrer", "txtNomCarrer"}, "valAlgunCampBuit"),
                          Regla::Repetit("CodCarrer", "valRepetitCodiCarrer")},
           .reglesElimina = {Regla::Referenciada()}},
          {.nom = "lstCarrers", .etiqueta = "lblLlistaCarrers", .camp = "CodCarrer"}, "NumProjecte",
          {.clau = "NumCarrer",
           .llista = support::GetCarrerPunts,
           .buida = support::GetEmptyRstCarrerPunts,
           .obte = "ObtePuntsCarrerActual"},
          parent) {
    IniciFormulari();
}

}  // namespace velmar
