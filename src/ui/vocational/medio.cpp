#include "ui/vocational/medio.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "core/shared/enlace.h"
#include "ui/shared/look.h"
#include "ui/shared/model_cells.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/shadow_label.h"

namespace velmora {
namespace {

using C = LevelControl;

constexpr QSize kStartButton{250, 50};
constexpr QRect kRequirements{36, 470, 240, 34};
constexpr int kInfoGap = 40;

}  // namespace

TForm3::TForm3(LevelPlatform platform, QWidget* parent)
    : LevelScreenWidget(
          platform,
          std::make_unique<IntermediateScreen>(platform.enlace, platform.printing, platform.sound),
          parent),
      intermediate_(static_cast<IntermediateScreen*>(LevelScreenWidget::model_.get())) {
    FormCreate();
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

    auto heading = [&](const char* name, QRect at, int points, Qt::Alignment align) {
        auto* label = new ShadowLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(at);
        label->setFont(ArialFont(points, true));
        label->setColours(PaletteColour::Navy, PaletteColour::White);
        label->setAlignment(align);
        return label;
    };
    LabelFP1 = heading("LabelFP1", {330, 54, 364, 44}, 22, Qt::AlignCenter);
    LabelAno = heading("LabelAno", {700, 60, 290, 36}, 15, Qt::AlignRight | Qt::AlignVCenter);
    LabelFPGM = heading("LabelFPGM", {24, 716, 976, 30}, 15, Qt::AlignCenter);

    // The questionnaire view's help line and helicopter.
    LabAyuGM = MakeLabel(this, "LabAyuGM", {36, 104, 440, 24});
    LabAyuGM->setFont(ArialFont(10, true));
    HeliPeque = new QLabel(this);
    HeliPeque->setObjectName(QStringLiteral("HeliPeque"));
    HeliPeque->setPixmap(QPixmap::fromImage(SmallHelicopter()));
    HeliPeque->setGeometry(36, 54, 48, 48);

    heli = new QTimer(this);
    heli->setObjectName(QStringLiteral("heli"));
    heli->setInterval(HelicopterIntro::kHeliInterval);
    piloto = new QTimer(this);
    piloto->setObjectName(QStringLiteral("piloto"));
    piloto->setInterval(HelicopterIntro::kPilotoInterval);

    finishCreation();
    ShrinkFontToFit(LabelFPGM);  // the school's name
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
    update();
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
