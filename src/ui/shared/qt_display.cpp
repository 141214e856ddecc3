#include "ui/shared/qt_display.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace velmora {
namespace {

// Carries one screen in the presentation. A window receives the release of a press that nothing
// accepted (the screens' labels and pictures act on the release); in a scene only the item that
// accepted the press does, so the proxy accepts every press it passes on.
class ScreenProxy final : public QGraphicsProxyWidget {
  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override {
        QGraphicsProxyWidget::mousePressEvent(event);
        event->accept();
    }
};

}  // namespace

// The full-screen view that carries the screens while the presentation lasts.
class PresentationView : public QGraphicsView {
  public:
    PresentationView() {
        setObjectName(QStringLiteral("presentation"));
        setScene(&scene_);
        scene_.setSceneRect(0, 0, kScreenMode.width, kScreenMode.height);
        setBackgroundBrush(Qt::black);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setAlignment(Qt::AlignCenter);
        // Pictures scaled smoothly; text and lines are drawn at the display's own resolution.
        setRenderHints(QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    }
    ~PresentationView() override { releaseAll(); }

    void embed(QWidget* screen) {
        for (QGraphicsProxyWidget* proxy : proxies_)
            if (proxy->widget() == screen) return;
        const bool visible = screen->isVisible();
        screen->hide();
        auto* proxy = new ScreenProxy;
        proxy->setWidget(screen);
        scene_.addItem(proxy);
        proxy->setPos(0, 0);
        proxy->setVisible(visible);
        proxies_.push_back(proxy);
    }

    // Gives every screen back as a window of its own, shown where it was shown.
    void releaseAll() {
        for (QGraphicsProxyWidget* proxy : proxies_) {
            QWidget* screen = proxy->widget();
            const bool visible = proxy->isVisible();
            if (screen) {
                proxy->setWidget(nullptr);
                if (visible) {
                    CentreOnScreen(screen);
                    screen->show();
                }
            }
            scene_.removeItem(proxy);
            delete proxy;
        }
        proxies_.clear();
    }

    double scale() const { return transform().m11(); }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QGraphicsView::resizeEvent(event);
        const double s = QtDisplay::PresentationScale(width(), height());
        setTransform(QTransform::fromScale(s, s));
        centerOn(kScreenMode.width / 2.0, kScreenMode.height / 2.0);
    }

    // The window manager's close goes to the screen on show, which asks what it asks.
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        for (QGraphicsProxyWidget* proxy : proxies_) {
            if (proxy->isVisible() && proxy->widget()) {
                proxy->widget()->close();
                return;
            }
        }
    }

  private:
    QGraphicsScene scene_;
    std::vector<QGraphicsProxyWidget*> proxies_;
};

QtDisplay::QtDisplay() = default;

QtDisplay::~QtDisplay() = default;

double QtDisplay::PresentationScale(int width, int height) {
    return std::min(static_cast<double>(width) / kScreenMode.width,
                    static_cast<double>(height) / kScreenMode.height);
}

DisplayMode QtDisplay::current() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    if (presenting())
        return {kScreenMode.width, kScreenMode.height,
                std::max(screen->depth(), kScreenMode.depth)};
    return {screen->geometry().width(), screen->geometry().height(), screen->depth()};
}

std::optional<DisplayMode> QtDisplay::mode(int number) const {
    if (number != 0 || !QGuiApplication::primaryScreen()) return std::nullopt;
    return kScreenMode;
}

void QtDisplay::switchTo(const DisplayMode&, bool) {
    if (presenting()) return;
    view_ = std::make_unique<PresentationView>();
    for (const QPointer<QWidget>& screen : screens_)
        if (screen) view_->embed(screen);
    // The geometry is set too, for a desktop without a window manager to make it full screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        view_->setGeometry(screen->geometry());
    view_->showFullScreen();
}

void QtDisplay::restore() {
    if (!presenting()) return;
    view_->hide();
    view_->releaseAll();
    view_.reset();
}

QGraphicsView* QtDisplay::view() const {
    return view_.get();
}

void QtDisplay::adoptScreen(QWidget* screen) {
    screens_.emplace_back(screen);
    if (presenting()) view_->embed(screen);
}

int GraphicsLayerVersion() {
    return QGuiApplication::primaryScreen() ? 9 : 0;
}

void CentreOnScreen(QWidget* window) {
    // Inside the presentation the view centres and scales every screen; the screen itself stays
    // at the view's origin.
    if (window->graphicsProxyWidget()) {
        window->move(0, 0);
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->geometry().center() - window->rect().center());
}


}  // namespace velmora
