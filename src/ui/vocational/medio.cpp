#include "ui/vocational/medio.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include "core/guidance/questionnaire_output.h"
#include "core/shared/enlace.h"
#include "ui/shared/hand_over.h"
#include "ui/shared/look.h"
#include "ui/shared/model_cells.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/section_screen.h"
#include "ui/shared/shadow_label.h"

namespace velmora {
namespace {

using C = LevelControl;

constexpr QSize kStartButton{250, 50};

// The questionnaire view's small title list stands 60 pixels below the map, its caption 30
// pixels above it; its arrows and buttons under the lists.
constexpr int kSmallListTop = 192 + 262 + 60;
constexpr QRect kListPeque{50, kSmallListTop, 420,
                           9 * IntermediateQuestionnaire::kSmallRowHeight + 4};
constexpr QRect kLabelPeque{70, kSmallListTop - 30, 400, 24};
constexpr int kQuestionnaireButtonsTop = 664;
constexpr QRect kBitFleGMiz{36, kQuestionnaireButtonsTop, 52, 40};
constexpr QRect kBitFleGMde{96, kQuestionnaireButtonsTop, 52, 40};
constexpr QRect kBotImprimirCuesGM{160, kQuestionnaireButtonsTop, 150, 40};
constexpr QRect kBotSalirCues{318, kQuestionnaireButtonsTop, 130, 40};
constexpr QRect kRequirements{36, 470, 240, 34};
constexpr int kInfoGap = 40;

}  // namespace

TForm3::TForm3(LevelPlatform platform, QWidget* parent)
    : LevelScreenWidget(
          platform,
          std::make_unique<IntermediateScreen>(platform.enlace, platform.printing, platform.sound),
          parent),
      intermediate_(static_cast<IntermediateScreen*>(LevelScreenWidget::model_.get())),
      output_(std::make_unique<QuestionnaireOutput>(platform_.enlace, platform_.notice,
                                                    platform_.printing, platform_.saveDialog)),
      questionnaire_(std::make_unique<IntermediateQuestionnaire>(*intermediate_, platform_.enlace,
                                                                 *output_, platform_.sound)) {
    questionnaire_->setSmallListTop(kSmallListTop);
    FormCreate();
}

TForm3::~TForm3() {
    // The questionnaire view goes first: the screen's model must not reach it any more.
    model_->setOnChange({});
    intermediate_->setQuestionnaireView(nullptr);
    intermediate_->setCentresListener(nullptr);
}

void TForm3::FormCreate() {
    setObjectName(QStringLiteral("TForm3"));
    // The family groups and every caption first: the lists are made of them.
    intermediate_->FormCreate();
    createSharedControls(LevelLayout{});

    auto startButton = [&](const char* name, int button) {
        auto* b = MakeButton(this, name, QRect(HelicopterIntro::Place(button), kStartButton));
        b->setFont(ArialFont(12, true));
        return b;
    };
    botTit2 = startButton("botTit2", HelicopterIntro::Titles);
    botLug2 = startButton("botLug2", HelicopterIntro::Places);
    botSalir = startButton("botSalir", HelicopterIntro::Exit);
    BotRequisitos = MakeButton(this, "BotRequisitos", kRequirements);
    BotPuesto = MakeButton(this, "BotPuesto", kRequirements.translated(0, kInfoGap));
    botAsig = MakeButton(this, "botAsig", kRequirements.translated(0, 2 * kInfoGap));

    LabelFP1 = MakeHeading(this, "LabelFP1", {330, 54, 364, 44}, 22, Qt::AlignCenter);
    LabelAno =
        MakeHeading(this, "LabelAno", {700, 60, 290, 36}, 15, Qt::AlignRight | Qt::AlignVCenter);
    LabelFPGM = MakeHeading(this, "LabelFPGM", {24, 716, 976, 30}, 15, Qt::AlignCenter);

    // The questionnaire view's help line and helicopter.
    LabAyuGM = MakeLabel(this, "LabAyuGM", {36, 104, 440, 24});
    LabAyuGM->setFont(ArialFont(10, true));
    HeliPeque = new QLabel(this);
    HeliPeque->setObjectName(QStringLiteral("HeliPeque"));
    HeliPeque->setPixmap(QPixmap::fromImage(SmallHelicopter()));
    HeliPeque->setGeometry(36, 54, 48, 48);

    createQuestionnaireControls();

    heli = new QTimer(this);
    heli->setObjectName(QStringLiteral("heli"));
    heli->setInterval(HelicopterIntro::kHeliInterval);
    piloto = new QTimer(this);
    piloto->setObjectName(QStringLiteral("piloto"));
    piloto->setInterval(HelicopterIntro::kPilotoInterval);

    finishCreation();
    QuestionnaireChanges everything;
    everything.parts = ~0u;
    questionnaire_->takeChanges();
    applyQuestionnaire(everything);
    ShrinkFontToFit(LabelFPGM);  // the school's name
}

void TForm3::createQuestionnaireControls() {
    const QuestionnaireViewState& view = questionnaire_->view();
    using IQ = IntermediateQuestionnaire;
    ListGM = MakeList(this, "ListGM", IQ::kTitleList);
    ListGM->setFont(ArialFont(10, true));
    ListGM->setSelectionMode(QAbstractItemView::NoSelection);
    ListGM2 =
        MakeModelList(this, "ListGM2", IQ::kItemList, IQ::kItemRowHeight, view.itemRows, 10, false);
    ListPeque = MakeList(this, "ListPeque", kListPeque);
    ListPeque->setFont(ArialFont(9));
    ListPeque->setItemDelegate(new ModelCells(
        DegreesRowIcons(), [&view](int row, int) { return CellOf(view.smallRows, row); },
        IQ::kSmallRowHeight, ListPeque));
    LabelPeque = MakeLabel(this, "LabelPeque", kLabelPeque);
    LabelPeque->setFont(ArialFont(10, true));
    Paint(LabelPeque, PaletteColour::PaleBlue, PaletteColour::Navy);
    BitFleGMiz = MakeButton(this, "BitFleGMiz", kBitFleGMiz);
    BitFleGMiz->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    BitFleGMde = MakeButton(this, "BitFleGMde", kBitFleGMde);
    BitFleGMde->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    for (QPushButton* arrow : {BitFleGMiz, BitFleGMde}) arrow->setIconSize(QSize(28, 28));
    BotImprimirCuesGM = MakeButton(this, "BotImprimirCuesGM", kBotImprimirCuesGM);
    BotSalirCues = MakeButton(this, "BotSalirCues", kBotSalirCues);
    TimerAyu = new QTimer(this);
    TimerAyu->setObjectName(QStringLiteral("TimerAyu"));
    TimerReduce = new QTimer(this);
    TimerReduce->setObjectName(QStringLiteral("TimerReduce"));
    for (QTimer* timer : {TimerAyu, TimerReduce}) timer->setInterval(IQ::kTimerMs);
    questionnaireControls_ = FindControls<QuestionnaireControl, kQuestionnaireControlCount>(
        this, QuestionnaireControlName);
}

void TForm3::connectOwn() {
    IntermediateScreen* m = intermediate_;
    auto click = [this](QPushButton* button, auto handler) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    click(botTit2, [m] { m->botTit2Click(); });
    click(botLug2, [m] { m->botLug2Click(); });
    click(botSalir, [this, m] { leave(m->botSalirClick()); });
    click(BotRequisitos, [m] { m->BotRequisitosClick(); });
    click(BotPuesto, [m] { m->BotPuestoClick(); });
    click(botAsig, [m] { m->botAsigClick(); });
    connect(heli, &QTimer::timeout, this, [m] { m->tick(HelicopterIntro::Timer::Heli); });
    connect(piloto, &QTimer::timeout, this, [m] { m->tick(HelicopterIntro::Timer::Piloto); });

    IntermediateQuestionnaire* q = questionnaire_.get();
    auto rowClick = [this](QListWidget* list, auto handler) {
        connect(list, &QListWidget::clicked, this,
                [handler](const QModelIndex& index) { handler(index.row()); });
    };
    rowClick(ListGM, [q](int row) { q->ListGMClick(row); });
    rowClick(ListGM2, [q](int row) { q->ListGM2Click(row); });
    rowClick(ListPeque, [q](int row) { q->ListPequeClick(row); });
    click(BitFleGMde, [q] { q->BitFleGMdeClick(); });
    click(BitFleGMiz, [q] { q->BitFleGMizClick(); });
    click(BotImprimirCuesGM, [q] { q->BotImprimirCuesGMClick(); });
    click(BotSalirCues, [this, q] {
        const std::string_view to = q->BotSalirCuesClick();
        if (to.empty()) {
            hide();
        } else {
            HandOver(this, to, platform_.screen);
        }
    });
    connect(TimerAyu, &QTimer::timeout, this, [q] { q->tick(QuestionnaireTimer::Ayu); });
    connect(TimerReduce, &QTimer::timeout, this, [q] { q->tick(QuestionnaireTimer::Reduce); });
}

void TForm3::applyOwn() {
    const HelicopterIntro& intro = intermediate_->intro();
    const std::array<QPushButton*, HelicopterIntro::kButtons> buttons = {botTit2, botLug2,
                                                                         botSalir};
    for (size_t b = 0; b < buttons.size(); ++b) buttons[b]->move(intro.picture().buttonAt[b]);
    const std::array<std::pair<QTimer*, HelicopterIntro::Timer>, 2> timers = {
        {{heli, HelicopterIntro::Timer::Heli}, {piloto, HelicopterIntro::Timer::Piloto}}};
    for (const auto& [timer, which] : timers) {
        if (intro.running(which) && !timer->isActive()) timer->start();
        if (!intro.running(which) && timer->isActive()) timer->stop();
    }
    const QuestionnaireChanges changes = questionnaire_->takeChanges();
    if (changes.any()) applyQuestionnaire(changes);
    update();
}

void TForm3::applyQuestionnaire(const QuestionnaireChanges& changes) {
    const QuestionnaireViewState& view = questionnaire_->view();
    if (changes.has(QuestionnaireChanges::ListRows)) {
        // The areas with the main menu's icons in rows of 30, or the titles with the title icon.
        const PictureList& icons = view.listShowsTitles ? DegreesRowIcons() : ImageListIconos();
        ListGM->setItemDelegate(new ModelCells(
            icons, [&view](int row, int) { return CellOf(view.listRows, row); },
            IntermediateQuestionnaire::kAreaRowHeight, ListGM));
        FillRows(ListGM, view.listRows);
    }
    if (changes.has(QuestionnaireChanges::ItemRows)) {
        const int top = ListGM2->verticalScrollBar()->value();
        FillRows(ListGM2, view.itemRows);
        ListGM2->verticalScrollBar()->setValue(top);
    }
    if (changes.has(QuestionnaireChanges::SmallRows)) FillRows(ListPeque, view.smallRows);
    if (changes.has(QuestionnaireChanges::Places)) {
        ListGM->setGeometry(view.list);
        LabAyuGM->setGeometry(view.helpLine);
        HeliPeque->move(view.helicopter);
    }
    if (changes.has(QuestionnaireChanges::Controls))
        ApplyControls(questionnaireControls_, view.controls);
    const std::array<std::pair<QTimer*, QuestionnaireTimer>, 2> timers = {
        {{TimerAyu, QuestionnaireTimer::Ayu}, {TimerReduce, QuestionnaireTimer::Reduce}}};
    for (const auto& [timer, which] : timers) {
        const bool on = view.timers[static_cast<size_t>(which)];
        if (on && !timer->isActive()) timer->start();
        if (!on && timer->isActive()) timer->stop();
    }
    for (QWidget* w : {static_cast<QWidget*>(ListGM), static_cast<QWidget*>(HeliPeque)})
        if (w->isVisible()) w->raise();
}

void TForm3::showEvent(QShowEvent* event) {
    LevelScreenWidget::showEvent(event);
    intermediate_->FormActivate();
}

void TForm3::paintEvent(QPaintEvent* event) {
    LevelScreenWidget::paintEvent(event);
    QPainter painter(this);
    drawIntro(painter);
}

void TForm3::drawIntro(QPainter& painter) const {
    const HelicopterIntro::Picture& picture = intermediate_->intro().picture();
    // The helicopter carries the flying button from above.
    if (picture.flying >= 0) {
        const std::array<const QPushButton*, HelicopterIntro::kButtons> buttons = {botTit2, botLug2,
                                                                                   botSalir};
        const QRect button = buttons[static_cast<size_t>(picture.flying)]->geometry();
        const QImage& helicopter = SmallHelicopter();
        painter.drawImage(button.right() - helicopter.width(), button.top() - helicopter.height(),
                          helicopter);
    }
    if (picture.pilotFrame >= 0) PilotFrames().draw(painter, picture.pilotAt, picture.pilotFrame);
    painter.setFont(ArialFont(11, true));
    const QFontMetrics metrics = painter.fontMetrics();
    for (const HelicopterIntro::Bubble& bubble : picture.bubbles) {
        // The box grows to the right for a language whose lines are longer.
        QRect box = bubble.box;
        for (size_t i = 0; i < bubble.lines.size(); ++i)
            box.setRight(std::max(box.right(), bubble.lineAt[i].x() +
                                                   metrics.horizontalAdvance(bubble.lines[i]) + 8));
        painter.setPen(ToQColor(PaletteColour::Navy));
        painter.setBrush(QColor(255, 255, 0));
        painter.drawRect(box);
        for (size_t i = 0; i < bubble.lines.size(); ++i)
            painter.drawText(bubble.lineAt[i].x(), bubble.lineAt[i].y() + metrics.ascent(),
                             bubble.lines[i]);
    }
}

}  // namespace velmora
