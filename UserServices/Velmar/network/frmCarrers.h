// The streets of a project: their codes in the list, the selected street's
// code and name, and its map vertices. A street is deleted whatever refers
// to it; its vertices stay on the map.
#pragma once

#include "network/NetworkWindow.h"

namespace velmar {

class frmCarrers final : public NetworkWindow {
public:
    explicit frmCarrers(int32_t projecte, QWidget* parent = nullptr);

    void ObtePuntsCarrerActual() { ReadCurrentVertices(); }
};

}  // namespace velmar
