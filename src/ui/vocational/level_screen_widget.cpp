#include "ui/vocational/level_screen_widget.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "core/shared/display_mode.h"
#include "core/shared/enlace.h"
#include "core/shared/section_back.h"
#include "ui/shared/look.h"
#include "ui/shared/model_cells.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/hand_over.h"
#include "ui/shared/qt_display.h"
#include "ui/shared/region_map_view.h"
#include "ui/shared/roll_transition.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {
namespace {

using C = LevelControl;

// The preview of a report is shown in the printer's font.
QFont PreviewFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    return font;
}

}  // namespace

LevelScreenWidget::LevelScreenWidget(LevelPlatform platform, std::unique_ptr<LevelScreen> model,
                                     QWidget* parent)
    : QWidget(parent), platform_(std::move(platform)), model_(std::move(model)) {
    setFixedSize(kScreenMode.width, kScreenMode.height);
    move(0, 0);
    setMouseTracking(true);
}

LevelScreenWidget::~LevelScreenWidget() {
    model_->setOnChange({});
}

void LevelScreenWidget::createSharedControls(const LevelLayout& layout) {
    layout_ = layout;
    const LevelDescription& d = model_->description();
    // A control a level does not have keeps the intermediate screen's name; its model never
    // shows it.
    std::array<std::string, kLevelControlCount> names;
    for (int i = 0; i < kLevelControlCount; ++i) {
        const std::string_view own = d.names[static_cast<size_t>(i)];
        names[static_cast<size_t>(i)] =
            std::string(own.empty() ? IntermediateName(static_cast<C>(i)) : own);
    }
    auto name = [&](C control) { return names[static_cast<size_t>(control)].c_str(); };
    const LevelView& view = model_->view();
    RegionMaps& maps = platform_.enlace.regionMaps;

    ListPreFam = MakeList(this, name(C::ListPreFam), layout.familyList);
    ListPreFam->setFont(ArialFont(10, true));
    ListPreFam->setItemDelegate(new ModelCells(
        ImageListIconos(), [&view](int row, int) { return CellOf(view.familyRows, row); },
        LevelScreen::kFamilyRowHeight, ListPreFam));
    ListTit = MakeList(this, name(C::ListTit), layout.titleList);
    ListTit->setItemDelegate(new ModelCells(
        DegreesRowIcons(), [&view](int row, int) { return CellOf(view.titleRows, row); },
        layout.titleRowHeight, ListTit));
    Labeltitulo = MakeLabel(
        this, name(C::Labeltitulo),
        QRect(layout.titleList.left(), layout.titleList.top() - 25, layout.titleList.width(), 22));
    Labeltitulo->setFont(ArialFont(10, true));
    Paint(Labeltitulo, PaletteColour::PaleBlue, PaletteColour::Navy);

    PanelEstrellas = MakePanel(this, name(C::PanelEstrellas), layout.mapPanel);
    mapa = new RegionMapView(maps, RegionMap::Communities, PanelEstrellas);
    mapa->setObjectName(QString::fromLatin1(name(C::mapa)));
    mapa->move(layout.mapAt);
    mapa->setPicture(platform_.pictures.picture("mapa"));
    LabelSelCom1 = MakeLabel(PanelEstrellas, name(C::LabelSelCom1), layout.mapHelp1);
    LabelSelCom2 = MakeLabel(PanelEstrellas, name(C::LabelSelCom2), layout.mapHelp2);
    for (QLabel* help : {LabelSelCom1, LabelSelCom2}) {
        help->setFont(ArialFont(8, true));
        help->setAlignment(Qt::AlignCenter);
    }
    mapac = new RegionMapView(maps, RegionMap::C, this);
    mapac->setObjectName(QString::fromLatin1(name(C::mapac)));
    mapac->move(layout.areaMapAt);
    mapac->setPicture(platform_.pictures.picture("mapac"));
    mapam = new RegionMapView(maps, RegionMap::M, this);
    mapam->setObjectName(QString::fromLatin1(name(C::mapam)));
    mapam->move(layout.areaMapAt);
    mapam->setPicture(platform_.pictures.picture("mapam"));
    for (RegionMapView* map : {mapa, mapac, mapam}) {
        map->setCursorFollowsRegions(false);  // the model gives the maps their pointers
        map->installEventFilter(this);
    }

    ListSelLugFP = MakeList(this, name(C::ListSelLugFP), layout.placeList);
    ListSelLugFP->setItemDelegate(new ModelCells(
        DegreesRowIcons(), [&view](int row, int) { return CellOf(view.placeRows, row); }, 18,
        ListSelLugFP));
    listBarcelona = MakeList(this, name(C::listBarcelona), layout.districtList);
    BotCerrar = MakeButton(this, name(C::BotCerrar), layout.districtClose);

    PanelImp = MakePanel(this, name(C::PanelImp), layout.printPanel);
    ListImp = MakeList(PanelImp, name(C::ListImp), layout.printList);
    BotAceptar = MakeButton(PanelImp, name(C::BotAceptar), layout.printAccept);

    PanelCarSel = MakeLabel(this, name(C::PanelCarSel), layout.titleBar);
    PanelCarSel->setFont(ArialFont(11, true));
    PanelCarSel->setIndent(8);
    Paint(PanelCarSel, PaletteColour::PaleBlue, PaletteColour::Navy);
    PanelSelTit = MakeLabel(this, name(C::PanelSelTit), layout.selectionCaption);
    PanelSelTit->setFont(ArialFont(11, true));
    PanelSelTit->setFrameShape(QFrame::Panel);
    PanelSelTit->setFrameShadow(QFrame::Raised);
    PanelSelTit->setAlignment(Qt::AlignCenter);
    Paint(PanelSelTit, PaletteColour::LightYellow, PaletteColour::Navy);

    PanelSelec = MakePanel(this, name(C::PanelSelec), layout.selection);
    listSelFP = MakeList(PanelSelec, name(C::listSelFP), layout.selectionContent);
    listSelFP->setItemDelegate(new ModelCells(
        DegreesRowIcons(), [&view](int row, int) { return CellOf(view.textRows, row); },
        layout.textRowHeight, listSelFP));
    reja = MakeGrid(PanelSelec, name(C::reja), layout.selectionContent, layout.gridColumns[0],
                    layout.gridColumns[1], LevelScreen::kGridRowHeight);
    reja->setItemDelegate(new ModelCells(
        DegreesRowIcons(),
        [&view](int row, int column) { return CellOf(view.gridRows, row, column); },
        LevelScreen::kGridRowHeight, reja));
    reja->viewport()->installEventFilter(this);

    BotRetrocederFP = MakeButton(this, name(C::BotRetrocederFP), layout.back);
    BotImprimir = MakeButton(this, name(C::BotImprimir), layout.print);
    BotTodoFP = MakeButton(this, name(C::BotTodoFP), layout.allTitles);

    // The yellow name panel follows the pointer over the maps, in the screen's client area.
    PanelMapa = new QLabel(this);
    PanelMapa->setObjectName(QString::fromLatin1(name(C::PanelMapa)));
    PanelMapa->setFont(ArialFont(9, true));
    PanelMapa->setFrameShape(QFrame::Box);
    PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
    Paint(PanelMapa, PaletteColour::LightYellow, PaletteColour::Navy);

    TimerEstrellas = new QTimer(this);
    TimerEstrellas->setObjectName(QStringLiteral("TimerEstrellas"));
    TimerParpadeo = new QTimer(this);
    TimerParpadeo->setObjectName(QStringLiteral("TimerParpadeo"));
    for (QTimer* timer : {TimerEstrellas, TimerParpadeo}) timer->setInterval(kLevelTimerInterval);
}

void LevelScreenWidget::finishCreation() {
    const LevelDescription& d = model_->description();
    for (int i = 0; i < kLevelControlCount; ++i) {
        const std::string_view name = d.names[static_cast<size_t>(i)];
        if (name.empty()) continue;
        controls_[static_cast<size_t>(i)] = findChild<QWidget*>(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    connectShared();
    connectOwn();
    ready_ = true;
    // A change made while an earlier one is being shown waits for it to finish.
    model_->setOnChange([this] {
        if (!applying_) apply(model_->takeChanges());
    });
    LevelChanges everything;
    everything.parts = ~0u;
    model_->takeChanges();
    apply(everything);
}

void LevelScreenWidget::connectShared() {
    LevelScreen* m = model_.get();
    auto click = [this, m](QPushButton* button, void (LevelScreen::*handler)()) {
        connect(button, &QPushButton::clicked, this, [m, handler] { (m->*handler)(); });
    };
    auto rowClick = [this, m](QListWidget* list, void (LevelScreen::*handler)(int)) {
        connect(list, &QListWidget::clicked, this,
                [m, handler](const QModelIndex& index) { (m->*handler)(index.row()); });
    };
    connect(ListPreFam, &QListWidget::pressed, this,
            [m](const QModelIndex& index) { m->ListPreFamMouseDown(index.row()); });
    rowClick(ListTit, &LevelScreen::ListTitClick);
    rowClick(ListSelLugFP, &LevelScreen::ListSelLugFPClick);
    rowClick(listBarcelona, &LevelScreen::listBarcelonaClick);
    rowClick(ListImp, &LevelScreen::ListImpClick);
    connect(mapa, &RegionMapView::clicked, this, [m](int) { m->mapaClick(); });
    connect(mapac, &RegionMapView::clicked, this, [m](int) { m->mapacClick(); });
    connect(mapam, &RegionMapView::clicked, this, [m](int) { m->mapamClick(); });
    click(BotCerrar, &LevelScreen::BotCerrarClick);
    click(BotTodoFP, &LevelScreen::BotTodoFPClick);
    click(BotImprimir, &LevelScreen::BotImprimirClick);
    click(BotAceptar, &LevelScreen::BotAceptarClick);
    click(BotRetrocederFP, &LevelScreen::BotRetrocederFPClick);
    connect(reja, &QTableWidget::cellDoubleClicked, this,
            [m](int row, int) { m->rejaDblClick(row); });
    connect(TimerEstrellas, &QTimer::timeout, this, [m] { m->tick(LevelTimer::Estrellas); });
    connect(TimerParpadeo, &QTimer::timeout, this, [m] { m->tick(LevelTimer::Parpadeo); });
}

void LevelScreenWidget::leave(LevelScreen::Leave where) {
    std::string_view name;
    switch (where) {
        case LevelScreen::Leave::Nowhere:
            hide();
            return;
        case LevelScreen::Leave::Assistant:
            name = ScreenOf(LeaveTo::Assistant);
            break;
        case LevelScreen::Leave::Scene:
            name = ScreenOf(LeaveTo::Scene);
            break;
        case LevelScreen::Leave::MainMenu:
            name = ScreenOf(LeaveTo::MainMenu);
            break;
    }
    HandOver(this, name, platform_.screen);
}

// --- Showing the model's view ------------------------------------------------------------------

void LevelScreenWidget::apply(const LevelChanges& changes) {
    applying_ = true;
    const LevelView& view = model_->view();
    // The old contents of the selection panel leave behind the transition; grab them before
    // the new ones are set.
    QPixmap leaving;
    if (changes.selectionTransition && PanelSelec->isVisible() && RollTransition::Duration() > 0)
        leaving = PanelSelec->grab();

    if (changes.has(LevelChanges::Captions)) applyCaptions();
    if (changes.has(LevelChanges::Cursors)) applyCursors();
    applyRows(changes);
    if (changes.has(LevelChanges::MapPanel)) {
        PanelMapa->setGeometry(view.mapPanelAt.x(), view.mapPanelAt.y(), view.mapPanelWidth, 18);
        PanelMapa->setText(view.mapPanelText);
    }
    if (changes.mapClean) mapa->redrawClean();
    for (const MarkerStep& step : changes.markerSteps) mapa->drawMarkerStep(step);
    if (changes.has(LevelChanges::Own)) applyOwn();
    if (changes.has(LevelChanges::Visibility)) applyVisibility();
    if (changes.has(LevelChanges::Timers)) applyTimers();
    for (const LevelChanges::Scroll& scroll : changes.scrolls)
        ScrollToTop(qobject_cast<QAbstractItemView*>(control(scroll.control)), scroll.topRow,
                    scroll.clearSelection);
    if (changes.focus)
        if (QWidget* target = control(*changes.focus)) target->setFocus();
    if (changes.selectionTransition && view.visible[static_cast<size_t>(C::PanelSelec)]) {
        const auto shape = *changes.selectionTransition == TransitionKind::Radial
                               ? RollTransition::Shape::Radial
                               : RollTransition::Shape::Roll;
        RollTransition::Refill(PanelSelec, leaving, shape, LevelScreen::kTransitionMs, [this] {
            return model_->view().visible[static_cast<size_t>(C::PanelSelec)];
        });
    }
    applying_ = false;
    const LevelChanges later = model_->takeChanges();
    if (later.any()) apply(later);
}

void LevelScreenWidget::applyVisibility() {
    const LevelView& view = model_->view();
    for (int i = 0; i < kLevelControlCount; ++i)
        if (QWidget* w = controls_[static_cast<size_t>(i)])
            w->setVisible(view.visible[static_cast<size_t>(i)]);
    // What opens over the others stays on top of them.
    for (QWidget* w : {static_cast<QWidget*>(listBarcelona), static_cast<QWidget*>(BotCerrar),
                       static_cast<QWidget*>(PanelImp), static_cast<QWidget*>(PanelMapa)})
        if (w->isVisible()) w->raise();
}

void LevelScreenWidget::applyCaptions() {
    const LevelView& view = model_->view();
    setWindowTitle(view.windowTitle);
    for (int i = 0; i < kLevelControlCount; ++i) {
        QWidget* w = controls_[static_cast<size_t>(i)];
        if (!w || static_cast<C>(i) == C::PanelMapa) continue;
        const QString& caption = view.caption[static_cast<size_t>(i)];
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            button->setText(caption);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setText(caption);
        }
        w->setToolTip(view.hint[static_cast<size_t>(i)]);
    }
}

void LevelScreenWidget::applyCursors() {
    const LevelView& view = model_->view();
    for (int i = 0; i < kLevelControlCount; ++i)
        if (QWidget* w = controls_[static_cast<size_t>(i)])
            w->setCursor(ShapeOf(view.cursor[static_cast<size_t>(i)]));
}

void LevelScreenWidget::applyRows(const LevelChanges& changes) {
    const LevelView& view = model_->view();
    auto texts = [](const std::vector<Cell>& rows) {
        return [&rows](int row, int) { return rows[static_cast<size_t>(row)].text; };
    };
    if (changes.has(LevelChanges::FamilyRows)) {
        FillRows(ListPreFam, static_cast<int>(view.familyRows.size()), texts(view.familyRows));
        QRect geometry = layout_.familyList;
        geometry.setHeight(view.familyListHeight);
        ListPreFam->setGeometry(geometry);
        if (view.familySelected >= 0)
            ListPreFam->setCurrentRow(view.familySelected);
        else
            ListPreFam->clearSelection();
    }
    if (changes.has(LevelChanges::TitleRows))
        FillRows(ListTit, static_cast<int>(view.titleRows.size()), texts(view.titleRows));
    if (changes.has(LevelChanges::TextRows)) {
        listSelFP->setFont(view.textMonospaced ? PreviewFont() : ArialFont(10));
        FillRows(listSelFP, static_cast<int>(view.textRows.size()), texts(view.textRows));
    }
    if (changes.has(LevelChanges::PlaceRows))
        FillRows(ListSelLugFP, static_cast<int>(view.placeRows.size()), texts(view.placeRows));
    if (changes.has(LevelChanges::GridRows))
        FillRows(reja, static_cast<int>(view.gridRows.size()), [&view](int row, int column) {
            return view.gridRows[static_cast<size_t>(row)][static_cast<size_t>(column)].text;
        });
    if (changes.has(LevelChanges::DistrictRows))
        FillRows(listBarcelona, static_cast<int>(view.districtRows.size()),
                 [&view](int row, int) { return view.districtRows[static_cast<size_t>(row)]; });
    if (changes.has(LevelChanges::PickRows))
        FillRows(ListImp, static_cast<int>(view.pickRows.size()),
                 [&view](int row, int) { return view.pickRows[static_cast<size_t>(row)]; });
}

void LevelScreenWidget::applyTimers() {
    const LevelView& view = model_->view();
    const std::array<QTimer*, kLevelTimerCount> timers = {TimerEstrellas, TimerParpadeo};
    for (size_t t = 0; t < timers.size(); ++t) {
        if (view.timers[t] && !timers[t]->isActive()) timers[t]->start();
        if (!view.timers[t] && timers[t]->isActive()) timers[t]->stop();
    }
}

// --- Events ------------------------------------------------------------------------------------

void LevelScreenWidget::closeEvent(QCloseEvent* event) {
    if (model_->FormCloseQuery(platform_.shutdown)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void LevelScreenWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintSectionFrame(p, platform_.pictures);
}

void LevelScreenWidget::mouseMoveEvent(QMouseEvent* event) {
    // Only the background's own moves: the children pass theirs on when they do not want them.
    if (ready_ && !childAt(event->position().toPoint())) model_->FormMouseMove();
    QWidget::mouseMoveEvent(event);
}

bool LevelScreenWidget::eventFilter(QObject* watched, QEvent* event) {
    if (applying_ || !ready_ || event->type() != QEvent::MouseMove)
        return QWidget::eventFilter(watched, event);
    if (watched == reja->viewport()) {
        model_->FormMouseMove();
        return QWidget::eventFilter(watched, event);
    }
    // The map's pixel (c, r) is cell (c + 1, r + 1) of its region grid.
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (watched == mapa) model_->mapaMouseMove(at.x() + 1, at.y() + 1);
    if (watched == mapac) model_->mapacMouseMove(at.x() + 1, at.y() + 1);
    if (watched == mapam) model_->mapamMouseMove(at.x() + 1, at.y() + 1);
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
