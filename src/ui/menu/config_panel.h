#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QRadioButton;

namespace velmora {

class Configuration;
struct MenuTexts;

// `panelConfigu`: the language and the animation, saved for the next start.
class ConfigPanel : public QFrame {
    Q_OBJECT
public:
    ConfigPanel(Configuration& model, const MenuTexts& texts, QWidget* parent);

    // LabelConfigClick.
    void LabelConfigClick();

    QLabel* Labelidioma;
    QRadioButton* cas;
    QRadioButton* cat;
    QRadioButton* gal;
    QRadioButton* eus;
    QLabel* LabelIdiomaSel;
    QFrame* PanelCofigu2;
    QLabel* LabelAnimacion;
    QRadioButton* si;
    QRadioButton* no;
    QLabel* LabelSINO;
    QLabel* LabelReiniciar;
    QPushButton* ButtonGrabar;
    QPushButton* ButtonRetroConf;

private:
    void casClick(int code);
    void siClick(bool on);
    void ButtonGrabarClick();
    void ButtonRetroConfClick();
    void refresh();

    Configuration& model_;
    QRadioButton* languages_[4];
};

}  // namespace velmora
