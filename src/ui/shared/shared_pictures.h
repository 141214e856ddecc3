#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <functional>
#include <map>
#include <string>

#include "core/shared/startup.h"

namespace velmora {

// The shared pictures of the start-up, kept by the name of their shared image ("parte",
// "suelo", "TilDer" and "TilIzq" from "marco", "marcoar", "mapa", ...). Filled once, only read
// afterwards.
class SharedPictures final : public PictureLoader {
  public:
    bool load(std::string_view slot, const QString& path) override;

    // The shared image; a null image for a name that was never loaded.
    const QImage& picture(std::string_view slot) const;

    // A picture composed of the shared ones (a screen's full-window frame), made on the first
    // request and then shared by every screen that asks for it by the same name: each screen
    // keeping its own 1024 x 768 copy would cost 3 MB per screen.
    const QPixmap& composed(std::string_view name, const std::function<QPixmap()>& compose) const;

    // Frees every picture (at exit).
    void release() {
        pictures_.clear();
        composed_.clear();
    }

    // A picture file read by its content, whatever its name ends with (the data folder's
    // pictures mostly have no ending at all). A null image when missing or no picture.
    static QImage LoadPicture(const QString& path);

  private:
    std::map<std::string, QImage, std::less<>> pictures_;
    mutable std::map<std::string, QPixmap, std::less<>> composed_;
};

}  // namespace velmora
