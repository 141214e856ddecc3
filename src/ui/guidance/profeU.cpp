#include "ui/guidance/profeU.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "core/shared/display_mode.h"
#include "core/shared/section_back.h"
#include "core/shared/enlace.h"
#include "ui/shared/hand_over.h"
#include "ui/shared/look.h"
#include "ui/shared/model_cells.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/screen_parts.h"

namespace velmora {
namespace {

using C = ProfessionsControl;
using P = ProfessionsScreen;

// Where the screen's controls sit on its 1024 x 768 client area.
constexpr QRect kListCues{40, 64, 944, 574};
constexpr int kFraseLeft = 192;
constexpr int kFraseWidth = 640;
constexpr QRect kPanelSelTit0{112, 64, P::kTitleBarWidth, 40};
constexpr QRect kListSel{112, 108, P::kTitleBarWidth, 530};
constexpr QRect kPanelResul{30, 58, 964, 590};
constexpr int kResultColumn = 500;  // the right column of the result panel
// Beside the activities, below their title (which runs across the panel).
constexpr QRect kListResProf{kPanelResul.left() + kResultColumn, kPanelResul.top() + 70, 444, 96};
constexpr int kSelRowHeight = 26;

QLabel* MakeTitle(QWidget* parent, const char* name, QRect geometry, int points) {
    QLabel* label = MakeLabel(parent, name, geometry);
    label->setFont(ArialFont(points, true));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, ToQColor(PaletteColour::Navy));
    label->setPalette(colours);
    return label;
}

// The row (from 1) under a point of a list's viewport; 0 outside the rows.
int RowAt(QListWidget* list, QPoint at) {
    const QModelIndex index = list->indexAt(at);
    return index.isValid() ? index.row() + 1 : 0;
}

}  // namespace

Tprofe::Tprofe(ProfessionsPlatform platform, QWidget* parent)
    : SectionScreen("Tprofe", platform.pictures, parent),
      platform_(std::move(platform)),
      output_(std::make_unique<QuestionnaireOutput>(platform_.enlace, platform_.notice,
                                                    platform_.printing, platform_.saveDialog)),
      model_(std::make_unique<ProfessionsScreen>(platform_.enlace, *output_)) {
    model_->FormCreate();
    createControls();
    createResults();
    controls_ = FindControls<C, kProfessionsControlCount>(this, ProfessionsControlName);
    const char* const timerNames[] = {"TimerFrase", "TimerTit0", "TimerTitulos"};
    const int intervals[] = {1, 50, 50};
    for (size_t k = 0; k < timers_.size(); ++k) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(timerNames[k]));
        t->setInterval(intervals[k]);
        const auto which = static_cast<ProfessionsTimer>(k);
        connect(t, &QTimer::timeout, this, [this, which] { tick(which); });
        timers_[k] = t;
    }
    connectControls();
    setReady();
    ProfessionsChanges everything;
    everything.parts = ~0u;
    model_->takeChanges();
    apply(everything);
}

Tprofe::~Tprofe() = default;

void Tprofe::createControls() {
    const ProfessionsView& view = model_->view();
    ListCues = MakeModelList(this, "ListCues", kListCues, P::kStatementRowHeight,
                             view.statementRows, 11, false);

    PanelFrase = MakePanel(this, "PanelFrase",
                           QRect(kFraseLeft, P::kFraseHomeTop, kFraseWidth, P::kFraseHomeHeight));
    LabelFrase0 = MakeTitle(PanelFrase, "LabelFrase0", QRect(20, 14, 600, 28), 14);
    imageIcono = MakeLabel(PanelFrase, "imageIcono", QRect(20, 56, 60, 60));
    LabelFrase = MakeLabel(PanelFrase, "LabelFrase", QRect(96, 50, 524, 112));
    LabelFrase->setFont(ArialFont(12));
    LabelFrase->setWordWrap(true);
    LabelFrase->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    BotSi = MakeButton(PanelFrase, "BotSi", QRect(196, 170, 110, 36));
    BotNo = MakeButton(PanelFrase, "BotNo", QRect(334, 170, 110, 36));

    BotFraRet = MakeButton(this, "BotFraRet", QRect(412, 650, 90, 44));
    BotFraRet->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    BotFraSig = MakeButton(this, "BotFraSig", QRect(522, 650, 90, 44));
    BotFraSig->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    for (QPushButton* arrow : {BotFraRet, BotFraSig}) arrow->setIconSize(QSize(28, 28));

    PanelSelTit0 = MakePanel(this, "PanelSelTit0", kPanelSelTit0);
    LabelTit0 = MakeTitle(PanelSelTit0, "LabelTit0", QRect(0, 8, 700, 24), 13);
    ListSel = MakeModelList(this, "ListSel", kListSel, kSelRowHeight, view.phraseRows, 12, false);

    BotImp = MakeButton(this, "BotImp", QRect(40, 660, 150, 40));
    BotAcabar = MakeButton(this, "BotAcabar", QRect(834, 660, 150, 40));
}

void Tprofe::createResults() {
    const ProfessionsView& view = model_->view();
    PanelResul = MakePanel(this, "PanelResul", kPanelResul);
    PanelResul->setMouseTracking(true);
    PanelResul->installEventFilter(this);
    LabelTitulo = MakeTitle(PanelResul, "LabelTitulo", QRect(0, 8, kPanelResul.width(), 30), 16);
    LabelTitulo->setAlignment(Qt::AlignCenter);
    LabelActi = MakeTitle(PanelResul, "LabelActi", QRect(P::kTitlesStart, 44, 900, 22), 11);
    const int rows = 3 * P::kResultRowHeight + 4;
    ListResulAct = MakeModelList(PanelResul, "ListResulAct", QRect(20, 70, 460, rows),
                                 P::kResultRowHeight, view.activityRows, 11, true);
    LabelTit1 = MakeTitle(PanelResul, "LabelTit1", QRect(P::kTitlesStart, 170, 460, 22), 11);
    LabelTitExpli = MakeLabel(PanelResul, "LabelTitExpli", QRect(20, 194, 460, 40));
    LabelTitExpli->setFont(ArialFont(9));
    LabelTitExpli->setWordWrap(true);
    ListResulProf = MakeModelList(PanelResul, "ListResulProf", QRect(20, 238, 460, 4),
                                  P::kResultRowHeight, view.professionRows, 11, true);
    Labeltit2 = MakeTitle(PanelResul, "Labeltit2", QRect(kResultColumn, 170, 444, 22), 11);
    LabelTit3 = MakeTitle(PanelResul, "LabelTit3", QRect(kResultColumn, 196, 444, 22), 11);
    QPalette maroon = LabelTit3->palette();
    maroon.setColor(QPalette::WindowText, ToQColor(PaletteColour::Maroon));
    LabelTit3->setPalette(maroon);
    ListTit = MakeModelList(PanelResul, "ListTit", QRect(kResultColumn, 222, 444, 350), 20,
                            view.studyRows, 10, false);
    ListResProf = MakeModelList(this, "ListResProf", kListResProf, 20, view.activityProfessionRows,
                                10, false);
    for (QListWidget* list : {ListResulAct, ListResulProf}) {
        list->setMouseTracking(true);
        list->viewport()->installEventFilter(this);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
}

void Tprofe::connectControls() {
    auto click = [this](QPushButton* button, void (ProfessionsScreen::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { act([this, handler] { (model_.get()->*handler)(); }); });
    };
    click(BotSi, &ProfessionsScreen::BotSiClick);
    click(BotNo, &ProfessionsScreen::BotNoClick);
    click(BotFraSig, &ProfessionsScreen::BotFraSigClick);
    click(BotFraRet, &ProfessionsScreen::BotFraRetClick);
    click(BotImp, &ProfessionsScreen::BotImpClick);
    connect(BotAcabar, &QPushButton::clicked, this, [this] { leave(false); });
    connect(ListTit, &QListWidget::clicked, this, [this] { leave(true); });
    connect(ListCues, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { act([&] { model_->ListCuesClick(index.row()); }); });
    connect(ListSel, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { act([&] { model_->ListSelClick(index.row()); }); });
}

void Tprofe::tick(ProfessionsTimer which) {
    act([&] { model_->tick(which); });
}

void Tprofe::BotCuestioClick() {
    act([this] { model_->BotCuestioClick(); });
    ListCues->scrollToTop();
}

template <typename Handler>
void Tprofe::act(Handler&& handler) {
    handler();
    apply(model_->takeChanges());
}

void Tprofe::apply(const ProfessionsChanges& changes) {
    const ProfessionsView& view = model_->view();
    if (changes.has(ProfessionsChanges::StatementRows)) FillRows(ListCues, view.statementRows);
    if (changes.has(ProfessionsChanges::StatementIcon)) {
        const QImage icon = ImageListIconos().at(view.statementIcon);
        imageIcono->setPixmap(icon.isNull() ? QPixmap()
                                            : QPixmap::fromImage(icon.scaled(imageIcono->size())));
    }
    if (changes.has(ProfessionsChanges::Frase))
        PanelFrase->setGeometry(kFraseLeft, view.fraseTop, kFraseWidth, view.fraseHeight);
    if (changes.has(ProfessionsChanges::PhraseRows)) {
        FillRows(ListSel, view.phraseRows);
        ListSel->scrollToTop();
    }
    if (changes.has(ProfessionsChanges::Titles)) {
        LabelTit0->move(view.tit0Left, LabelTit0->y());
        LabelTit1->move(view.tit1Left, LabelTit1->y());
        LabelActi->move(view.actiLeft, LabelActi->y());
    }
    if (changes.has(ProfessionsChanges::ResultRows)) {
        FillRows(ListResulAct, view.activityRows);
        FillRows(ListResulProf, view.professionRows);
        // As high as its rows, within the panel.
        const int height = static_cast<int>(view.professionRows.size()) * P::kResultRowHeight + 4;
        ListResulProf->resize(ListResulProf->width(),
                              std::min(height, PanelResul->height() - ListResulProf->y() - 8));
    }
    if (changes.has(ProfessionsChanges::StudyRows)) FillRows(ListTit, view.studyRows);
    if (changes.has(ProfessionsChanges::ActivityProfessionRows))
        FillRows(ListResProf, view.activityProfessionRows);
    if (changes.has(ProfessionsChanges::Selection) || changes.has(ProfessionsChanges::ResultRows))
        applySelection();
    if (changes.has(ProfessionsChanges::Controls)) applyControls();
    if (changes.has(ProfessionsChanges::Timers)) {
        for (size_t k = 0; k < timers_.size(); ++k) {
            const bool run = view.timers[k];
            if (run && !timers_[k]->isActive()) timers_[k]->start();
            if (!run) timers_[k]->stop();
        }
    }
    if (changes.focus)
        if (QWidget* target = control(*changes.focus)) target->setFocus();
}

void Tprofe::applySelection() {
    const ProfessionsView& view = model_->view();
    ListResulAct->setCurrentRow(view.activitySelected);
    ListResulProf->setCurrentRow(view.professionSelected);
}

void Tprofe::applyControls() {
    setWindowTitle(model_->view().windowTitle);
    ApplyControls(controls_, model_->view().controls,
                  std::function<bool(C)>([](C which) { return which == C::imageIcono; }));
    // The lists that open over others come to the front.
    for (QWidget* w : {static_cast<QWidget*>(PanelFrase), static_cast<QWidget*>(ListResProf)})
        if (w->isVisible()) w->raise();
}

void Tprofe::leave(bool fromStudies) {
    std::optional<LeaveTo> where;
    act([&] { where = model_->BotAcabarClick(fromStudies); });
    if (where) HandOver(this, ScreenOf(*where), platform_.screen);
}

void Tprofe::closeEvent(QCloseEvent* event) {
    // Closing the window is leaving: the screen hides itself when the student confirms.
    event->ignore();
    leave(false);
}

void Tprofe::backgroundMouseMove() {
    act([this] { model_->FormMouseMove(); });
}

bool Tprofe::eventFilter(QObject* watched, QEvent* event) {
    if (!ready()) return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    const bool move = type == QEvent::MouseMove;
    if (watched == ListResulAct->viewport()) {
        const int row = RowAt(ListResulAct, at);
        act([&] { move ? model_->ListResulActMouseMove(row) : model_->ListResulActMouseUp(row); });
        // The model says which row is selected, whatever the list made of the click.
        applySelection();
        return move ? QWidget::eventFilter(watched, event) : true;
    }
    if (watched == ListResulProf->viewport()) {
        const int row = RowAt(ListResulProf, at);
        act([&] {
            move ? model_->ListResulProfMouseMove(row) : model_->ListResulProfMouseUp(row);
        });
        applySelection();
        return move ? QWidget::eventFilter(watched, event) : true;
    }
    if (watched == PanelResul && move) act([this] { model_->PanelResulMouseMove(); });
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
