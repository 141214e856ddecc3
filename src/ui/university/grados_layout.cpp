// The degrees screen's controls: where each one sits, its font and its colours.

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>

#include "core/shared/display_mode.h"
#include "core/shared/enlace.h"
#include "core/university/degrees_screen.h"
#include "ui/shared/look.h"
#include "ui/shared/model_cells.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/region_map_view.h"
#include "ui/shared/rich_text_box.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/shadow_label.h"
#include "ui/shared/shared_pictures.h"
#include "ui/university/degree_diagram_panel.h"
#include "ui/university/grados.h"
#include "ui/university/grados_cells.h"
#include "ui/university/grados_layout.h"

namespace velmora {
namespace {

QTableWidget* MakeGrid(QWidget* parent, const char* name, QRect geometry, int first, int second) {
    return velmora::MakeGrid(parent, name, geometry, first, second, kGridRowHeight);
}

// The search button's picture: a magnifying glass.
QPixmap MagnifierPicture() {
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ToQColor(PaletteColour::Navy), 2.5));
    p.setBrush(ToQColor(PaletteColour::PaleBlue));
    p.drawEllipse(QRectF(2, 2, 11, 11));
    p.setPen(QPen(ToQColor(PaletteColour::Navy), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 12), QPointF(18, 18));
    return picture;
}

}  // namespace

void TForm1::createMenu() {
    PanelMenu = MakePanel(this, "PanelMenu", kPanelMenu);
    const char* const entries[] = {"BotMenuGrados", "BotMenuUni",   "BotMenuDobles", "BotMenuInfo",
                                   "BotMenuArtes",  "BotMenuDepor", "BotMenuRetro"};
    QPushButton** buttons[] = {&BotMenuGrados, &BotMenuUni,   &BotMenuDobles, &BotMenuInfo,
                               &BotMenuArtes,  &BotMenuDepor, &BotMenuRetro};
    for (int i = 0; i < 7; ++i) *buttons[i] = MakeButton(PanelMenu, entries[i], MenuEntryRect(i));

    // The submenus open at the right edge of the menu, 30 pixels above their entry.
    const char* const info[] = {"BotMaster", "botinfo1", "ButEstadisticas", "botinfo2", "botinfo3"};
    QPushButton** infoButtons[] = {&BotMaster, &botinfo1, &ButEstadisticas, &botinfo2, &botinfo3};
    PanelMenu2 = MakePanel(this, "PanelMenu2", SubmenuRect(kInfoEntry, 5));
    for (int i = 0; i < 5; ++i)
        *infoButtons[i] = MakeButton(PanelMenu2, info[i], SubmenuEntryRect(i));
    const char* const arts[] = {"BotArtesPlas", "BotMusica", "BotDanza", "BotDramatico"};
    QPushButton** artsButtons[] = {&BotArtesPlas, &BotMusica, &BotDanza, &BotDramatico};
    PanelMenu4 = MakePanel(this, "PanelMenu4", SubmenuRect(kArtsEntry, 4));
    for (int i = 0; i < 4; ++i)
        *artsButtons[i] = MakeButton(PanelMenu4, arts[i], SubmenuEntryRect(i));
    for (QWidget* w : {static_cast<QWidget*>(PanelMenu), static_cast<QWidget*>(PanelMenu2),
                       static_cast<QWidget*>(PanelMenu4)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
        // Moves without a pressed button reach only the widgets that track the pointer.
        for (QWidget* child : w->findChildren<QWidget*>()) {
            child->setMouseTracking(true);
            child->installEventFilter(this);
        }
    }
    PanelMenu2->hide();
    PanelMenu4->hide();
}

void TForm1::createBrowser() {
    PanelTree = MakePanel(this, "PanelTree", kPanelTree);
    ButtonRetroN = MakeButton(PanelTree, "ButtonRetroN", QRect(10, 8, 120, 30));
    ComboAgru = new QComboBox(PanelTree);
    ComboAgru->setObjectName(QStringLiteral("ComboAgru"));
    ComboAgru->setGeometry(140, 10, 290, 26);
    ComboAgru->setFont(ArialFont(10));
    LabelBusTit = MakeLabel(PanelTree, "LabelBusTit", QRect(10, 44, 420, 18));
    LabelBusTit->setFont(ArialFont(10, true));
    LabelBusTit2 = MakeLabel(PanelTree, "LabelBusTit2", QRect(10, 62, 420, 16));
    LabelBusTit2->setFont(ArialFont(9));
    EditBusTit = new QLineEdit(PanelTree);
    EditBusTit->setObjectName(QStringLiteral("EditBusTit"));
    EditBusTit->setGeometry(10, 82, 330, 26);
    EditBusTit->setFont(ArialFont(10));
    BitBusTit = MakeButton(PanelTree, "BitBusTit", QRect(346, 80, 84, 30));
    BitBusTit->setIcon(QIcon(MagnifierPicture()));
    BitBusTit->setIconSize(QSize(20, 20));

    const DegreesView& view = model_->view();
    Listramas = MakeList(PanelTree, "Listramas", kBrowserList);
    Listramas->setItemDelegate(new ModelCells(
        ImageListRamas(), [&view](int row, int) { return CellOf(view.branchRows, row); },
        DegreesScreen::kBranchRowHeight, Listramas));

    listgrados =
        MakeGrid(PanelTree, "listgrados", kBrowserList, DegreesScreen::kDegreeColumnWidths[0],
                 DegreesScreen::kDegreeColumnWidths[1], kGridRowHeight);
    listgrados->setItemDelegate(new ModelCells(
        DegreesRowIcons(),
        [&view](int row, int column) { return CellOf(view.degreeRows, row, column); },
        kGridRowHeight, listgrados));
    listgrados->viewport()->installEventFilter(this);
    listgrados->hide();

    Tree = new QTreeWidget(PanelTree);
    Tree->setObjectName(QStringLiteral("Tree"));
    Tree->setGeometry(kBrowserList);
    Tree->setFont(ArialFont(9));
    Tree->setHeaderHidden(true);
    Tree->setColumnCount(1);
    Tree->setItemDelegate(new TreeNodes(Tree));
    Tree->setAttribute(Qt::WA_Hover);
    Tree->setMouseTracking(true);
    Tree->setUniformRowHeights(true);
    Paint(Tree, PaletteColour::LightPeach);
    Tree->hide();
    PanelTree->hide();
}

void TForm1::createDetail() {
    PanelCarSel = new QLabel(this);
    PanelCarSel->setObjectName(QStringLiteral("PanelCarSel"));
    PanelCarSel->setGeometry(kPanelCarSel);
    PanelCarSel->setFont(ArialFont(10, true));
    PanelCarSel->setIndent(8);
    PanelSelTit = new QLabel(this);
    PanelSelTit->setObjectName(QStringLiteral("PanelSelTit"));
    PanelSelTit->setGeometry(kPanelSelTit);
    PanelSelTit->setFont(ArialFont(11, true));
    PanelSelTit->setFrameShape(QFrame::Panel);
    PanelSelTit->setFrameShadow(QFrame::Raised);
    PanelSelTit->setAlignment(Qt::AlignCenter);
    PanelSelTit->setWordWrap(true);
    Paint(PanelSelTit, PaletteColour::LightYellow, PaletteColour::Navy);

    PanelSel = MakePanel(this, "PanelSel", kPanelSel);
    const QRect content(10, 10, PanelSel->width() - 20, kDetailHeight);
    const DegreesView& view = model_->view();
    ListSel = MakeList(PanelSel, "ListSel", content);
    ListSel->setItemDelegate(new ModelCells(
        DegreesRowIcons(), [&view](int row, int) { return CellOf(view.selRows, row); },
        kGridRowHeight, ListSel));
    listSel2 = MakeRichBox(PanelSel, "listSel2", content, 9);
    RichSalidas = MakeRichBox(PanelSel, "RichSalidas", content, 10);
    GridNotas = MakeGrid(PanelSel, "GridNotas", content, DegreesScreen::kGridColumnWidths[0],
                         DegreesScreen::kGridColumnWidths[1]);
    GridNotas->setItemDelegate(new ModelCells(
        DegreesRowIcons(),
        [&view](int row, int column) { return CellOf(view.gridRows, row, column); }, kGridRowHeight,
        GridNotas));
    LabelMaster = MakeLabel(PanelSel, "LabelMaster", QRect(10, 10, content.width(), 20));
    LabelMaster->setFont(ArialFont(10, true));
    LabelMaster2 = MakeLabel(PanelSel, "LabelMaster2", QRect(10, 32, content.width(), 20));
    // The address of the register of degrees reads as a link.
    QFont link = ArialFont(10);
    link.setUnderline(true);
    LabelMaster2->setFont(link);
    Paint(LabelMaster2, PaletteColour::PaleBlue, PaletteColour::Blue);
    LabelMaster2->setAutoFillBackground(false);
    LabelMaster2->installEventFilter(this);
    for (QWidget* w : {static_cast<QWidget*>(ListSel), static_cast<QWidget*>(listSel2),
                       static_cast<QWidget*>(RichSalidas), static_cast<QWidget*>(GridNotas),
                       static_cast<QWidget*>(LabelMaster), static_cast<QWidget*>(LabelMaster2)})
        w->hide();

    struct Entry {
        QPushButton** button;
        const char* name;
        int place;
    };
    const Entry buttons[] = {
        {&BotUni, "BotUni", 0},
        {&BotReq, "BotReq", 1},
        {&BotSal, "BotSal", 2},
        {&BotDoblesCar, "BotDoblesCar", 3},
        {&BotCorte, "BotCorte", 4},
        {&BotPonde, "BotPonde", 5},
        {&BotImprimirN, "BotImprimirN", 6},
        {&BotIntUni, "BotIntUni", 7},
        {&BotArtesTit, "BotArtesTit", 0},
        {&BotArtesEsp, "BotArtesEsp", 1},
        {&BotArtesLug, "BotArtesLug", 2},
    };
    for (const Entry& e : buttons) {
        *e.button = MakeButton(PanelSel, e.name, DetailButtonRect(e.place));
        (*e.button)->hide();
    }
    PanelCarSel->hide();
    PanelSelTit->hide();
    PanelSel->hide();

    PanelGradosT = new DegreeDiagramPanel(
        this, {[this] { model_->TimergradoTimer(); }, [this] { model_->TimerfraseTimer(); },
               [this] { model_->BotAvanzaClick(); }, [this] { model_->BotAcabarGClick(); }});
    PanelGradosT->hide();
}

void TForm1::createMap() {
    // The map's panel holds the map alone: the list of a community's places takes the map's
    // place on screen, with the back and print buttons above both.
    PanelEstrellas = MakePanel(this, "PanelEstrellas", kPanelEstrellas);
    mapa = new RegionMapView(platform_.enlace.regionMaps, RegionMap::Communities, PanelEstrellas);
    mapa->setObjectName(QStringLiteral("mapa"));
    mapa->move(kMapTopLeft);
    mapa->setPicture(platform_.pictures.picture("mapa"));
    mapa->installEventFilter(this);
    PanelEstrellas->hide();

    BotRetroceder = MakeButton(this, "BotRetroceder", kBotRetroceder);
    BotRetroceder->hide();
    BotImprimir = MakeButton(this, "BotImprimir", kBotImprimir);
    BotImprimir->hide();
    const DegreesView& view = model_->view();
    ListComunidad = MakeList(this, "ListComunidad", kListComunidad);
    ListComunidad->setItemDelegate(new ModelCells(
        DegreesRowIcons(), [&view](int row, int) { return CellOf(view.communityRows, row); },
        DegreesScreen::kCommunityRowHeight, ListComunidad));
    ListComunidad->hide();

    // The yellow name panel follows the pointer over the map, in the screen's client area.
    PanelMapa = new QLabel(this);
    PanelMapa->setObjectName(QStringLiteral("PanelMapa"));
    PanelMapa->setFont(ArialFont(9, true));
    PanelMapa->setFrameShape(QFrame::Box);
    PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
    Paint(PanelMapa, PaletteColour::LightYellow, PaletteColour::Navy);
    PanelMapa->hide();
}

}  // namespace velmora
