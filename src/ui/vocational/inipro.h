#pragma once

#include <array>

#include "core/vocational/basic_screen.h"
#include "ui/vocational/level_screen_widget.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace velmora {

class HelpPanelView;
class ShadowLabel;

// TFIniPro: the screen of basic vocational training. A student picks a group, a family and a
// title (the jobs of a title show under the pointer) and sees where it is taught, or looks for
// the centres of a province with their basic titles.
class TFIniPro : public LevelScreenWidget {
    Q_OBJECT

  public:
    explicit TFIniPro(LevelPlatform platform, QWidget* parent = nullptr);

    BasicScreen& model() { return *basic_; }

    QListWidget* ListSelFp;
    QListWidget* ListFPExpli;
    QLabel* PanelSelTit0;
    QPushButton* BotLug;
    QPushButton* BotRequisitos;
    QPushButton* BotTra;
    QPushButton* BotAsig;
    ShadowLabel* LabelFPIp1;
    ShadowLabel* LabelAno;
    HelpPanelView* PanelAyuda;
    QTimer* TimerAyu;

  protected:
    void applyOwn() override;
    void connectOwn() override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    // Leaves when the model's last handler left the screen.
    void leaveIfAsked();

    BasicScreen* basic_;
    std::array<QWidget*, kBasicControlCount> own_{};
};

}  // namespace velmora
