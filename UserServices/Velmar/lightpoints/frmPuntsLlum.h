// The light points of one service connection of the project, one at a
// time: the point itself, its pattern and the support the pattern names
// with the support's properties, its luminaires and its map points, with
// the photos of pattern, support and luminaire model. Every lookup code is
// a data combo with a ">" button that edits its lookup table.
//
// A save sends the seven tables the window edits in one transaction; the
// luminaires and properties are edited in the window's recordsets and go
// with the point's save.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/RecordWindow.h"

class QComboBox;
class QTabWidget;
class QTreeWidget;

namespace velmar {

class frmPuntsLlum final : public RecordWindow {
public:
    // The window works within `projecte`, the session's project when it
    // opened.
    explicit frmPuntsLlum(int32_t projecte, QWidget* parent = nullptr);
    ~frmPuntsLlum() override;

    // --- what other code reaches ------------------------------------------
    // Reads the light points of that connection into rstRecordsetActual,
    // or, while a point is edited or deleted, rebuilds them from the
    // window's own rows.
    void RecuperaPuntsLlum(int32_t lngEscomesaEscollida) { ReloadChoice(lngEscomesaEscollida); }
    // Points the dependent tables at the current point and reads its map
    // points.
    void ObteDadesPuntLlumActual();
    void RefrescaLlistaGIS() { Vertices()->RefrescaLlistaGIS(); }

    // The record mode: 0 browsing, 2 editing or deleting.
    int16_t intModeRegistre() const { return intModeFormulari(); }

    // The project the window works within, and the connection whose points
    // it holds.
    int32_t Projecte() const { return projecte_; }
    int32_t Escomesa() const { return Triat(); }

protected:
    // The luminaires' navigation follows the window's data too.
    void RefreshModeFormEdicio(bool edicio) override;
    void FixaDataCombo(DataCombo* combo) override;

private:
    // The layout (PuntsLlumControls.cpp): every control, frame and tab,
    // and what each button and combo runs.
    void Disseny();
    void Connecta();

    // Set-up: the luminaires' counter words and the property types, and at
    // its end the captions of the tabs and of the property list.
    void BeforeBinding() override;
    void FinishStart() override;

    // The current point with what hangs on it, and both counters.
    void ShowCurrent() override;
    void OmpleNumeroLluminaria();
    // Only the deletion is sent: the point, its luminaires and its map
    // points.
    void Delete() override;

    // The support's properties (PuntsLlumPropietats.cpp).
    void OmpleComboPropietat();
    void RefrescaLlistaPropietatsSuport();
    void AfegirPropietat();
    void EliminarPropietat();

    // The luminaires of the point (PuntsLlumLluminaries.cpp).
    void Nou();
    void GuardarLluminaria();
    void DecartarLluminaria();
    void EliminarLluminaria();
    void FiltraModelLluminaria();
    // The buttons while a luminaire is added, or not.
    void BotonsLluminariaNova(bool nova);
    // Ends the edit of the luminaire and its model, kept (Update) or
    // dropped (CancelUpdate), and shows the point's first luminaire.
    void AcabaLluminaria(void (ado::Recordset::*acaba)());
    std::string CadenaValidacioGuardaLluminaria();
    std::string CadenaValidacioEliminarLluminaria();

    // Photos and lookup tables.
    void SeleccionaFoto(size_t foto);
    void ObreVisorImatge(const std::string& strRuta);

    Table& T(const char* nom);
    // Shows only the rows of `taula` whose `camp` holds `valor`; none for
    // no value.
    void Filtra(const char* taula, const char* camp, const com::Variant& valor);

    int32_t projecte_;
    // The navigation of the luminaires with its counter.
    RecordNavigator* lluminaries_ = nullptr;
    QComboBox* cmbPropietat = nullptr;
    QTabWidget* tabDades = nullptr;
    QTreeWidget* lstPropietats = nullptr;
};

}  // namespace velmar
