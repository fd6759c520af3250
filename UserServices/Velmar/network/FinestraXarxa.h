// A list-and-detail window over the streets or the zones of a project: it
// lists the rows of the project it was given as it opened, gives that
// project to each row it adds, and shows beside the selected row that
// row's map vertices, read again whenever another row is shown (the vertex
// list of a row added and not yet saved is empty).
#pragma once

#include <cstdint>

#include "framework/FinestraManteniment.h"
#include "framework/LlistaPunts.h"

namespace velmar {

class FinestraXarxa : public FinestraManteniment {
public:
    int32_t Projecte() const { return projecte_; }
    // Reads the vertices of the current row (ObtePuntsCarrerActual...).
    void ObtePuntsActual();
    void RefrescaLlistaGIS();

protected:
    // The list operation of the window's table is given the project; the
    // field `campProjecte` of a new row takes it. The vertex list shows
    // each vertex's order and coordinates.
    FinestraXarxa(int32_t projecte, Declaracio declaracio, Llista llista, const char* campProjecte,
                  LlistaPunts::Declaracio punts, QWidget* parent);

    void AbansDeLligar() override;
    void OmpleNou() override;
    void RegistreMostrat() override;

private:
    static Declaracio AmbProjecte(Declaracio declaracio, FinestraXarxa* finestra);
    static LlistaPunts::Declaracio AmbColumnes(LlistaPunts::Declaracio punts);

    int32_t projecte_;
    const char* campProjecte_;
    LlistaPunts* lstPunts_;
};

}  // namespace velmar
