// The image viewer: its layout on a known screen, and how
// ObreVisorImatge opens it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "SessioProva.h"
#include "core/clsFuncionsCapaInterficie.h"
#include "dialogs/frmVisorImatge.h"

namespace {

using velmar::frmVisorImatge;

// 1024 x 768 pixels at 15 twips a pixel: limits 14592 x 8986, margin 133.
const frmVisorImatge::Pantalla kPantalla{1024, 768, 15, 15};

frmVisorImatge::Disposicio Disposa(int ampleTwips, int altTwips) {
    return frmVisorImatge::Disposa(kPantalla, ampleTwips, altTwips, ampleTwips * 2540.0 / 1440,
                                   altTwips * 2540.0 / 1440);
}

TEST(VisorImatgeLayout, ASmallPictureGetsAWindowThatFitsIt) {
    const auto d = Disposa(3000, 1500);
    EXPECT_EQ(d.marge, 133);
    EXPECT_FALSE(d.barHoritzontalVisible);
    EXPECT_FALSE(d.barVerticalVisible);
    EXPECT_EQ(d.amplePictExterior, 3000);
    EXPECT_EQ(d.altPictExterior, 1500);
    EXPECT_EQ(d.leftTancar, 3000 - 1215) << "right-aligned with the frame";
    EXPECT_EQ(d.topTancar, 1500 + 133);
    EXPECT_EQ(d.ampleFinestra, 3000 + 2 * 133);
    EXPECT_EQ(d.altFinestra, 1500 + 100 + 495 + 5 * 133);
}

TEST(VisorImatgeLayout, LimitsAreComparedWithTheSizeInHimetric) {
    // 20000 twips: past the limit either way. 9000 twips: within the limit
    // in twips, but 15875 HIMETRIC reaches it.
    for (const int ample : {20000, 9000}) {
        const auto d = Disposa(ample, 12000);
        EXPECT_TRUE(d.barHoritzontalVisible) << ample;
        EXPECT_TRUE(d.barVerticalVisible) << ample;
        EXPECT_EQ(d.amplePictExterior, 14592);
        EXPECT_EQ(d.altPictExterior, 8986);
        EXPECT_EQ(d.topTancar, 8986 + 133 + 255 + 133);
        EXPECT_EQ(d.ampleFinestra, 14592 + 2 * 133 + 255 + 133);
    }
    EXPECT_FALSE(Disposa(8000, 1000).barHoritzontalVisible) << "14111 HIMETRIC stays under the limit";
}

class VisorImatge : public testing::Test {
protected:
    static std::vector<frmVisorImatge*> Visors() {
        std::vector<frmVisorImatge*> visors;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = dynamic_cast<frmVisorImatge*>(w); v && v->isVisible()) visors.push_back(v);
        return visors;
    }
    std::string picture(const std::string& name, int width, int height) {
        const std::string path = (dir_.path() / name).string();
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        EXPECT_TRUE(image.save(QString::fromStdString(path)));
        return path;
    }
    void TearDown() override {
        for (frmVisorImatge* v : Visors()) delete v;
    }

    SessioProva sessio_;
    testsupport::TempDir dir_;
    velmar::clsFuncionsCapaInterficie f_;
};

TEST_F(VisorImatge, NoOrdinaryFileOpensNoViewer) {
    const std::string hidden = picture(".amagada.png", 10, 10);
    for (const std::string& path : {std::string("   "), dir_.path().string(), dir_.path().string() + "/cap.png", hidden}) {
        EXPECT_FALSE(f_.ObreVisorImatge(path)) << path;
        EXPECT_EQ(f_.NumError, 0);
    }
    EXPECT_TRUE(Visors().empty());
}

TEST_F(VisorImatge, EachPhotoOpensAViewerOfItsOwn) {
    EXPECT_TRUE(f_.ObreVisorImatge(picture("a.png", 40, 30)));
    EXPECT_EQ(f_.NumError, 0) << f_.UbicacioError;
    EXPECT_TRUE(f_.ObreVisorImatge(picture("b.png", 40, 30)));
    ASSERT_EQ(Visors().size(), 2u);
    EXPECT_TRUE(sessio_.shown.empty());

    Visors().front()->findChild<QPushButton*>("cmdTancar")->click();
    EXPECT_EQ(Visors().size(), 1u) << "the other viewer stays open";
}

TEST_F(VisorImatge, AWidePictureScrollsToItsRightEdge) {
    const int screenWidth = QApplication::primaryScreen()->geometry().width();
    ASSERT_TRUE(f_.ObreVisorImatge(picture("ampla.png", screenWidth * 2, 20)));
    frmVisorImatge* visor = Visors().at(0);
    auto* bar = visor->findChild<QScrollBar*>("barHoritzontal");
    auto* frame = visor->findChild<QWidget*>("pictExterior");
    auto* inner = visor->findChild<QWidget*>("pictInterior");
    EXPECT_TRUE(bar->isVisibleTo(visor));
    EXPECT_LT(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 0);
    bar->setValue(bar->minimum());
    EXPECT_NEAR(inner->x() + inner->width(), frame->width(), 1) << "the right edges meet";
}

TEST_F(VisorImatge, AFileThatIsNoPictureFailsTwice) {
    const std::string path = (dir_.path() / "text.png").string();
    testsupport::ScopedFile text(path, "no picture");
    EXPECT_FALSE(f_.ObreVisorImatge(path));
    EXPECT_EQ(f_.NumError, 481);
    EXPECT_EQ(f_.UbicacioError,
              "\rVelmar(exe) - frmVisorImatge - IniciFormulari\rVelmar(exe) - FuncionsCapaInterficie - ObreVisorImatge");
    EXPECT_EQ(sessio_.shown.size(), 1u) << "the viewer shows its own error";
    EXPECT_EQ(Visors().size(), 1u) << "and stays open";
}

}  // namespace
