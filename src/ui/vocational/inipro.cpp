#include "ui/vocational/inipro.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "ui/guidance/help_panel_view.h"
#include "ui/shared/look.h"
#include "ui/shared/model_cells.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/section_screen.h"
#include "ui/shared/shadow_label.h"

namespace velmora {
namespace {

using B = BasicControl;

// The screen's places. The groups, the help and the way to the places on the left; the
// families, titles and the selection on the right. The map takes the groups' place once a title
// is chosen, so that its name panel, 130 pixels below the pointer's map position, comes up just
// below the pointer.
LevelLayout Layout() {
    LevelLayout l;
    l.familyList = {496, 180, 492, 135};
    l.titleList = {496, 352, 492, 5 * BasicScreen::kTitleRowHeight + 4};
    l.titleRowHeight = BasicScreen::kTitleRowHeight;
    l.mapPanel = {28, 102, 297, 262};
    l.mapAt = {8, 8};
    l.mapHelp1 = {8, 210, 281, 18};
    l.mapHelp2 = {8, 230, 281, 18};
    l.areaMapAt = {36, 110};
    l.placeList = {36, 104, 440, 560};
    // The districts and the picked communities are never shown on this screen.
    l.districtList = {36, 426, 281, 206};
    l.districtClose = {36, 636, 281, 30};
    l.printPanel = {330, 200, 146, 300};
    l.printList = {6, 6, 134, 246};
    l.printAccept = {6, 258, 134, 34};
    l.titleBar = {484, 104, 516, 26};
    l.selectionCaption = {484, 132, 516, 32};
    l.selection = {484, 168, 516, 500};
    l.selectionContent = {4, 4, 508, 492};
    l.gridColumns = {297, 70};
    l.textRowHeight = 17;
    l.back = {36, 62, 130, 32};
    l.print = {176, 62, 130, 32};
    l.allTitles = {484, 674, 200, 34};
    return l;
}

constexpr QRect kGroupCaption{36, 104, 440, 32};
constexpr QRect kGroups{36, 140, 440, FamilyGroups::kGroups* BasicScreen::kGroupRowHeight + 4};
constexpr QRect kPlaces{36, 424, 240, 36};
constexpr QRect kHelp{36, 470, 440, 230};
constexpr int kPreviewRowHeight = 17;
constexpr int kJobRows = 5;  // under their heading
constexpr QRect kRequirements{36, 380, 240, 34};
constexpr int kInfoGap = 40;

}  // namespace

TFIniPro::TFIniPro(LevelPlatform platform, QWidget* parent)
    : LevelScreenWidget(
          platform,
          std::make_unique<BasicScreen>(platform.enlace, platform.printing, platform.sound),
          parent),
      basic_(static_cast<BasicScreen*>(LevelScreenWidget::model_.get())) {
    FormCreate();
}

void TFIniPro::FormCreate() {
    setObjectName(QStringLiteral("TFIniPro"));
    basic_->FormCreate();
    const LevelLayout layout = Layout();
    createSharedControls(layout);
    const BasicView& own = basic_->own();

    PanelSelTit0 = MakeLabel(this, "PanelSelTit0", kGroupCaption);
    PanelSelTit0->setFont(ArialFont(11, true));
    PanelSelTit0->setFrameShape(QFrame::Panel);
    PanelSelTit0->setFrameShadow(QFrame::Raised);
    PanelSelTit0->setAlignment(Qt::AlignCenter);
    Paint(PanelSelTit0, PaletteColour::LightYellow, PaletteColour::Navy);
    ListSelFp = MakeList(this, "ListSelFp", kGroups);
    ListSelFp->setFont(ArialFont(10, true));
    ListSelFp->setItemDelegate(new ModelCells(
        ImageListIconos(), [&own](int row, int) { return CellOf(own.groupRows, row); },
        BasicScreen::kGroupRowHeight, ListSelFp));
    ListSelFp->setMouseTracking(true);
    ListSelFp->viewport()->installEventFilter(this);
    BotLug = MakeButton(this, "BotLug", kPlaces);
    PanelAyuda = new HelpPanelView(basic_->help(), this);
    PanelAyuda->setObjectName(QStringLiteral("PanelAyuda"));
    PanelAyuda->setGeometry(kHelp);

    // The families and titles stand over the selection panel, which is their backdrop.
    for (QWidget* list : {static_cast<QWidget*>(ListPreFam), static_cast<QWidget*>(ListTit),
                          static_cast<QWidget*>(Labeltitulo)})
        list->raise();
    ListTit->setMouseTracking(true);
    ListTit->viewport()->installEventFilter(this);
    const QRect titles = layout.titleList;
    ListFPExpli = MakeList(this, "ListFPExpli",
                           QRect(titles.left() + 15, titles.bottom() + 1 + 10, titles.width() - 15,
                                 (kJobRows + 1) * kPreviewRowHeight + 4));
    ListFPExpli->setSelectionMode(QAbstractItemView::NoSelection);
    ListFPExpli->setItemDelegate(new ModelCells(
        DegreesRowIcons(), [&own](int row, int) { return CellOf(own.previewRows, row); },
        kPreviewRowHeight, ListFPExpli));

    BotRequisitos = MakeButton(this, "BotRequisitos", kRequirements);
    BotTra = MakeButton(this, "BotTra", kRequirements.translated(0, kInfoGap));
    BotAsig = MakeButton(this, "BotAsig", kRequirements.translated(0, 2 * kInfoGap));
    LabelFPIp1 = MakeHeading(this, "LabelFPIp1", {316, 54, 376, 44}, 22, Qt::AlignCenter);
    LabelAno =
        MakeHeading(this, "LabelAno", {700, 56, 290, 44}, 22, Qt::AlignRight | Qt::AlignVCenter);

    TimerAyu = new QTimer(this);
    TimerAyu->setObjectName(QStringLiteral("TimerAyu"));
    TimerAyu->setInterval(BasicScreen::kBlinkInterval);

    own_ = FindControls<B, kBasicControlCount>(this, BasicControlName);
    finishCreation();
    ShrinkFontToFit(LabelFPIp1);
}

void TFIniPro::connectOwn() {
    BasicScreen* m = basic_;
    auto click = [this](QPushButton* button, auto handler) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    click(BotLug, [m] { m->BotLugClick(); });
    click(BotRequisitos, [m] { m->BotRequisitosClick(); });
    click(BotTra, [m] { m->BotTraClick(); });
    click(BotAsig, [m] { m->botAsigClick(); });
    // After the shared handler has gone back a step: the last step leaves the screen.
    click(BotRetrocederFP, [this] { leaveIfAsked(); });
    connect(ListSelFp, &QListWidget::clicked, this,
            [m](const QModelIndex& index) { m->ListSelFpMouseUp(index.row()); });
    connect(TimerAyu, &QTimer::timeout, this, [m] { m->tickAyu(); });
}

void TFIniPro::leaveIfAsked() {
    if (const auto where = basic_->takeLeave()) leave(*where);
}

void TFIniPro::applyOwn() {
    if (!ready_) return;
    const BasicView& own = basic_->own();
    ApplyControls<B, kBasicControlCount>(own_, own.controls);
    FillRows(ListSelFp, own.groupRows);
    if (own.groupSelected >= 0) {
        ListSelFp->setCurrentRow(own.groupSelected);
    } else {
        ListSelFp->clearSelection();
    }
    FillRows(ListFPExpli, own.previewRows);
    if (own.titleSelected >= 0 && own.titleSelected < ListTit->count()) {
        ListTit->setCurrentRow(own.titleSelected);
    }
    if (own.blinking && !TimerAyu->isActive()) TimerAyu->start();
    if (!own.blinking && TimerAyu->isActive()) TimerAyu->stop();
    PanelAyuda->refresh();
    if (ListFPExpli->isVisible()) ListFPExpli->raise();
}

void TFIniPro::showEvent(QShowEvent* event) {
    LevelScreenWidget::showEvent(event);
    // A window shown again by the window system (after being minimised) keeps its state.
    if (!event->spontaneous()) basic_->FormActivate();
}

void TFIniPro::closeEvent(QCloseEvent* event) {
    // Closing the window asks nothing: the screen is left as the way back leaves it.
    event->ignore();
    leave(basic_->FormClose());
}

bool TFIniPro::eventFilter(QObject* watched, QEvent* event) {
    if (ready_ && event->type() == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (watched == ListSelFp->viewport())
            basic_->listSelFPMouseMove(ListSelFp->indexAt(at).row());
        if (watched == ListTit->viewport()) basic_->ListTitFPMouseMove(ListTit->indexAt(at).row());
    }
    return LevelScreenWidget::eventFilter(watched, event);
}

}  // namespace velmora
