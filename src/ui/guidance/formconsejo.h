#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "core/guidance/advice_screen.h"
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

// What the advice screen needs of the program.
struct AdvicePlatform {
    Enlace& enlace;
    const SharedPictures& pictures;
    Shutdown& shutdown;
    Notice& notice;
    Printing& printing;
    SaveDialog& saveDialog;
    // The screens created so far, by class name: where leaving this screen leads.
    std::function<QWidget*(std::string_view)> screen;
};

// TFormCon: the advice questionnaire. The student ticks qualities and interests, sees the 12
// itinerary groups ranked for each and for their average, the studies of a ranked group, and
// prints or saves the report.
class TFormCon : public SectionScreen {
    Q_OBJECT

  public:
    explicit TFormCon(AdvicePlatform platform, QWidget* parent = nullptr);
    ~TFormCon() override;

    AdviceScreen& model() { return *model_; }

    QFrame* PanelMenuCon;
    QPushButton* Menucua;
    QPushButton* MenuGus;
    QPushButton* MenuMedia;
    QPushButton* MenuRetroCon;
    QFrame* PanelListCon;
    QListWidget* ListCua;
    QListWidget* Listint;
    QLabel* PanelResCon;
    QTableWidget* ListResul;
    QPushButton* VerResul;
    QPushButton* revisa;
    QPushButton* acabarCua;
    QPushButton* ImpResul;
    QPushButton* grabar;
    QFrame* PanelResul;
    QListWidget* ListCarreras;
    QPushButton* BotCerrar;
    QLabel* LabelAviso;
    ShadowLabel* labelCentro;
    HelpPanelView* HelpPanel;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void backgroundMouseMove() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void connectControls();
    // Runs a handler of the model and shows what it changed.
    template <typename Handler>
    void act(Handler&& handler);
    void apply(const AdviceChanges& changes);
    void applyControls(const AdviceChanges& changes);
    void applyMenu();

    QWidget* control(AdviceControl which) const { return controls_[static_cast<size_t>(which)]; }

    AdvicePlatform platform_;
    std::unique_ptr<QuestionnaireOutput> output_;
    std::unique_ptr<AdviceScreen> model_;
    std::array<QWidget*, kAdviceControlCount> controls_{};
};

}  // namespace velmora
