#include "ui/vocational/superior.h"

#include <QFrame>
#include <QPushButton>

#include "core/shared/enlace.h"
#include "ui/shared/look.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/shadow_label.h"
#include "ui/university/estadistica.h"

namespace velmora {
namespace {

using C = LevelControl;
using H = HigherControl;

// The screen's places: the intermediate screen's, with the titles under the shorter list of a
// group's families and the grid's narrower columns.
LevelLayout Layout() {
    LevelLayout l;
    l.titleList = {36, 340, 440, 330};
    l.titleRowHeight = 17;
    l.gridColumns = {367, 76};
    return l;
}

constexpr QRect kStartMenu{292, 430, 440, 236};
constexpr QRect kTitleMenuPanel{36, 104, 440, 338};
constexpr QRect kStatistics{36, 456, 440, 156};
constexpr QRect kInternet{700, 674, 300, 34};
constexpr int kStartButtonHeight = 56;
constexpr int kStartButtonPitch = 72;
constexpr int kMenuButtonHeight = 38;
constexpr int kMenuButtonPitch = 46;
constexpr Rgb kVisited{128, 0, 128};

QPushButton* MenuButton(QWidget* panel, std::string_view name, int row, int height, int pitch,
                        int points, bool bold) {
    QPushButton* button =
        MakeButton(panel, std::string(name).c_str(), {20, 14 + row * pitch, 400, height});
    button->setFont(ArialFont(points, bold));
    return button;
}

}  // namespace

TForm8::TForm8(LevelPlatform platform, AddressOpener& opener, QWidget* parent)
    : LevelScreenWidget(platform,
                        std::make_unique<HigherScreen>(platform.enlace, platform.printing, opener),
                        parent),
      higher_(static_cast<HigherScreen*>(LevelScreenWidget::model_.get())) {
    FormCreate();
}

void TForm8::FormCreate() {
    setObjectName(QStringLiteral("TForm8"));
    higher_->FormCreate();
    // The statistics window, created before this screen, is opened from the title's menu.
    if (auto* statistics = qobject_cast<TEstadisticas*>(
            platform_.screen ? platform_.screen("TEstadisticas") : nullptr)) {
        higher_->attachStatistics(&statistics->model());
        statistics->setOwner(this);
    }
    createSharedControls(Layout());

    PanelFP = MakePanel(this, "PanelFP", kStartMenu);
    MenuFP1 = MenuButton(PanelFP, "MenuFP1", 0, kStartButtonHeight, kStartButtonPitch, 12, true);
    MenuFP2 = MenuButton(PanelFP, "MenuFP2", 1, kStartButtonHeight, kStartButtonPitch, 12, true);
    menuFP3 = MenuButton(PanelFP, "menuFP3", 2, kStartButtonHeight, kStartButtonPitch, 12, true);

    PanelFpTit = MakePanel(this, "PanelFpTit", kTitleMenuPanel);
    for (size_t i = 0; i < kTitleMenu.size(); ++i)
        titleMenu[i] = MenuButton(PanelFpTit, HigherName(kTitleMenu[i]), static_cast<int>(i),
                                  kMenuButtonHeight, kMenuButtonPitch, 11, true);

    PanelEstadistica = MakePanel(this, "PanelEstadistica", kStatistics);
    ButtonEstad1 = MenuButton(PanelEstadistica, "ButtonEstad1", 0, kMenuButtonHeight,
                              kMenuButtonPitch, 9, false);
    ButtonEstad2 = MenuButton(PanelEstadistica, "ButtonEstad2", 1, kMenuButtonHeight,
                              kMenuButtonPitch, 9, false);
    ButtonEstad3 = MenuButton(PanelEstadistica, "ButtonEstad3", 2, kMenuButtonHeight,
                              kMenuButtonPitch, 9, false);
    BotInternetC = MakeButton(this, "BotInternetC", kInternet);

    LabelFP1 = new ShadowLabel(this);
    LabelFP1->setObjectName(QStringLiteral("LabelFP1"));
    LabelFP1->setGeometry(330, 54, 364, 44);
    LabelFP1->setFont(ArialFont(22, true));
    LabelFP1->setColours(PaletteColour::Navy, PaletteColour::White);
    LabelFP1->setAlignment(Qt::AlignCenter);
    labelCentro = MakeSchoolLabel(this);

    for (int i = 0; i < kHigherControlCount; ++i)
        own_[static_cast<size_t>(i)] = findChild<QWidget*>(NameOf(HigherName(static_cast<H>(i))));
    finishCreation();
    ShrinkFontToFit(labelCentro);  // the school's name
}

void TForm8::connectOwn() {
    HigherScreen* m = higher_;
    auto click = [this](QPushButton* button, auto handler) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    click(MenuFP1, [m] { m->MenuFP1Click(); });
    click(MenuFP2, [m] { m->MenuFP2Click(); });
    click(menuFP3, [this, m] { leave(m->menuFP3Click()); });
    const std::array<void (HigherScreen::*)(), kTitleMenu.size()> entries = {
        &HigherScreen::MenuFpTit1Click,  &HigherScreen::MenuFpTit2Click,
        &HigherScreen::MenuFpTit3Click,  &HigherScreen::MenuFpTit4Click,
        &HigherScreen::MenuFpTit5Click,  &HigherScreen::MenuFpTit6Click,
        &HigherScreen::MenuFPTitEstClick};
    for (size_t i = 0; i < entries.size(); ++i)
        click(titleMenu[i], [m, handler = entries[i]] { (m->*handler)(); });
    click(ButtonEstad1, [m] { m->ButtonEstad1Click(); });
    click(ButtonEstad2, [m] { m->ButtonEstad2Click(); });
    click(ButtonEstad3, [m] { m->ButtonEstad3Click(); });
    click(BotInternetC, [m] { m->BotInternetCMouseUp(); });
}

void TForm8::applyOwn() {
    const HigherView& view = higher_->ownView();
    ApplyControls(own_, view);
    // The entries already pressed, in purple italics.
    for (size_t i = 0; i < titleMenu.size(); ++i) {
        QFont font = titleMenu[i]->font();
        font.setItalic(view.visited[i]);
        titleMenu[i]->setFont(font);
        QPalette colours = titleMenu[i]->palette();
        colours.setColor(QPalette::ButtonText,
                         view.visited[i] ? ToQColor(kVisited) : ToQColor(PaletteColour::Black));
        titleMenu[i]->setPalette(colours);
    }
    if (view.visible[static_cast<size_t>(H::PanelEstadistica)]) PanelEstadistica->raise();
    // The statistics window takes the screen's place.
    if (higher_->takeHandOver()) hide();
}

void TForm8::showEvent(QShowEvent* event) {
    LevelScreenWidget::showEvent(event);
    // The main menu's door and the assistant show the heading and the start menu by name before
    // they show the screen.
    if (ready_) higher_->SectionOpened(!LabelFP1->isHidden(), !PanelFP->isHidden());
}

}  // namespace velmora
