#include "ui/vocational/certifiU.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "core/shared/section_back.h"
#include "core/vocational/vocational_tables.h"
#include "ui/guidance/help_panel_view.h"
#include "ui/shared/hand_over.h"
#include "ui/shared/look.h"
#include "ui/shared/model_cells.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/shadow_label.h"

namespace velmora {
namespace {

using C = CertControl;
using M = CertificatesScreen;

// The areas, then an area's families, on the left with the help under them; a family's
// certificates beside the family; a certificate's details at the bottom right.
constexpr int kLeft = 36;
constexpr int kRight = 484;
constexpr int kCaptionTop = M::kListTop - M::kCaptionHeight - 4;
constexpr QRect kAreas{kLeft, M::kListTop, M::kCaptionWidths[0],
                       VocationalTables::kCertificateAreas* M::kAreaRowHeight + 4};
constexpr QRect kHelp{kLeft, 430, 440, 218};
constexpr QRect kDetails{kRight, M::kCertificatesBottom + 6, M::kCaptionWidths[2], 136};
constexpr int kCaptionLabelTop = 6;
constexpr int kCaptionLabelWidth = 480;

QFrame* CaptionBar(QWidget* parent, const char* name, QRect at, QLabel*& label,
                   const char* labelName) {
    QFrame* bar = MakePanel(parent, name, at);
    Paint(bar, PaletteColour::LightYellow, PaletteColour::Navy);
    label = MakeLabel(bar, labelName, QRect(at.width(), kCaptionLabelTop, kCaptionLabelWidth, 20));
    label->setFont(ArialFont(11, true));
    Paint(label, PaletteColour::LightYellow, PaletteColour::Navy);
    return bar;
}

}  // namespace

TCertifica::TCertifica(CertificatesPlatform platform, QWidget* parent)
    : SectionScreen("TCertifica", platform.pictures, parent),
      platform_(std::move(platform)),
      model_(std::make_unique<CertificatesScreen>(platform_.enlace, platform_.printing,
                                                  platform_.opener)) {
    model_->FormCreate();
    createControls();
    controls_ = FindControls<C, kCertControlCount>(this, CertControlName);
    connectControls();
    setReady();
    CertificatesChanges everything;
    everything.parts = ~0u;
    model_->takeChanges();
    apply(everything);
}

TCertifica::~TCertifica() = default;

void TCertifica::createControls() {
    const CertificatesView& view = model_->view();
    auto list = [&](const char* name, QRect at, int rowHeight, const std::vector<Cell>& rows,
                    const PictureList& icons) {
        QListWidget* out = MakeList(this, name, at);
        out->setItemDelegate(new ModelCells(
            icons, [&rows](int row, int) { return CellOf(rows, row); }, rowHeight, out));
        out->setMouseTracking(true);
        out->viewport()->installEventFilter(this);
        return out;
    };
    PanelSelTit0 = CaptionBar(this, "PanelSelTit0",
                              {kLeft, kCaptionTop, M::kCaptionWidths[0], M::kCaptionHeight},
                              LabelTit1, "LabelTit1");
    ListSelFp = list("ListSelFp", kAreas, M::kAreaRowHeight, view.areaRows, ImageListIconos());
    ListSelFp->setFont(ArialFont(10, true));
    PanelSelTit1 = CaptionBar(this, "PanelSelTit1",
                              {kLeft, kCaptionTop, M::kCaptionWidths[1], M::kCaptionHeight},
                              LabelTit2, "LabelTit2");
    ListTitFP = list("ListTitFP", {kLeft, M::kListTop, M::kCaptionWidths[1], M::kRowHeight},
                     M::kRowHeight, view.familyRows, DegreesRowIcons());
    PanelSelTit2 = CaptionBar(this, "PanelSelTit2",
                              {kRight, kCaptionTop, M::kCaptionWidths[2], M::kCaptionHeight},
                              LabelTit3, "LabelTit3");
    ListFPExpli = list("ListFPExpli", {kRight, M::kListTop, M::kCaptionWidths[2], M::kRowHeight},
                       M::kRowHeight, view.certificateRows, DegreesRowIcons());
    for (QListWidget* small : {ListTitFP, ListFPExpli}) small->setFont(ArialFont(9));

    PanelResul = MakePanel(this, "PanelResul", kDetails);
    auto detail = [&](const char* name, QRect at, bool bold) {
        QLabel* label = MakeLabel(PanelResul, name, at);
        label->setFont(ArialFont(9, bold));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    LabelTitulo = detail("LabelTitulo", {8, 6, 500, 20}, true);
    LabelTitulo->setFont(ArialFont(10, true));
    LabelReq = detail("LabelReq", {8, 30, 170, 18}, true);
    LabelRequisitos = detail("LabelRequisitos", {180, 30, 328, 52}, false);
    LabelHor = detail("LabelHor", {8, 84, 170, 18}, true);
    LabelHoras = detail("LabelHoras", {180, 84, 100, 18}, false);
    LabelDes = detail("LabelDes", {8, 104, 500, 30}, false);

    LabelCentro = MakeHeading(this, "LabelCentro", {250, 52, 524, 46}, 22, Qt::AlignCenter);
    BotRetrocederFP = MakeButton(this, "BotRetrocederFP", {kLeft, 62, 130, 32});
    BotImprimir = MakeButton(this, "BotImprimir", {754, 62, 110, 32});
    BotInternet = MakeButton(this, "BotInternet", {870, 62, 130, 32});

    PanelAyuda = new HelpPanelView(model_->help(), this);
    PanelAyuda->setObjectName(QStringLiteral("PanelAyuda"));
    PanelAyuda->setGeometry(kHelp);

    TimerAyu = new QTimer(this);
    TimerAyu->setObjectName(QStringLiteral("TimerAyu"));
    TimerAyu->setInterval(M::kSlideInterval);
}

void TCertifica::connectControls() {
    auto click = [this](QPushButton* button, void (CertificatesScreen::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { act([this, handler] { (model_.get()->*handler)(); }); });
    };
    click(BotImprimir, &CertificatesScreen::BotImprimirClick);
    click(BotInternet, &CertificatesScreen::BotInternetMouseUp);
    connect(BotRetrocederFP, &QPushButton::clicked, this, [this] {
        std::optional<LeaveTo> where;
        act([&] { where = model_->BotRetrocederFPClick(); });
        if (where) leave(*where);
    });
    auto rowClick = [this](QListWidget* list, void (CertificatesScreen::*handler)(int)) {
        connect(list, &QListWidget::clicked, this, [this, handler](const QModelIndex& index) {
            act([&] { (model_.get()->*handler)(index.row()); });
        });
    };
    rowClick(ListSelFp, &CertificatesScreen::ListSelFpMouseUp);
    rowClick(ListTitFP, &CertificatesScreen::ListTitFPMouseUp);
    rowClick(ListFPExpli, &CertificatesScreen::ListFPExpliMouseUp);
    connect(PanelAyuda, &HelpPanelView::finished, this,
            [this] { act([this] { model_->helpFinished(); }); });
    connect(TimerAyu, &QTimer::timeout, this, [this] { act([this] { model_->tickSlide(); }); });
}

template <typename Handler>
void TCertifica::act(Handler&& handler) {
    handler();
    apply(model_->takeChanges());
}

void TCertifica::apply(const CertificatesChanges& changes) {
    const CertificatesView& view = model_->view();
    auto fill = [](QListWidget* list, const std::vector<Cell>& rows, int selected) {
        FillRows(list, rows);
        if (selected >= 0) {
            list->setCurrentRow(selected);
        } else {
            list->clearSelection();
        }
    };
    if (changes.has(CertificatesChanges::AreaRows))
        fill(ListSelFp, view.areaRows, view.areaSelected);
    if (changes.has(CertificatesChanges::FamilyRows))
        fill(ListTitFP, view.familyRows, view.familySelected);
    if (changes.has(CertificatesChanges::CertificateRows))
        fill(ListFPExpli, view.certificateRows, view.certificateSelected);
    if (changes.has(CertificatesChanges::Places)) {
        ListTitFP->resize(ListTitFP->width(), view.familyListHeight);
        ListFPExpli->setGeometry(kRight, view.certificateListTop, ListFPExpli->width(),
                                 view.certificateListHeight);
        PanelSelTit2->move(kRight, view.certificateCaptionTop);
        const std::array<QLabel*, 3> captions = {LabelTit1, LabelTit2, LabelTit3};
        for (size_t k = 0; k < captions.size(); ++k)
            captions[k]->move(view.captionLefts[k], kCaptionLabelTop);
        if (view.sliding && !TimerAyu->isActive()) TimerAyu->start();
        if (!view.sliding && TimerAyu->isActive()) TimerAyu->stop();
    }
    if (changes.has(CertificatesChanges::Controls)) {
        setWindowTitle(view.windowTitle);
        ApplyControls(controls_, view.controls);
    }
    if (changes.has(CertificatesChanges::Help)) PanelAyuda->refresh();
}

void TCertifica::leave(LeaveTo where) {
    HandOver(this, ScreenOf(where), platform_.screen);
}

void TCertifica::showEvent(QShowEvent* event) {
    SectionScreen::showEvent(event);
    if (!event->spontaneous()) act([this] { model_->FormActivate(); });
}

void TCertifica::closeEvent(QCloseEvent* event) {
    // Closing asks nothing: the screen is left as its way back leaves it.
    event->ignore();
    LeaveTo where = LeaveTo::MainMenu;
    act([&] { where = model_->FormClose(); });
    leave(where);
}

bool TCertifica::eventFilter(QObject* watched, QEvent* event) {
    if (ready() && event->type() == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (watched == ListSelFp->viewport())
            act([&] { model_->ListSelFpMouseMove(ListSelFp->indexAt(at).row()); });
        if (watched == ListTitFP->viewport())
            act([&] { model_->ListTitFPMouseMove(ListTitFP->indexAt(at).row()); });
    }
    return SectionScreen::eventFilter(watched, event);
}

}  // namespace velmora
