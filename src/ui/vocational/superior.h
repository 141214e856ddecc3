#pragma once

#include <array>

#include "core/vocational/higher_screen.h"
#include "ui/vocational/level_screen_widget.h"

class QFrame;
class QPushButton;

namespace velmora {

class AddressOpener;
class ShadowLabel;

// TForm8: the screen of higher vocational training. From its start menu a student finds a title
// by family group and family and opens the title's menu (where it is taught, its requirements,
// subjects and access to university, its report, its statistics), or finds the centres of a
// place with their titles and the community's education web site.
class TForm8 : public LevelScreenWidget {
    Q_OBJECT

  public:
    TForm8(LevelPlatform platform, AddressOpener& opener, QWidget* parent = nullptr);

    HigherScreen& model() { return *higher_; }
    QWidget* control(HigherControl which) const { return own_[static_cast<size_t>(which)]; }
    using LevelScreenWidget::control;

    QFrame* PanelFP;
    QPushButton* MenuFP1;
    QPushButton* MenuFP2;
    QPushButton* menuFP3;
    QFrame* PanelFpTit;
    std::array<QPushButton*, kTitleMenu.size()> titleMenu{};  // MenuFpTit1..6, MenuFPTitEst
    QFrame* PanelEstadistica;
    QPushButton* ButtonEstad1;
    QPushButton* ButtonEstad2;
    QPushButton* ButtonEstad3;
    QPushButton* BotInternetC;
    ShadowLabel* LabelFP1;
    ShadowLabel* labelCentro;

  protected:
    void applyOwn() override;
    void connectOwn() override;
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();

    HigherScreen* higher_;
    std::array<QWidget*, kHigherControlCount> own_{};
};

}  // namespace velmora
