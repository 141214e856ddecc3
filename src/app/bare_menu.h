#pragma once

#include <QWidget>

namespace velmora {

struct ScreenContext;

// Tform0 until the main menu lands: a plain 1024 x 768 home window that asks the display-mode
// question in its set-up and the exit question when closed (Escape closes it).
class BareMenu : public QWidget {
    Q_OBJECT
  public:
    explicit BareMenu(ScreenContext& context);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    ScreenContext& context_;
};

}  // namespace velmora
