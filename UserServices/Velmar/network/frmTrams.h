// The cable segments that leave the output lines of one service connection
// of the project, one at a time: the connection is picked in the chooser at
// the top, the segments are browsed with the four buttons around the
// counter. A segment has its code, its output line, its cable type and
// location, two cable sections, three dates and remarks, each coded field
// a data combo with a ">" button that edits its lookup table; beside it
// stand its map vertices, which the window only shows.
//
// The window works within the project it was given as it opened. With no
// connection in the project it opens on no segments, and nothing can be
// added, edited or deleted.
#pragma once

#include <cstdint>

#include "framework/RecordWindow.h"

namespace velmar {

class frmTrams final : public RecordWindow {
public:
    explicit frmTrams(int32_t projecte, QWidget* parent = nullptr);

    // Reads the segments of that connection into rstRecordsetActual or,
    // while a segment is edited or deleted, rebuilds them from the
    // window's own rows.
    void RecuperaTrams(int32_t lngEscomesaEscollida) { ReloadChoice(lngEscomesaEscollida); }
    // The vertices of the current segment.
    void ObtePuntsTramActual() { Vertices()->ReadCurrentVertices(); }
    void RefrescaLlistaGIS() { Vertices()->RefrescaLlistaGIS(); }

    // The project the window works within, and the connection whose
    // segments it holds (0 for none).
    int32_t Projecte() const { return projecte_; }
    int32_t Escomesa() const { return Triat(); }

private:
    void Disseny();
    // A new segment has no vertices yet; its output line is chosen in its
    // combo, which writes NumElement.
    void FillNew() override { ObtePuntsTramActual(); }

    int32_t projecte_;
};

}  // namespace velmar
