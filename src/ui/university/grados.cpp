#include "ui/university/grados.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <algorithm>

#include "core/shared/display_mode.h"
#include "core/shared/enlace.h"
#include "ui/guidance/MapaEstrellas.h"
#include "ui/shared/hand_over.h"
#include "ui/shared/look.h"
#include "ui/shared/region_map_view.h"
#include "ui/shared/rich_text_box.h"
#include "ui/shared/roll_transition.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/shadow_label.h"
#include "ui/university/est_grados.h"
#include "ui/university/degree_diagram_panel.h"
#include "ui/university/grados_cells.h"
#include "ui/university/grados_layout.h"
#include "ui/vocational/pasarelaFP.h"

namespace velmora {
namespace {

constexpr int kNodeRole = Qt::UserRole + 3;  // a tree item's absolute node index

QString NameOf(DegreesControl control) {
    return velmora::NameOf(ControlName(control));
}

QRect Lowered(QRect design, bool lowered) {
    return lowered ? design.translated(0, 60) : design;
}

}  // namespace

TForm1::TForm1(DegreesPlatform platform, QWidget* parent)
    : QWidget(parent),
      platform_(std::move(platform)),
      model_(
          std::make_unique<DegreesScreen>(platform_.enlace, platform_.opener, platform_.printing)) {
    FormCreate();
}

TForm1::~TForm1() {
    // The star map outlives this screen's model only by a moment at exit: it must not call back.
    if (platform_.starMap) model_->attachStarMap(nullptr);
}

void TForm1::FormCreate() {
    setObjectName(QStringLiteral("TForm1"));
    setFixedSize(kScreenMode.width, kScreenMode.height);
    move(0, 0);
    setMouseTracking(true);
    // The degree tables first: every list of the screen is made of them.
    model_->FormCreate();
    if (platform_.starMap) {
        model_->attachStarMap(&platform_.starMap->model());
        platform_.starMap->setCompanion(this);
    }
    if (auto* cutOff =
            qobject_cast<TForm6*>(platform_.screen ? platform_.screen("TForm6") : nullptr)) {
        model_->attachCutOffWindow(&cutOff->model());
        cutOff->setOwner(this);
    }
    if (auto* statistics = qobject_cast<TFormEstGra*>(
            platform_.screen ? platform_.screen("TFormEstGra") : nullptr)) {
        model_->attachDegreeStatistics(&statistics->model());
        statistics->setOwner(this);
    }

    createMenu();
    createBrowser();
    createDetail();
    createMap();
    labelCentro = MakeSchoolLabel(this);

    for (int i = 0; i < kDegreesControlCount; ++i) {
        const auto which = static_cast<DegreesControl>(i);
        controls_[static_cast<size_t>(i)] = findChild<QWidget*>(NameOf(which));
    }
    connectControls();
    ready_ = true;

    // A change made while an earlier one is being shown waits for it to finish.
    model_->setOnChange([this] {
        if (!applying_) apply(model_->takeChanges());
    });
    DegreesChanges everything;
    everything.parts = ~0u;
    model_->takeChanges();
    apply(everything);
}

void TForm1::connectControls() {
    auto click = [this](QPushButton* button, void (DegreesScreen::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { (model_.get()->*handler)(); });
    };
    click(BotMenuGrados, &DegreesScreen::BotMenuGradosClick);
    click(BotMenuUni, &DegreesScreen::BotMenuUniClick);
    click(ButtonRetroN, &DegreesScreen::ButtonRetroNClick);
    click(BotUni, &DegreesScreen::BotUniClick);
    click(BotRetroceder, &DegreesScreen::BotRetrocederClick);
    click(BotIntUni, &DegreesScreen::BotIntUniMouseUp);
    click(BotReq, &DegreesScreen::BotReqClick);
    click(BotCorte, &DegreesScreen::BotCorteMouseUp);
    click(BotPonde, &DegreesScreen::BotPondeMouseUp);
    click(BotSal, &DegreesScreen::BotSalClick);
    click(BotMenuDobles, &DegreesScreen::BotMenuDoblesClick);
    click(BotDoblesCar, &DegreesScreen::BotDoblesCarMouseUp);
    click(ButEstadisticas, &DegreesScreen::ButEstadisticasClick);
    click(BotArtesPlas, &DegreesScreen::BotArtesPlasClick);
    click(BotMusica, &DegreesScreen::BotMusicaClick);
    click(BotDanza, &DegreesScreen::BotDanzaClick);
    click(BotDramatico, &DegreesScreen::BotDramaticoClick);
    click(BotArtesTit, &DegreesScreen::BotArtesTitClick);
    click(BotArtesEsp, &DegreesScreen::BotArtesEspClick);
    click(BotArtesLug, &DegreesScreen::BotArtesLugClick);
    click(BotMenuDepor, &DegreesScreen::BotMenuDeporClick);
    click(BotMaster, &DegreesScreen::BotMasterClick);
    click(botinfo1, &DegreesScreen::botinfo1Click);
    click(botinfo2, &DegreesScreen::botinfo2Click);
    click(botinfo3, &DegreesScreen::botinfo3Click);
    click(BotImprimirN, &DegreesScreen::BotImprimirNClick);
    connect(BotImprimir, &QPushButton::clicked, this, [this] {
        const bool selected = ListComunidad->selectionModel()->hasSelection();
        model_->BotImprimirClick(selected ? ListComunidad->currentRow() : -1);
    });
    connect(ListSel, &QListWidget::doubleClicked, this,
            [this](const QModelIndex& index) { model_->ListSelDblClick(index.row()); });
    ListSel->viewport()->setMouseTracking(true);
    ListSel->viewport()->installEventFilter(this);
    connect(BitBusTit, &QPushButton::clicked, this,
            [this] { model_->BitBusTitClick(EditBusTit->text()); });
    connect(EditBusTit, &QLineEdit::returnPressed, this,
            [this] { model_->EditBusTitKeyDown(Qt::Key_Return, EditBusTit->text()); });
    connect(BotMenuRetro, &QPushButton::clicked, this,
            [this] { leave(model_->BotMenuRetroClick()); });

    connect(Listramas, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { model_->ListramasClick(index.row()); });
    connect(ComboAgru, &QComboBox::activated, this,
            [this](int index) { model_->ComboAgruChange(index); });
    connect(Tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { model_->TreeClick(item->data(0, kNodeRole).toInt()); });
    connect(Tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        model_->TreeDblClick(item->data(0, kNodeRole).toInt());
    });
    connect(mapa, &RegionMapView::clicked, this, [this](int) { model_->mapaClick(); });
    connect(ListComunidad, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { model_->ListComunidadClick(index.row()); });
    connect(GridNotas, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { model_->GridNotasDblClick(row); });
}

void TForm1::botinformacionClick() {
    model_->botinformacionClick();
}

void TForm1::leave(DegreesScreen::Leave where) {
    HandOver(this, ScreenOf(where), platform_.screen);
}

void TForm1::apply(const DegreesChanges& changes) {
    applying_ = true;
    const DegreesView& view = model_->view();
    // The old contents of the detail panel leave behind the transition; grab them before the
    // new ones are set.
    QPixmap leaving;
    if (changes.panelSelTransition && PanelSel->isVisible() && RollTransition::Duration() > 0)
        leaving = PanelSel->grab();

    if (changes.has(DegreesChanges::Captions)) applyCaptions();
    if (changes.has(DegreesChanges::GroupingItems)) applyGroupingItems();
    if (changes.has(DegreesChanges::Cursors)) applyCursors();
    if (changes.has(DegreesChanges::Layout)) applyLayout();
    if (changes.has(DegreesChanges::TitleBar)) PanelSelTit->setText(view.titleBar);
    if (changes.has(DegreesChanges::RichSalidasText)) ShowRichText(RichSalidas, view.richSalidas);
    if (changes.has(DegreesChanges::ListSel2Text)) ShowRichText(listSel2, view.listSel2);
    if (changes.has(DegreesChanges::BranchRows))
        FillRows(Listramas, static_cast<int>(view.branchRows.size()),
                 [&view](int row, int) { return view.branchRows[static_cast<size_t>(row)].text; });
    if (changes.has(DegreesChanges::DegreeRows))
        FillRows(listgrados, static_cast<int>(view.degreeRows.size()), [&view](int row, int col) {
            return view.degreeRows[static_cast<size_t>(row)][static_cast<size_t>(col)].text;
        });
    if (changes.has(DegreesChanges::Tree)) fillTree();
    if (changes.has(DegreesChanges::SelRows))
        FillRows(ListSel, static_cast<int>(view.selRows.size()),
                 [&view](int row, int) { return view.selRows[static_cast<size_t>(row)].text; });
    if (changes.has(DegreesChanges::CommunityRows))
        FillRows(ListComunidad, static_cast<int>(view.communityRows.size()), [&view](int row, int) {
            return view.communityRows[static_cast<size_t>(row)].text;
        });
    if (changes.has(DegreesChanges::GridRows))
        FillRows(GridNotas, static_cast<int>(view.gridRows.size()), [&view](int row, int col) {
            return view.gridRows[static_cast<size_t>(row)][static_cast<size_t>(col)].text;
        });
    if (changes.has(DegreesChanges::MapPanel)) {
        PanelMapa->setGeometry(view.mapPanelAt.x(), view.mapPanelAt.y(), view.mapPanelWidth, 18);
        PanelMapa->setText(view.mapPanelText);
    }
    if (changes.has(DegreesChanges::Visibility)) applyVisibility();
    if (changes.has(DegreesChanges::Diagram) || changes.has(DegreesChanges::Visibility)) {
        const bool shown = view.visible[static_cast<size_t>(DegreesControl::PanelGradosT)];
        PanelGradosT->apply(model_->diagram(), shown);
        if (shown) PanelGradosT->raise();
    }
    if (changes.repaintTree) {
        for (QTreeWidgetItemIterator it(Tree); *it; ++it) {
            const int node = (*it)->data(0, kNodeRole).toInt();
            if (node >= 0 && node < static_cast<int>(view.tree.size()))
                (*it)->setData(0, TreeNodes::kSelectedImageRole,
                               view.tree[static_cast<size_t>(node)].selectedImage);
        }
        Tree->viewport()->update();
    }
    for (const DegreesChanges::Scroll& scroll : changes.scrolls)
        ScrollToTop(qobject_cast<QAbstractItemView*>(control(scroll.control)), scroll.topRow,
                    scroll.clearSelection);
    if (changes.focus)
        if (QWidget* target = control(*changes.focus)) target->setFocus();
    if (changes.has(DegreesChanges::DegreeHint)) applyHint();
    if (changes.panelSelTransition && view.visible[static_cast<size_t>(DegreesControl::PanelSel)]) {
        const auto shape = *changes.panelSelTransition == TransitionKind::Radial
                               ? RollTransition::Shape::Radial
                               : RollTransition::Shape::Roll;
        RollTransition::Refill(PanelSel, leaving, shape, DegreesScreen::kTransitionMs, [this] {
            return model_->view().visible[static_cast<size_t>(DegreesControl::PanelSel)];
        });
    }
    if (changes.hideScreen) hide();
    applying_ = false;
    const DegreesChanges later = model_->takeChanges();
    if (later.any()) apply(later);
}

void TForm1::applyVisibility() {
    const DegreesView& view = model_->view();
    for (int i = 0; i < kDegreesControlCount; ++i) {
        QWidget* w = controls_[static_cast<size_t>(i)];
        if (w) w->setVisible(view.visible[static_cast<size_t>(i)]);
    }
    // The submenus and the name panel open over whatever lies below them.
    for (QWidget* w : {static_cast<QWidget*>(PanelMenu2), static_cast<QWidget*>(PanelMenu4),
                       static_cast<QWidget*>(PanelMapa)})
        if (w->isVisible()) w->raise();
}

void TForm1::applyCaptions() {
    const DegreesView& view = model_->view();
    setWindowTitle(view.windowTitle);
    for (int i = 0; i < kDegreesControlCount; ++i) {
        const auto which = static_cast<DegreesControl>(i);
        QWidget* w = controls_[static_cast<size_t>(i)];
        if (!w) continue;
        const QString& caption = view.caption[static_cast<size_t>(i)];
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            button->setText(caption);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            // The title bar and the map's name panel have texts of their own.
            if (which != DegreesControl::PanelSelTit && which != DegreesControl::PanelMapa)
                label->setText(caption);
            if (which == DegreesControl::labelCentro) ShrinkFontToFit(label);  // the school's name
        }
        w->setToolTip(view.hint[static_cast<size_t>(i)]);
    }
}

void TForm1::applyGroupingItems() {
    const DegreesView& view = model_->view();
    ComboAgru->clear();
    for (const QString& item : view.comboItems) ComboAgru->addItem(item);
    ComboAgru->setPlaceholderText(view.comboText);
    ComboAgru->setCurrentIndex(-1);
}

void TForm1::applyCursors() {
    // Every control's pointer is the model's, so that applying them never undoes another.
    const DegreesView& view = model_->view();
    for (int i = 0; i < kDegreesControlCount; ++i) {
        const auto which = static_cast<DegreesControl>(i);
        QWidget* w = controls_[static_cast<size_t>(i)];
        // The map sets its own pointer as it passes over the regions.
        if (!w || which == DegreesControl::mapa) continue;
        w->setCursor(ShapeOf(view.cursor[static_cast<size_t>(i)]));
    }
}

void TForm1::applyLayout() {
    const DegreesView& view = model_->view();
    PanelCarSel->setGeometry(Lowered(kPanelCarSel, view.detailLowered));
    PanelSelTit->setGeometry(Lowered(kPanelSelTit, view.detailLowered));
    PanelSel->setGeometry(Lowered(kPanelSel, view.detailLowered));
    QRect rich = GridNotas->geometry();
    switch (view.richSalidasPlace) {
        case RichSalidasPlace::Design:
            break;
        case RichSalidasPlace::AtMaster:
            rich.moveTop(LabelMaster->y());
            break;
        case RichSalidasPlace::BelowMaster2:
            // The masters text has the panel to itself: no detail button shows below it.
            rich.setTop(LabelMaster2->geometry().bottom() + 1 + 5);
            rich.setBottom(PanelSel->height() - 1 - rich.left());
            break;
    }
    RichSalidas->setGeometry(rich);
}

void TForm1::fillTree() {
    const DegreesView& view = model_->view();
    Tree->clear();
    std::vector<QTreeWidgetItem*> items;
    items.reserve(view.tree.size());
    for (size_t i = 0; i < view.tree.size(); ++i) {
        const TreeNode& node = view.tree[i];
        QTreeWidgetItem* parent = node.parent >= 0 && static_cast<size_t>(node.parent) < i
                                      ? items[static_cast<size_t>(node.parent)]
                                      : nullptr;
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(Tree);
        item->setText(0, node.text);
        item->setData(0, kNodeRole, static_cast<int>(i));
        item->setData(0, TreeNodes::kImageRole, node.image);
        item->setData(0, TreeNodes::kSelectedImageRole, node.selectedImage);
        item->setData(0, TreeNodes::kColourRole, ToQColor(node.colour));
        items.push_back(item);
    }
}

void TForm1::applyHint() {
    const DegreesView& view = model_->view();
    QWidget* rows = listgrados->viewport();
    rows->setToolTip(view.degreeHint);
    // The bubble stays up while the pointer stays on the same widget: a pretended leave and
    // enter cancel the shown hint, and the new one follows after the hint delay.
    QEvent leaveEvent(QEvent::Leave);
    QApplication::sendEvent(rows, &leaveEvent);
    if (!view.degreeHint.isEmpty() && rows->underMouse()) {
        QEnterEvent enterEvent(rows->mapFromGlobal(QCursor::pos()),
                               rows->mapFromGlobal(QCursor::pos()), QCursor::pos());
        QApplication::sendEvent(rows, &enterEvent);
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (model_->FormCloseQuery(platform_.shutdown)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintSectionFrame(p, platform_.pictures);
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    // Only the background's own moves: the children pass theirs on when they do not want them.
    if (ready_ && !childAt(event->position().toPoint())) model_->FormMouseMove();
    QWidget::mouseMoveEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (applying_ || !ready_) return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (watched == listgrados->viewport()) {
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int row = listgrados->rowAt(mouse->position().toPoint().y());
            if (type == QEvent::MouseMove)
                model_->listgradosMouseMove(row);
            else if (mouse->button() == Qt::LeftButton)
                model_->listgradosMouseUp(row);
        } else if (type == QEvent::Leave) {
            model_->listgradosMouseMove(-1);
        }
        return QWidget::eventFilter(watched, event);
    }
    if (watched == ListSel->viewport() && type == QEvent::MouseMove) {
        model_->ListSelMouseMove();
        return QWidget::eventFilter(watched, event);
    }
    if (watched == LabelMaster2 && type == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        LabelMaster2->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        model_->LabelMaster2MouseUp();
        return QWidget::eventFilter(watched, event);
    }
    if (watched == mapa && type == QEvent::MouseMove) {
        // The map's pixel (c, r) is cell (c + 1, r + 1) of the region grid.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        model_->mapaMouseMove(at.x() + 1, at.y() + 1);
        return QWidget::eventFilter(watched, event);
    }
    if (type == QEvent::MouseMove || type == QEvent::Enter) {
        // The menu entries and the submenu that open and close the submenus as the pointer
        // passes; the submenus' own buttons leave them as they are.
        using C = DegreesControl;
        for (const C which : {C::BotMenuInfo, C::PanelMenu2, C::BotMenuArtes, C::PanelMenu4,
                              C::BotMenuUni, C::BotMenuDobles, C::BotMenuDepor}) {
            if (watched != control(which)) continue;
            model_->MenuMouseMove(which);
            return type == QEvent::MouseMove;  // not passed on to the background
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
