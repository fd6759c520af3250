// The zones of a project: their codes in the list, the selected zone's
// code, name and the path of its photo, which ".." picks, and its map
// vertices. The list keeps the user's place: after a save the zone saved
// stays selected, after a delete the zone above the one deleted, and an
// undo leaves the list as it was.
#pragma once

#include "network/NetworkWindow.h"

namespace velmar {

class frmZones final : public NetworkWindow {
public:
    explicit frmZones(int32_t projecte, QWidget* parent = nullptr);

    void ObtePuntsZonaActual() { ReadCurrentVertices(); }

protected:
    void RefreshModeFormEdicio(bool edicio) override;

private:
    void SeleccionaArxiu();
};

}  // namespace velmar
