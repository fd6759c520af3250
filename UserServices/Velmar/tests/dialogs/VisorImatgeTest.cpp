// The image viewer: a frame the size of the picture up to a share of the
// screen, bars only where the picture runs past it, and how
// ObreVisorImatge opens it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "SessionFixture.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"
#include "dialogs/frmVisorImatge.h"

namespace {

using velmar::frmVisorImatge;

TEST(VisorImatgeLimits, NinetyFivePerCentWideAndSeventyEightHigh) {
    EXPECT_EQ(frmVisorImatge::MidaMaxima({1024, 768}), QSize(973, 599));
    EXPECT_EQ(frmVisorImatge::MidaMaxima({1920, 1080}), QSize(1824, 842));
}

class VisorImatge : public testing::Test {
protected:
    static std::vector<frmVisorImatge*> Visors() {
        std::vector<frmVisorImatge*> visors;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = dynamic_cast<frmVisorImatge*>(w); v && v->isVisible()) visors.push_back(v);
        return visors;
    }
    std::string picture(const std::string& name, QSize size) {
        const std::string path = (dir_.path() / name).string();
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        EXPECT_TRUE(image.save(QString::fromStdString(path)));
        return path;
    }
    static QSize Limit() {
        return frmVisorImatge::MidaMaxima(QApplication::primaryScreen()->availableGeometry().size());
    }
    void TearDown() override {
        for (frmVisorImatge* v : Visors()) delete v;
    }

    SessionFixture sessio_;
    testsupport::TempDir dir_;
    velmar::clsFuncionsCapaInterficie f_;
};

TEST_F(VisorImatge, TheFrameFitsThePictureUpToTheLimitWithBarsOnlyWhereItRunsPast) {
    const QSize limit = Limit();
    struct Case {
        const char* what;
        QSize picture;
        bool horizontal, vertical;
    };
    const Case cases[] = {
        {"small", {40, 30}, false, false},
        {"between half and all of the limit", limit * 0.7, false, false},
        {"exactly the limit", limit, false, false},
        {"wide", {limit.width() * 2, 20}, true, false},
        {"tall", {20, limit.height() + 1}, false, true},
        {"both", limit * 1.5, true, true},
        {"past 16 bits", {40000, 40}, true, false},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(f_.ObreVisorImatge(picture("p.png", c.picture))) << c.what;
        frmVisorImatge* visor = Visors().at(0);
        QApplication::processEvents();
        auto* frame = visor->findChild<QScrollArea*>("pictExterior");
        auto* bar = visor->findChild<QScrollBar*>("barHoritzontal");
        auto* barVertical = visor->findChild<QScrollBar*>("barVertical");
        EXPECT_EQ(frame->viewport()->size(), c.picture.boundedTo(limit)) << c.what << ": no empty band";
        EXPECT_EQ(bar->isVisibleTo(visor), c.horizontal) << c.what;
        EXPECT_EQ(barVertical->isVisibleTo(visor), c.vertical) << c.what;
        EXPECT_EQ(bar->maximum(), c.picture.width() - frame->viewport()->width()) << c.what;
        EXPECT_EQ(barVertical->maximum(), c.picture.height() - frame->viewport()->height()) << c.what;

        // At the end of each bar the picture's far edges meet the frame's.
        bar->setValue(bar->maximum());
        barVertical->setValue(barVertical->maximum());
        const QWidget* inner = visor->findChild<QLabel*>("pictInterior");
        EXPECT_EQ(inner->geometry().bottomRight(), frame->viewport()->rect().bottomRight()) << c.what;
        delete visor;
    }
    EXPECT_TRUE(sessio_.shown.empty()) << sessio_.shown.front();
}

TEST_F(VisorImatge, NoOrdinaryFileOpensNoViewer) {
    const std::string hidden = picture(".amagada.png", {10, 10});
    for (const std::string& path : {std::string("   "), dir_.path().string(), dir_.path().string() + "/cap.png", hidden}) {
        EXPECT_FALSE(f_.ObreVisorImatge(path)) << path;
        EXPECT_EQ(f_.NumError, 0);
    }
    EXPECT_TRUE(Visors().empty());
}

TEST_F(VisorImatge, EachPhotoOpensAViewerOfItsOwn) {
    EXPECT_TRUE(f_.ObreVisorImatge(picture("a.png", {40, 30})));
    EXPECT_EQ(f_.NumError, 0) << f_.UbicacioError;
    EXPECT_TRUE(f_.ObreVisorImatge(picture("b.png", {40, 30})));
    ASSERT_EQ(Visors().size(), 2u);
    EXPECT_EQ(Visors().front()->windowTitle(), "Imatge");
    EXPECT_TRUE(sessio_.shown.empty());

    Visors().front()->findChild<QPushButton*>("cmdTancar")->click();
    EXPECT_EQ(Visors().size(), 1u) << "the other viewer stays open";
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
