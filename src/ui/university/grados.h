#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "core/university/degrees_screen.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class AddressOpener;
class DegreeDiagramPanel;
class Printing;
class Enlace;
class RegionMapView;
class ShadowLabel;
class SharedPictures;
class Shutdown;
class TForm7;

// What the degrees screen needs of the program.
struct DegreesPlatform {
    Enlace& enlace;
    const SharedPictures& pictures;
    Shutdown& shutdown;
    AddressOpener& opener;
    Printing& printing;
    // The star map window that accompanies the where-to-study view (created before this screen).
    TForm7* starMap = nullptr;
    // The screens created so far, by class name: where leaving this screen leads.
    std::function<QWidget*(std::string_view)> screen;
};

// TForm1: the university degrees screen. Its menu leads to the degree browser (branches,
// degrees of a branch, trees), where a degree is picked and its places are listed by community
// with their marks, and to the universities map (communities, places, the degrees of a place).
class TForm1 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm1(DegreesPlatform platform, QWidget* parent = nullptr);
    ~TForm1() override;

    DegreesScreen& model() { return *model_; }

    QFrame* PanelMenu;
    QPushButton* BotMenuGrados;
    QPushButton* BotMenuUni;
    QPushButton* BotMenuDobles;
    QPushButton* BotMenuInfo;
    QPushButton* BotMenuArtes;
    QPushButton* BotMenuDepor;
    QPushButton* BotMenuRetro;
    QFrame* PanelMenu2;
    QPushButton* BotMaster;
    QPushButton* botinfo1;
    QPushButton* ButEstadisticas;
    QPushButton* botinfo2;
    QPushButton* botinfo3;
    QFrame* PanelMenu4;
    QPushButton* BotArtesPlas;
    QPushButton* BotMusica;
    QPushButton* BotDanza;
    QPushButton* BotDramatico;

    QFrame* PanelTree;
    QPushButton* ButtonRetroN;
    QComboBox* ComboAgru;
    QLabel* LabelBusTit;
    QLabel* LabelBusTit2;
    QLineEdit* EditBusTit;
    QPushButton* BitBusTit;
    QListWidget* Listramas;
    QTableWidget* listgrados;
    QTreeWidget* Tree;

    QLabel* PanelCarSel;
    QLabel* PanelSelTit;
    QFrame* PanelSel;
    QListWidget* ListSel;
    QTextEdit* listSel2;
    QTextEdit* RichSalidas;
    QTableWidget* GridNotas;
    QLabel* LabelMaster;
    QLabel* LabelMaster2;
    QPushButton* BotUni;
    QPushButton* BotReq;
    QPushButton* BotSal;
    QPushButton* BotDoblesCar;
    QPushButton* BotCorte;
    QPushButton* BotPonde;
    QPushButton* BotImprimirN;
    QPushButton* BotIntUni;
    QPushButton* BotArtesTit;
    QPushButton* BotArtesEsp;
    QPushButton* BotArtesLug;

    QFrame* PanelEstrellas;
    RegionMapView* mapa;
    QLabel* PanelMapa;
    QListWidget* ListComunidad;
    QPushButton* BotRetroceder;
    QPushButton* BotImprimir;
    DegreeDiagramPanel* PanelGradosT;
    ShadowLabel* labelCentro;

  public Q_SLOTS:
    // Makes the menu visible: the main menu, the scene and the assistant call it before they
    // show the screen.
    void botinformacionClick();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void createMenu();
    void createBrowser();
    void createDetail();
    void createMap();

    void connectControls();

    // Runs a handler of the model and shows what it changed.
    template <typename Handler>
    void act(Handler&& handler);
    // Shows the parts of the model's view named in `changes`.
    void apply(const DegreesChanges& changes);
    void applyVisibility();
    void applyCaptions();
    void applyGroupingItems();
    void applyCursors();
    void applyLayout();
    void fillTree();
    void applyHint();
    void leave(DegreesScreen::Leave where);

    QWidget* control(DegreesControl which) const { return controls_[static_cast<size_t>(which)]; }

    DegreesPlatform platform_;
    std::unique_ptr<DegreesScreen> model_;
    std::array<QWidget*, kDegreesControlCount> controls_{};
    bool applying_ = false;
    bool ready_ = false;  // every control exists
};

}  // namespace velmora
