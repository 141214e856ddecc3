#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <string_view>

#include "core/shared/screen_view.h"
#include "ui/shared/screen_parts.h"

namespace velmora {

class SharedPictures;

// What every section screen's widget shares: a 1024 x 768 window at the top left, named by its
// class, painted with the floor and the strips, and told when the pointer moves over its bare
// background (not over a control) once its controls exist.
class SectionScreen : public QWidget {
    Q_OBJECT
  public:
    SectionScreen(const char* className, const SharedPictures& pictures, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    virtual void backgroundMouseMove() {}
    // The controls exist: pointer moves reach the model from now on.
    void setReady() { ready_ = true; }
    bool ready() const { return ready_; }

  private:
    const SharedPictures& pictures_;
    bool ready_ = false;
};


// The screen's controls found by their names, in the order of the model's enumeration; a name
// no child bears gives nullptr.
template <typename Control, int N>
std::array<QWidget*, static_cast<size_t>(N)> FindControls(const QWidget* root,
                                                          std::string_view (*nameOf)(Control)) {
    std::array<QWidget*, static_cast<size_t>(N)> controls{};
    for (int i = 0; i < N; ++i) {
        const std::string_view name = nameOf(static_cast<Control>(i));
        controls[static_cast<size_t>(i)] = root->findChild<QWidget*>(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    return controls;
}

}  // namespace velmora
