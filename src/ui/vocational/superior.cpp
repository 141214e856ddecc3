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

// The screen's places. The family list is shorter than the intermediate screen's while it shows
// a group's families, so that the start menu can come back under the groups.
LevelLayout Layout() {
    LevelLayout l;
    l.familyList = {36, 104, 440, 301};
    l.titleList = {36, 340, 440, 330};
    l.titleRowHeight = 17;
    l.mapPanel = {28, 192, 297, 262};
    l.mapAt = {8, 8};
    l.mapHelp1 = {8, 210, 281, 18};
    l.mapHelp2 = {8, 230, 281, 18};
    l.areaMapAt = {36, 200};
    l.placeList = {36, 104, 440, 560};
    l.districtList = {36, 426, 281, 206};
    l.districtClose = {36, 636, 281, 30};
    l.printPanel = {330, 200, 146, 300};
    l.printList = {6, 6, 134, 246};
    l.printAccept = {6, 258, 134, 34};
    l.titleBar = {484, 104, 516, 26};
    l.selectionCaption = {484, 132, 516, 32};
    l.selection = {484, 168, 516, 500};
    l.selectionContent = {4, 4, 508, 492};
    l.gridColumns = {367, 76};
    l.textRowHeight = 17;
    l.back = {36, 62, 130, 32};
    l.print = {176, 62, 130, 32};
    l.allTitles = {484, 674, 200, 34};
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
    for (int i = 0; i < kHigherControlCount; ++i) {
        QWidget* w = own_[static_cast<size_t>(i)];
        if (!w) continue;
        w->setVisible(view.visible[static_cast<size_t>(i)]);
        w->setCursor(ShapeOf(view.cursor[static_cast<size_t>(i)]));
        w->setToolTip(view.hint[static_cast<size_t>(i)]);
        const QString& caption = view.caption[static_cast<size_t>(i)];
        if (auto* button = qobject_cast<QPushButton*>(w)) button->setText(caption);
        if (auto* label = qobject_cast<QLabel*>(w)) label->setText(caption);
    }
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
