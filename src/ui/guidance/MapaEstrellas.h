#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

class QLabel;
class QTimer;

namespace velmora {

class Enlace;
class RegionMapView;
class SharedPictures;
class StarMap;

// TForm7: the star map, a small window that stays on top beside the degrees screen with the
// communities map and pulsing stars on the communities where the degree on show is offered.
// Hovering a community names it; clicking it moves the degrees screen's grid there. The degrees
// screen's model shows and hides it through this window's model.
class TForm7 : public QWidget {
    Q_OBJECT

  public:
    TForm7(Enlace& enlace, const SharedPictures& pictures, QWidget* parent = nullptr);
    ~TForm7() override;

    StarMap& model() { return *model_; }

    // The screen the window is placed beside.
    void setCompanion(QWidget* screen) { companion_ = screen; }

    RegionMapView* MapaEstrellas;
    QLabel* PanelMapa;
    QTimer* TimerEstrellas;

  protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate(const SharedPictures& pictures);
    // Shows what the model says.
    void refresh();
    void TimerEstrellasTimer();

    std::unique_ptr<StarMap> model_;
    QPointer<QWidget> companion_;
    bool refreshing_ = false;
};

}  // namespace velmora
