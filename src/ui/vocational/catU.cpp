#include "ui/vocational/catU.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include "core/shared/section_back.h"
#include "ui/shared/hand_over.h"
#include "ui/shared/look.h"
#include "ui/shared/model_cells.h"
#include "ui/shared/rich_text_box.h"
#include "ui/shared/roll_transition.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/shadow_label.h"

namespace velmora {
namespace {

using C = CatControl;
using L = CatalogueList;
using M = CatalogueScreen;

// The families on the left; the degrees, GS and GM titles in a row at the top, the basic titles
// and the certificates in a row under them. The details panel stands 10 pixels right of the
// families, under the top row or above the bottom one, beside the list clicked.
constexpr QRect kFamilies{36, 144, 300, 588};
constexpr int kListsLeft = kFamilies.x() + kFamilies.width() + 10;
constexpr int kTopRow = 144;
constexpr int kTopHeight = 260;
constexpr int kBottomRow = 434;
constexpr int kBottomHeight = 298;
constexpr int kLabelHeight = 20;
constexpr int kTopWidth = 214;
constexpr int kBottomWidth = 324;
constexpr int kGap = 6;
constexpr std::array<QRect, kCatalogueLists> kLists = {
    QRect(kListsLeft, kTopRow, kTopWidth, kTopHeight),
    QRect(kListsLeft + kTopWidth + kGap, kTopRow, kTopWidth, kTopHeight),
    QRect(kListsLeft + 2 * (kTopWidth + kGap), kTopRow, kTopWidth, kTopHeight),
    QRect(kListsLeft, kBottomRow, kBottomWidth, kBottomHeight),
    QRect(kListsLeft + kBottomWidth + kGap, kBottomRow, kBottomWidth, kBottomHeight)};
constexpr QSize kPanel{440, 290};
constexpr int kFamilyRowHeight = 30;
constexpr int kEntryRowHeight = 14;

}  // namespace

TFormCat::TFormCat(CataloguePlatform platform, QWidget* parent)
    : SectionScreen("TFormCat", platform.pictures, parent),
      platform_(std::move(platform)),
      model_(std::make_unique<CatalogueScreen>(platform_.enlace, platform_.printing)) {
    model_->FormCreate();
    createControls();
    controls_ = FindControls<C, kCatControlCount>(this, CatControlName);
    connectControls();
    setReady();
    CatalogueChanges everything;
    everything.parts = ~0u & ~static_cast<unsigned>(CatalogueChanges::PanelClosed) &
                       ~static_cast<unsigned>(CatalogueChanges::Details);
    model_->takeChanges();
    apply(everything);
}

TFormCat::~TFormCat() = default;

void TFormCat::createControls() {
    const CatalogueView& view = model_->view();
    LabelFami = MakeHeading(this, "LabelFami", {kFamilies.x(), kTopRow - 26, 300, 26}, 13,
                            Qt::AlignLeft | Qt::AlignVCenter);
    ListFam = MakeModelList(this, "ListFam", kFamilies, kFamilyRowHeight, view.familyRows, 9, true);
    ListFam->setFont(ArialFont(9, true));
    const char* listNames[] = {"ListCat1", "ListCat2", "ListCat3", "ListCat4", "ListCat5"};
    const char* labelNames[] = {"Label1", "Label2", "Label3", "Label4", "Label5"};
    for (size_t k = 0; k < lists_.size(); ++k) {
        const QRect at = kLists[k];
        QLabel* label = MakeLabel(this, labelNames[k],
                                  {at.x(), at.y() - kLabelHeight, at.width(), kLabelHeight});
        label->setFont(ArialFont(10, true));
        Paint(label, PaletteColour::LightYellow, PaletteColour::Navy);
        lists_[k] = MakeModelList(this, listNames[k], at, kEntryRowHeight, view.lists[k], 8, true);
    }

    panelsel = MakePanel(this, "panelsel", {QPoint(kListsLeft, kTopRow), kPanel});
    Paint(panelsel, PaletteColour::PaleBlue, PaletteColour::Navy);
    ListSel =
        MakeRichBox(panelsel, "ListSel", {6, 6, kPanel.width() - 12, kPanel.height() - 46}, 9);
    botcerrar =
        MakeButton(panelsel, "botcerrar", {kPanel.width() - 106, kPanel.height() - 36, 100, 30});
    panelsel->hide();

    // Under the buttons, sliding in from the right.
    LabelAyu0 = MakeLabel(this, "LabelAyu0", {M::kHelpStart, 96, 640, 22});
    LabelAyu0->setFont(ArialFont(11, true));
    Paint(LabelAyu0, PaletteColour::LightYellow, PaletteColour::Navy);
    LabelAyu0->setAlignment(Qt::AlignCenter);

    BotRetroceder = MakeButton(this, "BotRetroceder", {36, 62, 130, 32});
    BotImprimir = MakeButton(this, "BotImprimir", {870, 62, 130, 32});

    TimerAyu = new QTimer(this);
    TimerAyu->setObjectName(QStringLiteral("TimerAyu"));
    TimerAyu->setInterval(M::kSlideInterval);
}

void TFormCat::connectControls() {
    connect(ListFam, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { act([&] { model_->ListFamClick(index.row()); }); });
    for (size_t k = 0; k < lists_.size(); ++k) {
        connect(lists_[k], &QListWidget::clicked, this, [this, k](const QModelIndex& index) {
            act([&] { model_->ListCatClick(static_cast<L>(k), index.row()); });
        });
    }
    connect(botcerrar, &QPushButton::clicked, this,
            [this] { act([this] { model_->botcerrarClick(); }); });
    connect(BotImprimir, &QPushButton::clicked, this,
            [this] { act([this] { model_->BotImprimirMouseUp(); }); });
    connect(BotRetroceder, &QPushButton::clicked, this, [this] {
        LeaveTo where = LeaveTo::MainMenu;
        act([&] { where = model_->BotRetrocederMouseUp(); });
        leave(where);
    });
    connect(TimerAyu, &QTimer::timeout, this, [this] { act([this] { model_->tickSlide(); }); });
}

template <typename Handler>
void TFormCat::act(Handler&& handler) {
    handler();
    apply(model_->takeChanges());
}

void TFormCat::apply(const CatalogueChanges& changes) {
    const CatalogueView& view = model_->view();
    // What the panel showed leaves behind the transition: grab it before the new details.
    QPixmap leaving;
    if (changes.has(CatalogueChanges::Details) && panelsel->isVisible() &&
        RollTransition::Duration() > 0)
        leaving = panelsel->grab();
    if (changes.has(CatalogueChanges::FamilyRows)) {
        FillRows(ListFam, view.familyRows);
        if (view.familySelected >= 0) ListFam->setCurrentRow(view.familySelected);
    }
    if (changes.has(CatalogueChanges::Lists)) {
        for (size_t k = 0; k < lists_.size(); ++k) {
            FillRows(lists_[k], view.lists[k]);
            // The lists are narrow: the whole text of an entry is its hint.
            for (int r = 0; r < lists_[k]->count(); ++r)
                lists_[k]->item(r)->setToolTip(lists_[k]->item(r)->text());
        }
    }
    if (changes.has(CatalogueChanges::Places)) {
        LabelAyu0->move(view.helpLeft, LabelAyu0->y());
        if (view.sliding && !TimerAyu->isActive()) TimerAyu->start();
        if (!view.sliding && TimerAyu->isActive()) TimerAyu->stop();
    }
    if (changes.has(CatalogueChanges::Controls)) {
        setWindowTitle(view.windowTitle);
        ApplyControls<C, kCatControlCount>(controls_, view.controls, {},
                                           [](C c) { return c == C::panelsel; });
    }
    if (changes.has(CatalogueChanges::PanelClosed) && panelsel->isVisible())
        RollTransition::Close(panelsel);
    if (changes.has(CatalogueChanges::Details)) {
        const QRect list = kLists[static_cast<size_t>(view.detailsOf)];
        const bool under = list.y() == kTopRow;
        // Above the bottom row it leaves the lists' captions in sight.
        panelsel->move(kListsLeft,
                       under ? list.bottom() + 3 : list.top() - kLabelHeight - 2 - kPanel.height());
        ShowRichText(ListSel, view.details);
        panelsel->raise();
        RollTransition::Refill(panelsel, leaving, RollTransition::Shape::Roll, M::kTransitionMs,
                               [this] { return model_->view().controls.isVisible(C::panelsel); });
    }
}

void TFormCat::leave(LeaveTo where) {
    HandOver(this, ScreenOf(where), platform_.screen);
}

void TFormCat::showEvent(QShowEvent* event) {
    SectionScreen::showEvent(event);
    if (!event->spontaneous()) act([this] { model_->FormActivate(); });
}

void TFormCat::closeEvent(QCloseEvent* event) {
    // Closing asks nothing: the screen is left as its way back leaves it.
    event->ignore();
    LeaveTo where = LeaveTo::MainMenu;
    act([&] { where = model_->BotRetrocederMouseUp(); });
    leave(where);
}

void TFormCat::mousePressEvent(QMouseEvent* event) {
    // A click on the background puts the details away.
    act([this] { model_->botcerrarClick(); });
    SectionScreen::mousePressEvent(event);
}

}  // namespace velmora
