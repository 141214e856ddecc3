#include "ui/menu/config_panel.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/menu/configuration.h"
#include "core/menu/menu_texts.h"
#include "ui/shared/roll_transition.h"
#include "ui/shared/look.h"

namespace velmora {
namespace {

void Colour(QWidget* widget, PaletteColour background, PaletteColour text) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, ToQColor(background));
    colours.setColor(QPalette::WindowText, ToQColor(text));
    colours.setColor(QPalette::ButtonText, ToQColor(text));
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

template <typename W>
W* Make(QWidget* parent, const char* name, const QString& text, QRect geometry, QFont font) {
    auto* widget = new W(text, parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    widget->setFont(font);
    return widget;
}

}  // namespace

ConfigPanel::ConfigPanel(Configuration& model, const MenuTexts& texts, QWidget* parent)
    : QFrame(parent), model_(model) {
    setObjectName(QStringLiteral("panelConfigu"));
    setGeometry(298, 136, 519, 313);
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    Colour(this, PaletteColour::PaleBlue, PaletteColour::Navy);
    hide();

    auto* title = Make<QLabel>(this, "LabelConfigTitulo", texts.configTitle, {20, 12, 480, 28},
                               ArialFont(14, true));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    Labelidioma =
        Make<QLabel>(this, "Labelidioma", texts.idioma, {32, 54, 200, 22}, ArialFont(11, true));
    auto* languages = new QButtonGroup(this);
    const char* names[4] = {"cas", "cat", "gal", "eus"};
    for (int code = 0; code < 4; ++code) {
        languages_[code] = Make<QRadioButton>(this, names[code], Configuration::LanguageName(code),
                                              {52, 80 + code * 26, 200, 24}, ArialFont(10, true));
        languages->addButton(languages_[code], code);
        connect(languages_[code], &QRadioButton::clicked, this, [this, code] { casClick(code); });
    }
    cas = languages_[0];
    cat = languages_[1];
    gal = languages_[2];
    eus = languages_[3];
    LabelIdiomaSel =
        Make<QLabel>(this, "LabelIdiomaSel", QString(), {270, 106, 220, 28}, ArialFont(14, true));
    LabelIdiomaSel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    PanelCofigu2 = new QFrame(this);
    PanelCofigu2->setObjectName(QStringLiteral("PanelCofigu2"));
    PanelCofigu2->setGeometry(20, 192, 479, 44);
    PanelCofigu2->setFrameShape(QFrame::StyledPanel);
    Colour(PanelCofigu2, PaletteColour::LightYellow, PaletteColour::Navy);
    LabelAnimacion = Make<QLabel>(PanelCofigu2, "LabelAnimacion", texts.animacion,
                                  {12, 10, 120, 24}, ArialFont(11, true));
    si = Make<QRadioButton>(PanelCofigu2, "si", texts.si, {150, 10, 70, 24}, ArialFont(10, true));
    no = Make<QRadioButton>(PanelCofigu2, "no", texts.no, {230, 10, 70, 24}, ArialFont(10, true));
    connect(si, &QRadioButton::clicked, this, [this] { siClick(true); });
    connect(no, &QRadioButton::clicked, this, [this] { siClick(false); });
    LabelSINO =
        Make<QLabel>(PanelCofigu2, "LabelSINO", QString(), {330, 10, 130, 24}, ArialFont(12, true));

    LabelReiniciar =
        Make<QLabel>(this, "LabelReiniciar", texts.reiniciar, {20, 244, 479, 20}, ArialFont(9));
    LabelReiniciar->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    ButtonGrabar =
        Make<QPushButton>(this, "ButtonGrabar", texts.grabar, {126, 270, 129, 33}, ArialFont(9));
    ButtonRetroConf = Make<QPushButton>(this, "ButtonRetroConf", texts.retroConf,
                                        {264, 270, 129, 33}, ArialFont(9));
    connect(ButtonGrabar, &QPushButton::clicked, this, [this] { ButtonGrabarClick(); });
    connect(ButtonRetroConf, &QPushButton::clicked, this, [this] { ButtonRetroConfClick(); });
}

void ConfigPanel::refresh() {
    languages_[model_.checkedLanguage()]->setChecked(true);
    LabelIdiomaSel->setText(model_.languageCaption());
    PanelCofigu2->setVisible(model_.animationRowVisible());
    (model_.animationChecked() ? si : no)->setChecked(true);
    LabelSINO->setText(model_.animationCaption());
}

void ConfigPanel::LabelConfigClick() {
    model_.open();
    refresh();
    RollTransition::Open(this);
}

void ConfigPanel::casClick(int code) {
    model_.chooseLanguage(code);
    refresh();
}

void ConfigPanel::siClick(bool on) {
    model_.chooseAnimation(on);
    refresh();
}

void ConfigPanel::ButtonGrabarClick() {
    model_.save();
    hide();
}

void ConfigPanel::ButtonRetroConfClick() {
    model_.back();
    RollTransition::Close(this);
}

}  // namespace velmora
