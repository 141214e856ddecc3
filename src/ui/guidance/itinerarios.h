#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "core/guidance/eso_screen.h"
#include "ui/shared/section_screen.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace velmora {

class Enlace;
class HelpPanelView;
class Notice;
class Printing;
class SaveDialog;
class ShadowLabel;
class SharedPictures;
class Shutdown;

// What the ESO screen needs of the program.
struct EsoPlatform {
    Enlace& enlace;
    const SharedPictures& pictures;
    Shutdown& shutdown;
    Notice& notice;
    Printing& printing;
    SaveDialog& saveDialog;
    // The screens created so far, by class name: the intermediate screen, the diagram and the
    // way back.
    std::function<QWidget*(std::string_view)> screen;
};

// TForm2: the ESO screen. In questionnaire mode the student answers the short test or the full
// questionnaire on study habits and interests, sees the itinerary it recommends and the studies
// of each ranked group, and prints or saves the result; or goes on to the intermediate screen's
// questionnaire. In itinerary mode it leads to the LOMCE diagram.
class TForm2 : public SectionScreen {
    Q_OBJECT

  public:
    explicit TForm2(EsoPlatform platform, QWidget* parent = nullptr);
    ~TForm2() override;

    EsoScreen& model() { return *model_; }
    QWidget* control(EsoControl which) const { return controls_[static_cast<size_t>(which)]; }

    ShadowLabel* LabelAno;
    ShadowLabel* LabelNom;
    QFrame* PanelMenu;
    QPushButton* botCuestio;
    QPushButton* BotLOMCE;
    QPushButton* BitAcabarLogse;
    QFrame* PanelMenu2;
    QPushButton* BotCuestio1;
    QPushButton* BotCuestio2;
    QPushButton* BotCuestio3;
    QLabel* PanelItiner;
    QFrame* PanelCuestio;
    QTableWidget* Gcuestio;
    QListWidget* ListresCues;
    QPushButton* BotResCues;
    QPushButton* AcabarCues;
    QPushButton* ImpResul;
    QPushButton* grabar;
    QPushButton* BotContinuar;
    QFrame* PanelCar;
    QListWidget* ListCar;
    QPushButton* BotCerrar;
    QPushButton* BotImpTit;
    QLabel* LabelAviso;
    HelpPanelView* HelpPanel;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void backgroundMouseMove() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void connectControls();
    // Runs a handler of the model and shows what it changed; a handler that answers a screen's
    // class name leaves for it.
    template <typename Handler>
    void act(Handler&& handler);
    void apply(const EsoChanges& changes);
    void fillGrid();
    void showRow(int question);

    EsoPlatform platform_;
    std::unique_ptr<QuestionnaireOutput> output_;
    std::unique_ptr<EsoScreen> model_;
    std::array<QWidget*, kEsoControlCount> controls_{};
};

}  // namespace velmora
