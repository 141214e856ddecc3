#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "core/vocational/level_screen.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

namespace velmora {

class Enlace;
class Notice;
class Printing;
class RegionMapView;
class SaveDialog;
class SharedPictures;
class Shutdown;
class Sound;

// What a level screen needs of the program.
struct LevelPlatform {
    Enlace& enlace;
    const SharedPictures& pictures;
    Shutdown& shutdown;
    Printing& printing;
    Sound& sound;
    // The notice dialog and the save dialog, for the questionnaire view's name and report.
    Notice& notice;
    SaveDialog& saveDialog;
    // The screens created so far, by class name: where leaving the screen leads.
    std::function<QWidget*(std::string_view)> screen;
};

// Where a level screen places the controls the levels share, in its client area unless said;
// the intermediate screen's places unless a level moves them. The map sits so that its name
// panel, 220 pixels below the pointer's map position, comes up just below the pointer; the finer
// maps take the map's place.
struct LevelLayout {
    QRect familyList{36, 104, 440, 301};  // ListPreFam; its height is the model's
    QRect titleList{36, 312, 440, 360};   // ListTit; Labeltitulo sits 25 pixels above it
    int titleRowHeight = 18;
    QRect mapPanel{28, 192, 297, 262};  // PanelEstrellas
    QPoint mapAt{8, 8};                 // `mapa` in the panel
    QRect mapHelp1{8, 210, 281, 18};    // LabelSelCom1 and LabelSelCom2 in the panel
    QRect mapHelp2{8, 230, 281, 18};
    QPoint areaMapAt{36, 200};           // `mapac` and `mapam`, where `mapa` shows on the screen
    QRect placeList{36, 104, 440, 560};  // ListSelLugFP
    QRect districtList{36, 426, 281, 206};
    QRect districtClose{36, 636, 281, 30};
    QRect printPanel{330, 200, 146, 300};  // PanelImp, with ListImp and BotAceptar in it
    QRect printList{6, 6, 134, 246};
    QRect printAccept{6, 258, 134, 34};
    QRect titleBar{484, 104, 516, 26};          // PanelCarSel
    QRect selectionCaption{484, 132, 516, 32};  // PanelSelTit
    // PanelSelec, with listSelFP and reja in it at `selectionContent`.
    QRect selection{484, 168, 516, 500};
    QRect selectionContent{4, 4, 508, 492};
    std::array<int, 2> gridColumns{400, 90};
    int textRowHeight = 17;
    QRect back{36, 62, 130, 32};         // BotRetrocederFP
    QRect print{176, 62, 130, 32};       // BotImprimir
    QRect allTitles{484, 674, 200, 34};  // BotTodoFP
};

// The widget the vocational level screens share: the controls of the shared model at the places
// its level gives, thin over the model. Each event goes to the model's handler of the same name;
// after each one the widget shows what the model says changed. A level's screen derives from it,
// makes its own controls and shows its own part of the model (applyOwn).
class LevelScreenWidget : public QWidget {
    Q_OBJECT

  public:
    ~LevelScreenWidget() override;

    LevelScreen& levelModel() { return *model_; }
    // The control of the screen; null for one this screen does not have.
    QWidget* control(LevelControl which) const { return controls_[static_cast<size_t>(which)]; }

    QListWidget* ListPreFam;
    QListWidget* ListTit;
    QLabel* Labeltitulo;
    QFrame* PanelEstrellas;
    RegionMapView* mapa;
    QLabel* LabelSelCom1;
    QLabel* LabelSelCom2;
    RegionMapView* mapac;
    RegionMapView* mapam;
    QLabel* PanelMapa;
    QListWidget* ListSelLugFP;
    QListWidget* listBarcelona;
    QPushButton* BotCerrar;
    QFrame* PanelImp;
    QListWidget* ListImp;
    QPushButton* BotAceptar;
    QLabel* PanelCarSel;
    QLabel* PanelSelTit;
    QFrame* PanelSelec;
    QListWidget* listSelFP;
    QTableWidget* reja;
    QPushButton* BotRetrocederFP;
    QPushButton* BotImprimir;
    QPushButton* BotTodoFP;
    QTimer* TimerEstrellas;
    QTimer* TimerParpadeo;

  protected:
    LevelScreenWidget(LevelPlatform platform, std::unique_ptr<LevelScreen> model,
                      QWidget* parent = nullptr);

    // The shared controls at their places; then the level makes its own; then finishCreation
    // names them all, connects them and shows the model's first view.
    void createSharedControls(const LevelLayout& layout);
    void finishCreation();
    // The level's own part of the view (LevelChanges::Own), and its own controls' events.
    virtual void applyOwn() {}
    virtual void connectOwn() {}
    // Hands over to the screen the model says.
    void leave(LevelScreen::Leave where);
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    LevelPlatform platform_;
    std::unique_ptr<LevelScreen> model_;
    bool ready_ = false;  // every control exists

  private:
    void connectShared();
    void apply(const LevelChanges& changes);
    void applyVisibility();
    void applyCaptions();
    void applyCursors();
    void applyRows(const LevelChanges& changes);
    void applyTimers();

    std::array<QWidget*, kLevelControlCount> controls_{};
    LevelLayout layout_;
    bool applying_ = false;
};

}  // namespace velmora
