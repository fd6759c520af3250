// The map vertices of the record a window shows, in a read-only list view
// named lstPunts beside the record: one item per vertex, keyed "Clau" and
// the vertex's position (Clau1, Clau2...), its columns the fields the
// window declares, each headed by the text of a code of the window's texts
// or, when the language table lacks it, by a default. The streets, zones,
// cable segments, light points and service connections show their
// vertices this way.
//
// The vertices live in the window's table rstRecordsetPunts, reachable by
// name like the window's other tables, replaced at every read and never
// saved. They are read with the support operation the window declares,
// with the key of the window's current record, or, when there is no
// current record or it has no key yet (a new row), with the operation that
// gives an empty table: the list is then empty.
//
// The list runs as procedures of its window, with their trail entries under
// the window's name: ConfiguraLlistaPunts, the read (under the name the
// window declares, ObtePuntsCarrerActual...) and RefrescaLlistaGIS. A
// failure goes on to the procedure that called them. Edit mode leaves the
// list alone: it can be scrolled and an item selected in every mode, with
// no effect on anything else.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <QTreeWidget>

namespace velmar {

class DataWindow;

class VertexList final : public QTreeWidget {
public:
    // A column: the field it shows, and its header's code and default.
    struct ListColumn {
        const char* camp;
        const char* codi;
        const char* defecte;
    };
    struct Declaration {
        std::vector<ListColumn> columnes = {};  // NetworkWindow gives its windows theirs
        // The key field of the window's current record (NumCarrer).
        const char* clau = "";
        // The support operations that list the vertices of a key
        // (GetCarrerPunts) and give an empty table (GetEmptyRstCarrerPunts).
        std::string_view llista = {};
        std::string_view buida = {};
        // The window's procedure that reads them (ObtePuntsCarrerActual);
        // none: the read is a step of the window's own procedure, with no
        // entry of its own.
        const char* obte = nullptr;
    };

    // A child of `finestra`, which gains the table rstRecordsetPunts.
    VertexList(DataWindow& finestra, Declaration declaracio);

    // ConfiguraLlistaPunts: each column's header from its code.
    void ConfiguraLlistaPunts();
    // Reads the vertices of the window's current record and shows them.
    void ReadCurrentVertices();
    // RefrescaLlistaGIS: the list anew from rstRecordsetPunts, its first
    // item selected; a Null value shows as empty text.
    void RefrescaLlistaGIS();

    // The key of the item at `index` ("Clau1"); empty for none.
    QString Clau(int index) const;

private:
    DataWindow& finestra_;
    Declaration declaracio_;
};

}  // namespace velmar
