#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "core/menu/configuration.h"
#include "core/menu/courses.h"
#include "core/menu/main_menu.h"
#include "core/shared/settings_store.h"

class QLabel;
class QPushButton;
class QTimer;

namespace velmora {

class AddressOpener;
class ConfigPanel;
class CoursesPanel;
class Display;
class Enlace;
class Facade;
class MenuNavigation;
class ShadowLabel;
class SharedPictures;
class Shutdown;

// What the main menu needs of the program.
struct MenuPlatform {
    Enlace& enlace;
    const SharedPictures& pictures;
    Display& display;
    Shutdown& shutdown;
    MenuNavigation& navigation;
    AddressOpener& opener;
    SettingsStore settings;
};

// Tform0: the main menu, the front of a building with a door for each section.
class Tform0 : public QWidget {
    Q_OBJECT
public:
    explicit Tform0(MenuPlatform platform, QWidget* parent = nullptr);
    ~Tform0() override;

    const MainMenu& model() const { return menu_; }

    Facade* mosaico;
    std::array<QLabel*, kMenuLabelCount> labels{};  // by MenuLabel
    QLabel* ImageDejar;
    ShadowLabel* LabelCentro;
    ShadowLabel* LabelAno;
    QLabel* anda;
    QLabel* Bocadillo1;
    QLabel* LabelBocadillo1;
    QLabel* labelBocadillo2;
    QWidget* PanelAyuda;
    QLabel* chica;
    std::array<QLabel*, 5> LabelAyu{};
    QPushButton* BotRetroce;
    ConfigPanel* panelConfigu;
    CoursesPanel* PanelEspeG;

    QTimer* piloto;
    QTimer* TimerTexto;
    QTimer* TimerPuerta;
    QTimer* TimerZoom;
    QTimer* TimerAyuda;

    QLabel* label(MenuLabel which) const { return labels[static_cast<size_t>(which)]; }
    QTimer* timer(MenuTimer which) const;
    // What each timer does when it fires.
    void tick(MenuTimer which);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void layOutLabels();
    void layOutFigureAndBubble();
    void layOutHelp();
    void labelClick(MenuLabel which);
    void BotRetroceClick();
    // Shows what the model says and runs the timers it runs.
    void refresh();

    MenuPlatform platform_;
    MainMenu menu_;
    int figureShown_ = -1;  // the frame `anda` shows, to set its picture only when it changes
    int helpShown_ = -1;
    Configuration configuration_;
    CoursesBrowser courses_;
};

}  // namespace velmora
