#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "ui/menu/scene_painter.h"
#include "ui/menu/scene_pictures.h"

class QTimer;

namespace velmora {

class Display;
class Enlace;
class MenuNavigation;
class Scene;
class SharedPictures;
class Shutdown;

// What the scene needs of the program.
struct ScenePlatform {
    Enlace& enlace;
    const SharedPictures& pictures;
    Display& display;
    Shutdown& shutdown;
    MenuNavigation& navigation;
};

// Tform9: the building seen from above, where the girl walks to each click and through a door
// into its section on a double click. It draws what its Scene returns every 33 ms.
class Tform9 : public QWidget {
    Q_OBJECT
  public:
    explicit Tform9(ScenePlatform platform, QWidget* parent = nullptr);
    ~Tform9() override;

    // False when the image libraries could not be read: the scene has said so and cannot run.
    bool ready() const { return scene_ != nullptr; }
    Scene* model() const { return scene_.get(); }
    // The drawing surface as last drawn.
    const QImage& surface() const { return surface_; }

    QTimer* DXTimer = nullptr;
    void DXTimerTimer();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void FormCreate();
    // Draws the model's frame and does what it asks: the pointer, the exit question, hiding.
    void present();
    void apply();

    ScenePlatform platform_;
    ScenePictures pictures_;
    std::unique_ptr<Scene> scene_;
    QImage surface_;
    QImage backBuffer_;
    ScenePainter painter_{pictures_, backBuffer_};
    bool releaseEndsDoubleClick_ = false;
};

}  // namespace velmora
