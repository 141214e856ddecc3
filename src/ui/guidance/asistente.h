#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>

#include "core/guidance/assistant.h"
#include "ui/shared/hand_over.h"

class QTimer;

namespace velmora {

class Enlace;
class MenuNavigation;
class SharedPictures;
class Sound;

// What the assistant needs of the program.
struct AssistantPlatform {
    Enlace& enlace;
    const SharedPictures& pictures;
    // Opens the screens of its buttons as the main menu's doors open them.
    MenuNavigation& navigation;
    Sound& sound;
    // Where leaving the assistant leads.
    ScreenFinder screen;
};

// TForm5: the assistant. It asks whether the student is in ESO or in Bachillerato, tells in
// three animated boxes what can be done from there, and after a helicopter's flight shows the
// buttons that open the matching screens, which then come back here.
class TForm5 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm5(AssistantPlatform platform, QWidget* parent = nullptr);
    ~TForm5() override;

    Assistant& model() { return model_; }

    // The control of that name in the model.
    QWidget* control(AssistantControl which) const { return controls_[static_cast<size_t>(which)]; }
    QTimer* timer(AssistantTimer which) const { return timers_[static_cast<size_t>(which)]; }
    // What each timer does when it fires.
    void tick(AssistantTimer which);

  public Q_SLOTS:
    // The home screen's door: assistant mode on.
    void openedFromMenu();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    QWidget* create(const AssistantPlace& place);
    void connectButtons();
    void click(AssistantControl which);
    void leave();
    // Shows what the model changed and runs the timers it runs.
    void apply(const AssistantChanges& changes);
    void refresh() { apply(model_.takeChanges()); }

    AssistantPlatform platform_;
    Assistant model_;
    std::array<QWidget*, kAssistantControlCount> controls_{};
    std::array<QTimer*, kAssistantTimerCount> timers_{};
};

}  // namespace velmora
