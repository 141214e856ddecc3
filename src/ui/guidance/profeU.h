#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "core/guidance/professions_screen.h"
#include "ui/shared/section_screen.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace velmora {

class Enlace;
class Notice;
class Printing;
class SaveDialog;
class SharedPictures;

// What the professions screen needs of the program.
struct ProfessionsPlatform {
    Enlace& enlace;
    const SharedPictures& pictures;
    Notice& notice;
    Printing& printing;
    SaveDialog& saveDialog;
    // The screens created so far, by class name: where leaving this screen leads.
    std::function<QWidget*(std::string_view)> screen;
};

// Tprofe: the professions explorer. Long statements answered yes or no, the phrases of their
// professions picked on up to four pages, a final pick, and the activities and professions it
// points to with the studies of each.
class Tprofe : public SectionScreen {
    Q_OBJECT

  public:
    explicit Tprofe(ProfessionsPlatform platform, QWidget* parent = nullptr);
    ~Tprofe() override;

    ProfessionsScreen& model() { return *model_; }
    QTimer* timer(ProfessionsTimer which) const { return timers_[static_cast<size_t>(which)]; }
    // One tick of a timer, as its QTimer does it.
    void tick(ProfessionsTimer which);

    QListWidget* ListCues;
    QFrame* PanelFrase;
    QLabel* LabelFrase0;
    QLabel* LabelFrase;
    QLabel* imageIcono;
    QPushButton* BotSi;
    QPushButton* BotNo;
    QPushButton* BotFraRet;
    QPushButton* BotFraSig;
    QFrame* PanelSelTit0;
    QLabel* LabelTit0;
    QListWidget* ListSel;
    QFrame* PanelResul;
    QLabel* LabelTitulo;
    QLabel* LabelActi;
    QLabel* LabelTitExpli;
    QLabel* LabelTit1;
    QLabel* Labeltit2;
    QLabel* LabelTit3;
    QListWidget* ListResulAct;
    QListWidget* ListResulProf;
    QListWidget* ListTit;
    QListWidget* ListResProf;
    QPushButton* BotImp;
    QPushButton* BotAcabar;

  public Q_SLOTS:
    // A new run: the main menu, the scene and the assistant call it before they show the screen.
    void BotCuestioClick();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void backgroundMouseMove() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createResults();
    void connectControls();
    template <typename Handler>
    void act(Handler&& handler);
    void apply(const ProfessionsChanges& changes);
    void applyControls();
    void applySelection();
    void leave(bool fromStudies);

    QWidget* control(ProfessionsControl which) const {
        return controls_[static_cast<size_t>(which)];
    }

    ProfessionsPlatform platform_;
    std::unique_ptr<QuestionnaireOutput> output_;
    std::unique_ptr<ProfessionsScreen> model_;
    std::array<QWidget*, kProfessionsControlCount> controls_{};
    std::array<QTimer*, 3> timers_{};
};

}  // namespace velmora
