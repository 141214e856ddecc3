#pragma once

#include <QPixmap>
#include <QWidget>
#include <vector>

#include "core/guidance/lomce_diagram.h"
#include "ui/shared/hand_over.h"

class QAbstractButton;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QToolButton;

namespace velmora {

class Enlace;
class SharedPictures;

// What the diagram needs of the program.
struct DiagramPlatform {
    Enlace& enlace;
    const SharedPictures& pictures;
    // Where leaving the diagram leads: the ESO screen.
    ScreenFinder screen;
};

// Paneliti: the diagram itself, painted from the model's layout, with the round buttons on it.
class DiagramPanel final : public QWidget {
  public:
    DiagramPanel(const LomceDiagram& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const LomceDiagram& model_;
};

// TFlomce: the LOMCE itineraries diagram, the routes from the second year of ESO to degrees and
// vocational training, revealed in ten steps; each round button explains its element. The ESO
// screen opens it and it returns there.
class TFlomce : public QWidget {
    Q_OBJECT

  public:
    explicit TFlomce(DiagramPlatform platform, QWidget* parent = nullptr);
    ~TFlomce() override;

    LomceDiagram& model() { return model_; }

    QLabel* LabelLOMCE;
    QLabel* LabelFle;
    QListWidget* ListExplica;
    QToolButton* BitFleIz;
    QToolButton* BitFleDe;
    QPushButton* BitRetro;
    DiagramPanel* Paneliti;
    QFrame* PanelEx;
    QListWidget* ListBit;
    QPushButton* BotCerrar;
    QTimer* TimerParpadeo;
    // The round buttons, by element (nullptr for the elements that are no button).
    std::vector<QAbstractButton*> buttons;

    QAbstractButton* button(std::string_view name) const;
    // What the blink timer does when it fires.
    void TimerParpadeoTimer();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void FormCreate();
    void BitRetroClick();
    // Shows what the model changed and runs the blink timer while it blinks.
    void apply(const DiagramChanges& changes);
    void refresh() { apply(model_.takeChanges()); }

    DiagramPlatform platform_;
    LomceDiagram model_;
};

}  // namespace velmora
