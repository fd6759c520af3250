// A list-and-detail window over the streets or the zones of a project: it
// lists the rows of the project it was given as it opened, gives that
// project to each row it adds, and shows beside the selected row that
// row's map vertices, read again whenever another row is shown (the vertex
// list of a row added and not yet saved is empty).
#pragma once

#include <cstdint>

#include "framework/MaintenanceWindow.h"
#include "framework/VertexList.h"

namespace velmar {

class NetworkWindow : public MaintenanceWindow {
public:
    int32_t Projecte() const { return projecte_; }
    // Reads the vertices of the current row (ObtePuntsCarrerActual...).
    void ReadCurrentVertices();
    void RefrescaLlistaGIS();

protected:
    // The list operation of the window's table is given the project; the
    // field `campProjecte` of a new row takes it. The vertex list shows
    // each vertex's order and coordinates.
    NetworkWindow(int32_t projecte, Declaration declaracio, Llista llista, const char* campProjecte,
                  VertexList::Declaration punts, QWidget* parent);

    void BeforeBinding() override;
    void FillNew() override;
    void RecordShown() override;

private:
    static Declaration WithProject(Declaration declaracio, NetworkWindow* finestra);
    static VertexList::Declaration WithColumns(VertexList::Declaration punts);

    int32_t projecte_;
    const char* campProjecte_;
    VertexList* lstPunts_;
};

}  // namespace velmar
