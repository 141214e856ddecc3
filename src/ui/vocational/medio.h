#pragma once

#include <array>
#include <memory>

#include "core/vocational/intermediate_questionnaire.h"
#include "core/vocational/intermediate_screen.h"
#include "ui/vocational/level_screen_widget.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace velmora {

class QuestionnaireOutput;
class ShadowLabel;

// TForm3: the screen of intermediate vocational training. A student finds a title by family
// group and family and sees where it is taught, or finds the centres of a place with their
// titles. The first time it opens, a helicopter brings its three start buttons. Opened from the
// ESO screen's questionnaire, it first leads from interest areas and statements to titles.
class TForm3 : public LevelScreenWidget {
    Q_OBJECT

  public:
    explicit TForm3(LevelPlatform platform, QWidget* parent = nullptr);
    ~TForm3() override;

    IntermediateScreen& model() { return *intermediate_; }
    IntermediateQuestionnaire& questionnaire() { return *questionnaire_; }

    QPushButton* botTit2;
    QPushButton* botLug2;
    QPushButton* botSalir;
    QPushButton* BotRequisitos;
    QPushButton* BotPuesto;
    QPushButton* botAsig;
    ShadowLabel* LabelFP1;
    ShadowLabel* LabelFPGM;
    ShadowLabel* LabelAno;
    QLabel* LabAyuGM;
    QLabel* HeliPeque;
    QTimer* heli;
    QTimer* piloto;
    // The questionnaire view.
    QListWidget* ListGM;
    QListWidget* ListGM2;
    QListWidget* ListPeque;
    QLabel* LabelPeque;
    QPushButton* BitFleGMde;
    QPushButton* BitFleGMiz;
    QPushButton* BotSalirCues;
    QPushButton* BotImprimirCuesGM;
    QTimer* TimerAyu;
    QTimer* TimerReduce;

  protected:
    void applyOwn() override;
    void connectOwn() override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void FormCreate();
    void createQuestionnaireControls();
    void applyQuestionnaire(const QuestionnaireChanges& changes);
    void drawIntro(QPainter& painter) const;

    IntermediateScreen* intermediate_;
    std::unique_ptr<QuestionnaireOutput> output_;
    std::unique_ptr<IntermediateQuestionnaire> questionnaire_;
    std::array<QWidget*, kQuestionnaireControlCount> questionnaireControls_{};
};

}  // namespace velmora
