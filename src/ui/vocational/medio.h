#pragma once

#include "core/vocational/intermediate_screen.h"
#include "ui/vocational/level_screen_widget.h"

class QLabel;
class QPushButton;
class QTimer;

namespace velmora {

class ShadowLabel;

// TForm3: the screen of intermediate vocational training. A student finds a title by family
// group and family and sees where it is taught, or finds the centres of a place with their
// titles. The first time it opens, a helicopter brings its three start buttons.
class TForm3 : public LevelScreenWidget {
    Q_OBJECT

  public:
    explicit TForm3(LevelPlatform platform, QWidget* parent = nullptr);

    IntermediateScreen& model() { return *intermediate_; }

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

  protected:
    void applyOwn() override;
    void connectOwn() override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void FormCreate();
    void drawIntro(QPainter& painter) const;

    IntermediateScreen* intermediate_;
};

}  // namespace velmora
