#include "ui/menu/principal.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "core/menu/courses.h"
#include "core/menu/menu_fixture.h"
#include "core/shared/display_mode.h"
#include "core/shared/notice.h"
#include "core/shared/shutdown.h"
#include "core/shared/startup.h"
#include "support/recording_opener.h"
#include "ui/menu/config_panel.h"
#include "ui/menu/courses_panel.h"
#include "ui/menu/facade.h"
#include "ui/shared/roll_transition.h"
#include "ui/shared/shadow_label.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {
namespace {

using testing::MenuFixture;
using testing::RecordingOpener;

class FixedDisplay final : public Display {
public:
    DisplayMode current() const override { return {1024, 768, 32}; }
    std::optional<DisplayMode> mode(int) const override { return std::nullopt; }
    void switchTo(const DisplayMode&, bool) override {}
    void restore() override {}
};

class NoNotice final : public Notice {
public:
    bool question(const QString&) override { return false; }
    std::optional<QString> askName(const QString&, const QString&) override { return std::nullopt; }
};

class NoEnd final : public ProgramEnd {
public:
    void showHome() override {}
    void end() override { ++ended; }
    int ended = 0;
};

constexpr QRgb kWall = 0xffc8aa78;
constexpr QRgb kLintel = 0xff503c28;

// A picture of one colour; "parte" also gets a dark lintel along its top 20 rows.
void WritePicture(const MenuFixture& f, const char* name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    if (std::string_view(name) == "parte") {
        QPainter painter(&image);
        painter.fillRect(0, 0, size.width(), 20, QColor(kLintel));
    }
    ASSERT_TRUE(image.save(f.folder.file(QString::fromLatin1(name)), "BMP"));
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget, QPoint at = {4, 4}) {
    SendMouse(widget, QEvent::MouseButtonPress, at);
    SendMouse(widget, QEvent::MouseButtonRelease, at);
}

// A menu over a data folder with its pictures, whose interface text N reads "t<N>".
class Tform0Test : public ::testing::Test, protected MenuFixture {
protected:
    explicit Tform0Test(bool sceneIsHome = false, bool withSign = true) : MenuFixture(sceneIsHome) {
        RollTransition::SetDuration(0);
        WritePicture(*this, "parte", {171, 305}, QColor(kWall));
        WritePicture(*this, "suelo", {100, 100}, Qt::lightGray);
        WritePicture(*this, "marco", {20, 100}, Qt::darkBlue);
        WritePicture(*this, "marcoar", {100, 50}, Qt::blue);
        if (withSign) WritePicture(*this, "rotulon.bmp", {97, 57}, Qt::red);
        for (const StartupPicture& p : StartupPictures())
            pictures.load(p.slot, folder.file(QString::fromLatin1(
                                      p.file.data(), static_cast<qsizetype>(p.file.size()))));
        store = folder.file(QStringLiteral("config/velmora.ini"));
    }

    Tform0& menu() {
        if (!menu_) {
            menu_ = std::make_unique<Tform0>(MenuPlatform{
                *enlace, pictures, display, shutdown, navigation, opener, SettingsStore(store)});
        }
        return *menu_;
    }

    void Tick(MenuTimer timer, int times) {
        for (int i = 0; i < times; ++i) menu().tick(timer);
    }

    SharedPictures pictures;
    FixedDisplay display;
    NoNotice notice;
    NoEnd end;
    Shutdown shutdown{*enlace, display, notice, end};
    RecordingOpener opener;
    QString store;
    std::unique_ptr<Tform0> menu_;
};

TEST_F(Tform0Test, TheFacadeWithEveryLabelAtItsPlace) {
    Tform0& m = menu();
    EXPECT_EQ(m.objectName(), QStringLiteral("Tform0"));
    EXPECT_EQ(m.size(), QSize(1024, 768));
    for (const MenuLabelPlace& place : MenuLabelPlaces()) {
        QLabel* label = m.findChild<QLabel*>(
            QString::fromLatin1(place.name.data(), static_cast<qsizetype>(place.name.size())));
        ASSERT_NE(label, nullptr) << place.name;
        EXPECT_EQ(label->pos(), place.topLeft) << place.name;
        EXPECT_EQ(label->font().family(), QStringLiteral("Arial"));
        EXPECT_TRUE(label->font().bold());
        if (place.label != MenuLabel::Dejar) {
            EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 255, 225))
                << place.name;
        }
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 128)) << place.name;
    }
    EXPECT_EQ(m.label(MenuLabel::CuesE)->text(), QStringLiteral("t8\nt9\nt10\nt12"));
    EXPECT_EQ(m.label(MenuLabel::Dejar)->font().pixelSize(), 12);  // 9 points
    EXPECT_EQ(m.ImageDejar->geometry(), QRect(913, 288, 97, 57));
    EXPECT_EQ(m.LabelCentro->text(), QStringLiteral("IES Miralbueno"));
    EXPECT_EQ(m.LabelCentro->y(), 624);
    EXPECT_LE(std::abs(m.LabelCentro->geometry().center().x() - 512), 1);
    EXPECT_EQ(m.LabelAno->text(), QStringLiteral("2020/21"));
    EXPECT_EQ(m.LabelAno->pos(), QPoint(440, 648));
    EXPECT_EQ(m.BotRetroce->text(), QStringLiteral("t222"));
    EXPECT_EQ(m.BotRetroce->geometry(), QRect(592, 296, 129, 33));
    EXPECT_FALSE(enlace->stopFlag);
    // The walk-in waits for the menu to be on screen.
    EXPECT_FALSE(m.piloto->isActive());
    m.show();
    EXPECT_TRUE(m.piloto->isActive());
    EXPECT_EQ(m.piloto->interval(), 200);
    EXPECT_EQ(m.TimerZoom->interval(), 100);
}

TEST_F(Tform0Test, WalkInThenADoorPlaysItsSequence) {
    Tform0& m = menu();
    m.show();
    Tick(MenuTimer::Piloto, 8);
    EXPECT_TRUE(m.anda->isVisible());
    EXPECT_EQ(m.anda->pos(), QPoint(164, 235));
    EXPECT_FALSE(m.piloto->isActive());
    EXPECT_TRUE(m.Bocadillo1->isVisible());
    EXPECT_TRUE(m.LabelBocadillo1->isVisible());
    EXPECT_EQ(m.label(MenuLabel::Carreras)->toolTip(), QStringLiteral("t306\nt551\n"));
    ASSERT_TRUE(m.TimerTexto->isActive());
    m.tick(MenuTimer::Texto);
    EXPECT_FALSE(m.LabelBocadillo1->isVisible());
    EXPECT_TRUE(m.labelBocadillo2->isVisible());

    Click(m.label(MenuLabel::FPip));
    EXPECT_FALSE(m.Bocadillo1->isVisible());
    EXPECT_TRUE(m.label(MenuLabel::FPip)->toolTip().isEmpty());
    EXPECT_EQ(m.label(MenuLabel::FPip)->palette().color(QPalette::Window), QColor(223, 236, 249));
    ASSERT_TRUE(m.TimerPuerta->isActive());
    m.tick(MenuTimer::Puerta);
    EXPECT_EQ(m.anda->pos(), QPoint(932, 170));
    Tick(MenuTimer::Puerta, 4);
    EXPECT_FALSE(m.anda->isVisible());
    ASSERT_TRUE(m.TimerZoom->isActive());
    EXPECT_EQ(m.mosaico->grab().toImage().pixel(1000, 310), kLintel);  // the lower row's lintel
    Tick(MenuTimer::Zoom, 10);
    // Door 6's tile, grown by 100 pixels down to y 405, covers the lower row's lintel there.
    QImage shot = m.mosaico->grab().toImage();
    EXPECT_EQ(shot.pixel(1000, 310), kWall);
    EXPECT_EQ(shot.pixel(1000, 10), kLintel);
    EXPECT_EQ(shot.pixel(700, 310), kLintel);  // left of the grown tile
    m.tick(MenuTimer::Zoom);
    EXPECT_FALSE(m.TimerZoom->isActive());
    EXPECT_EQ(m.mosaico->grab().toImage().pixel(1000, 310), kLintel);  // the facade is whole again
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("TFIniPro")});
    EXPECT_TRUE(m.isVisible());  // no such screen yet: the menu stays
    EXPECT_EQ(m.label(MenuLabel::FPip)->toolTip(), QStringLiteral("t263\nt584"));
}

TEST_F(Tform0Test, PointerColoursAndTheExitQuestion) {
    Tform0& m = menu();
    m.show();
    SendMouse(m.label(MenuLabel::Iti), QEvent::MouseMove, {3, 3});
    SendMouse(m.label(MenuLabel::Dejar), QEvent::MouseMove, {3, 3});
    EXPECT_EQ(m.label(MenuLabel::Iti)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(m.label(MenuLabel::Dejar)->palette().color(QPalette::WindowText),
              QColor(255, 255, 0));
    SendMouse(m.mosaico, QEvent::MouseMove, {500, 20});
    EXPECT_EQ(m.label(MenuLabel::Iti)->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    messages.answer = false;
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&m, &escape);
    EXPECT_EQ(messages.questions, QStringList{QStringLiteral("t49")});
    EXPECT_TRUE(m.isVisible());
    EXPECT_EQ(end.ended, 0);
    messages.answer = true;
    m.BotRetroce->click();
    EXPECT_EQ(end.ended, 1);
}

TEST_F(Tform0Test, TheSignOpensCertificatesWhenTheyExist) {
    navigation.existing = {"TCertifica"};
    Tform0& m = menu();
    m.show();
    Click(m.ImageDejar);
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("TCertifica")});
    EXPECT_FALSE(m.isVisible());
}

TEST_F(Tform0Test, TheConfigurationPanelSavesOnlyWhatChanged) {
    folder.write(QStringLiteral("segdxg1.DXG"), "x");
    folder.write(QStringLiteral("vector.DXG"), "x");
    Tform0& m = menu();
    m.show();
    ConfigPanel* panel = m.panelConfigu;
    EXPECT_FALSE(panel->isVisible());
    Click(m.label(MenuLabel::Config));
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(298, 136, 519, 313));
    EXPECT_TRUE(panel->cas->isChecked());
    EXPECT_EQ(panel->gal->text(), QStringLiteral("Galego"));
    EXPECT_EQ(panel->cat->text(), QString::fromUtf8("Català/Valencià"));
    EXPECT_TRUE(panel->PanelCofigu2->isVisible());
    EXPECT_TRUE(panel->no->isChecked());
    EXPECT_EQ(panel->LabelSINO->text(), QStringLiteral("t140"));

    panel->ButtonGrabar->click();  // nothing changed
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty());

    Click(m.label(MenuLabel::Config));
    panel->gal->click();
    EXPECT_EQ(panel->LabelIdiomaSel->text(), QStringLiteral("Galego"));
    panel->si->click();
    EXPECT_EQ(panel->LabelSINO->text(), QStringLiteral("t141"));
    panel->ButtonGrabar->click();
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("t607")});
    const Settings saved = SettingsStore(store).Read();
    EXPECT_EQ(saved.languageCode, 2);
    EXPECT_TRUE(saved.animation);

    Click(m.label(MenuLabel::Config));
    EXPECT_TRUE(panel->gal->isChecked());
    panel->eus->click();
    panel->ButtonRetroConf->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(SettingsStore(store).Read().languageCode, 2);
}

TEST_F(Tform0Test, ACourseLinkOpensItsPage) {
    folder.writeLines(QStringLiteral("cas/cursespe"),
                      {"16Inform\xE1tica y comunicaciones", "Inteligencia artificial y big data",
                       "https://www.todofp.es/ia.html", "07Edificaci\xF3n y obra civil",
                       "Modelado BIM", "https://www.todofp.es/bim.html"});
    Tform0& m = menu();
    m.show();
    Click(m.label(MenuLabel::CurEsp));
    CoursesPanel* panel = m.PanelEspeG;
    ASSERT_TRUE(panel->isVisible());
    ASSERT_TRUE(panel->panelsel->isVisible());
    QTableWidget* reja = panel->reja;
    ASSERT_EQ(reja->rowCount(), 2);
    EXPECT_EQ(reja->horizontalHeaderItem(0)->text(), QStringLiteral("t583"));
    EXPECT_EQ(reja->columnWidth(0), 250);
    EXPECT_EQ(reja->columnWidth(1), 450);
    EXPECT_EQ(reja->rowHeight(0), 40);
    EXPECT_EQ(reja->item(1, 1)->text(), QStringLiteral("Modelado BIM"));
    ASSERT_EQ(panel->reja2->rowCount(), 1);

    QWidget* viewport = reja->viewport();
    const QPoint family = reja->visualRect(reja->model()->index(0, 0)).center();
    const QPoint course = reja->visualRect(reja->model()->index(0, 1)).center();
    SendMouse(viewport, QEvent::MouseMove, family);
    EXPECT_TRUE(viewport->toolTip().isEmpty());
    EXPECT_EQ(viewport->cursor().shape(), Qt::ArrowCursor);
    Click(viewport, family);
    EXPECT_TRUE(opener.opened.isEmpty());

    SendMouse(viewport, QEvent::MouseMove, course);
    EXPECT_EQ(viewport->toolTip(), QStringLiteral("Internet... https://www.todofp.es/ia.html"));
    EXPECT_EQ(viewport->cursor().shape(), Qt::PointingHandCursor);
    Click(viewport, course);
    EXPECT_EQ(opener.opened, QStringList{QStringLiteral("https://www.todofp.es/ia.html")});

    QWidget* fixed = panel->reja2->viewport();
    Click(fixed, panel->reja2->visualRect(panel->reja2->model()->index(0, 1)).center());
    ASSERT_EQ(opener.opened.size(), 2);
    EXPECT_TRUE(opener.opened[1].endsWith(QStringLiteral("panaderia-bolleria-artesanal.html")));

    panel->ButtonRetroEspe->click();
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(Tform0Test, TheWalkingFigureStaysBehindTheCoursesPanel) {
    Tform0& m = menu();
    m.show();
    Click(m.label(MenuLabel::CurEsp));
    ASSERT_TRUE(m.PanelEspeG->isVisible());
    Tick(MenuTimer::Piloto, 8);  // the figure walks in while the panel is open
    ASSERT_TRUE(m.anda->isVisible());
    // Siblings are stacked in the order of the children: the later one is drawn on top.
    EXPECT_LT(m.children().indexOf(m.anda), m.children().indexOf(m.PanelEspeG));
}

// Whether a label's text fits within the label at the label's font.
bool FitsIn(const QLabel* label) {
    return QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width();
}

TEST_F(Tform0Test, ALongSchoolNameStaysWithinItsLabels) {
    enlace->settings.schoolName =
        QStringLiteral("Institut d'Educació Secundària Joan Maragall i Gorina de Barcelona");
    Tform0& m = menu();
    EXPECT_TRUE(FitsIn(m.LabelCentro));
    EXPECT_LE(m.LabelCentro->width(), 976);
    EXPECT_LE(std::abs(m.LabelCentro->geometry().center().x() - 512), 1);
    const QLabel* year = m.PanelEspeG->RxLabelAno;
    EXPECT_TRUE(year->text().contains(enlace->settings.schoolName));
    EXPECT_TRUE(FitsIn(year));
    EXPECT_GE(year->x(), m.PanelEspeG->RxLabelEspe->geometry().right());
}

TEST_F(Tform0Test, AMissingCoursesFileLeavesThePanelEmpty) {
    Tform0& m = menu();
    m.show();
    Click(m.label(MenuLabel::CurEsp));
    EXPECT_TRUE(m.PanelEspeG->isVisible());
    EXPECT_FALSE(m.PanelEspeG->panelsel->isVisible());
    EXPECT_EQ(m.PanelEspeG->reja->rowCount(), 0);
    EXPECT_EQ(messages.errors.size(), 1);
}

class Tform0WithoutSignTest : public Tform0Test {
protected:
    Tform0WithoutSignTest() : Tform0Test(false, false) {}
};

TEST_F(Tform0WithoutSignTest, AMissingSignStopsTheProgram) {
    menu();
    EXPECT_TRUE(enlace->stopFlag);
}

class Tform0SceneHomeTest : public Tform0Test {
protected:
    Tform0SceneHomeTest() : Tform0Test(true) {}
};

TEST_F(Tform0SceneHomeTest, TheHelpPanelAndTheWayBackToTheScene) {
    Tform0& m = menu();
    EXPECT_EQ(m.BotRetroce->text(), QStringLiteral("t82"));
    EXPECT_FALSE(m.piloto->isActive());
    m.show();
    ASSERT_TRUE(m.TimerAyuda->isActive());
    Tick(MenuTimer::Ayuda, 9);
    EXPECT_TRUE(m.PanelAyuda->isVisible());
    EXPECT_EQ(m.LabelAyu[4]->text(), QStringLiteral("t18"));
    EXPECT_FALSE(m.TimerAyuda->isActive());
    m.BotRetroce->click();
    EXPECT_EQ(navigation.scenes, 1);
    EXPECT_FALSE(m.isVisible());
    EXPECT_FALSE(m.PanelAyuda->isVisible());
}

}  // namespace
}  // namespace velmora
