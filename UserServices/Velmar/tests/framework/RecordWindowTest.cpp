// The shape of a window of one record at a time and the parts it composes,
// on the sample database through a window of the tests' own over the cable
// segments, declared and laid out and nothing more: the connection chooser
// with its echo, the four navigation buttons with the counter, and the
// vertex list of the current segment.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QHeaderView>
#include <QVBoxLayout>

#include "Brintel/BrintelNames.h"
#include "framework/WindowFixture.h"
#include "framework/RecordWindow.h"

namespace {

namespace support = brintel::names;

class frmProvaRegistres final : public velmar::RecordWindow {
public:
    explicit frmProvaRegistres(int32_t projecte) : RecordWindow(Declara(this), RecordParts()), projecte_(projecte) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(Tria().Label());
        layout->addWidget(Tria().Combo());
        layout->addWidget(Tria().Echo());
        layout->addLayout(FieldForm());
        layout->addWidget(Navigator());
        layout->addWidget(Vertices());
        IniciFormulari();
    }

    int32_t Escomesa() const { return Triat(); }

private:
    static Declaration Declara(frmProvaRegistres* w) {
        return {.nom = "frmProvaRegistres",
                .classeSuport = support::SvrTrams,
                .recupera = "RecuperaTrams",
                .actual = {.llista = support::GetTrams,
                           .arguments = [w] { return std::vector<com::Variant>{w->Triat()}; }},
                .taules = {{.recordset = "rstRecordsetEscomeses",
                            .llista = support::GetEscomeses,
                            .arguments = [w] { return std::vector<com::Variant>{w->projecte_}; }}},
                .controls = {velmar::TextField("lblCodi", "txtCodi", "CodTram")}};
    }
    static velmar::RecordWindow::RecordParts RecordParts() {
        return {.clau = "NumTram",
                .navegador = {.codiPrimer = "PrimerTextNumRegistre", .primer = "Tram",
                              .codiSegon = "SegonTextNumRegistre", .segon = "de"},
                .punts = velmar::VertexList::Declaration{.columnes = {{"VertexX", "clhX", "X"}, {"VertexY", "clhY", "Y"}},
                                                         .clau = "NumTram",
                                                         .llista = support::GetTramPunts,
                                                         .buida = support::GetEmptyRstTramPunts,
                                                         .obte = "ObtePuntsTramActual"}};
    }

    int32_t projecte_;
};

class Registres : public WindowFixture {
protected:
    static QComboBox* Combo(QWidget& w, const char* name) { return w.findChild<QComboBox*>(name); }
    static std::string Counter(QWidget& w) {
        return Text(w, "txtNumeroRegistre")->text().toStdString();
    }
    static velmar::VertexList* Vertices(QWidget& w) { return w.findChild<velmar::VertexList*>("lstPunts"); }
    static std::vector<std::string> Items(QComboBox* combo) {
        std::vector<std::string> items;
        for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
        return items;
    }
    static void Tria(QComboBox* combo, const char* text) { combo->setCurrentIndex(combo->findText(text)); }
};

TEST_F(Registres, TheChooserTheCounterAndTheVerticesFollowTheCurrentSegment) {
    frmProvaRegistres w(306);
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    QComboBox* chooser = Combo(w, "cmbEscullEscomesa");
    QComboBox* echo = Combo(w, "cmbEscomesa");
    EXPECT_EQ(Items(chooser), (std::vector<std::string>{"E-01", "E-02", "E-03"}));
    EXPECT_EQ(Items(echo), Items(chooser));
    EXPECT_EQ(echo->currentText(), "E-01");
    EXPECT_EQ(Counter(w), "Tram 1 de 2");
    EXPECT_EQ(Text(w, "txtCodi")->text(), "T-01.1");
    EXPECT_EQ(Vertexs(w), (std::vector<std::string>{"Clau1 390208.4 4581468.1", "Clau2 390160 4581458",
                                                    "Clau3 390125 4581451"}));
    EXPECT_EQ(Vertices(w)->currentItem(), Vertices(w)->topLevelItem(0));
    EXPECT_EQ(Vertices(w)->headerItem()->text(0), "X");

    // At either end a move stays, and the counter and vertices are read again.
    Click(w, "cmdEnrera");
    EXPECT_EQ(Counter(w), "Tram 1 de 2");
    Click(w, "cmdFi");
    EXPECT_EQ(Text(w, "txtCodi")->text(), "T-01.2");
    EXPECT_EQ(Counter(w), "Tram 2 de 2");
    EXPECT_EQ(Vertexs(w).size(), 2u);
    Click(w, "cmdEndavant");
    EXPECT_EQ(Counter(w), "Tram 2 de 2");
    Click(w, "cmdPrincipi");
    EXPECT_EQ(Text(w, "txtCodi")->text(), "T-01.1");

    Tria(chooser, "E-02");
    EXPECT_EQ(echo->currentText(), "E-02");
    EXPECT_EQ(w.Escomesa(), 2);
    EXPECT_EQ(Counter(w), "Tram 1 de 3");
    Click(w, "cmdEndavant");
    EXPECT_EQ(Text(w, "txtCodi")->text(), "T-02.2");
    EXPECT_EQ(Counter(w), "Tram 2 de 3");

    // A connection without segments: nothing to show, nothing to move to.
    Tria(chooser, "E-03");
    EXPECT_EQ(Counter(w), "Tram 0 de 0");
    EXPECT_EQ(Text(w, "txtCodi")->text(), "");
    EXPECT_TRUE(Vertexs(w).empty());
    Click(w, "cmdFi");
    EXPECT_EQ(Counter(w), "Tram 0 de 0");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
}

TEST_F(Registres, AFailedChangeOfConnectionIsShownAndTheChooserGoesBack) {
    frmProvaRegistres w(306);
    QComboBox* chooser = Combo(w, "cmbEscullEscomesa");
    sessio.execute("ALTER TABLE T_Tram RENAME TO T_TramApart");
    Tria(chooser, "E-02");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmProvaRegistres - RecuperaTrams"
                                               "\rVelmar(exe) - frmProvaRegistres - FixaEscomesaAmbComboEscullEscomesa"
                                               "\rVelmar(exe) - frmProvaRegistres - cmbEscullEscomesa_Click)"))
        << sessio.shown.front();
    // The window still holds the segments of E-01, and says so.
    EXPECT_EQ(chooser->currentText(), "E-01");
    EXPECT_EQ(Combo(w, "cmbEscomesa")->currentText(), "E-01");
    EXPECT_EQ(w.Escomesa(), 1);
    EXPECT_EQ(Text(w, "txtCodi")->text(), "T-01.1");
    EXPECT_EQ(Counter(w), "Tram 1 de 2");

    sessio.execute("ALTER TABLE T_TramApart RENAME TO T_Tram");
    sessio.shown.clear();
    Tria(chooser, "E-02");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Counter(w), "Tram 1 de 3");
}

TEST_F(Registres, TheVertexListReadsItsHeadersAndShowsANullAsEmptyText) {
    sessio.execute(
        "INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES "
        "(5, 'frmProvaRegistres', 'clhX', 'East', FALSE), "
        "(5, 'frmProvaRegistres', 'PrimerTextNumRegistre', 'Segment', FALSE)");
    sessio.execute("UPDATE CapaTram SET VertexY = NULL WHERE NumPunt = 2");
    frmProvaRegistres w(306);
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_EQ(Vertices(w)->headerItem()->text(0), "East");
    EXPECT_EQ(Vertices(w)->headerItem()->text(1), "Y");
    EXPECT_EQ(Counter(w), "Segment 1 de 2");
    EXPECT_EQ(Vertexs(w)[1], "Clau2 390160 ");
}

TEST_F(Registres, AProjectWithoutConnectionsOpensOnNoSegments) {
    frmProvaRegistres w(308);
    ASSERT_EQ(w.NumError, 0) << w.UbicacioError;
    EXPECT_EQ(Combo(w, "cmbEscullEscomesa")->count(), 0);
    EXPECT_EQ(Combo(w, "cmbEscomesa")->count(), 0);
    EXPECT_EQ(Counter(w), "Tram 0 de 0");
    EXPECT_TRUE(Vertexs(w).empty());
    Click(w, "cmdFi");
    EXPECT_TRUE(sessio.shown.empty()) << sessio.shown.front();
}

}  // namespace
