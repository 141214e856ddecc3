#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
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

    // The shared image as a pixmap, converted on the first request and then kept: the screens
    // paint their backgrounds tile by tile from it. A null pixmap for a name never loaded.
    const QPixmap& pixmap(std::string_view slot) const;

    // Frees every picture (at exit).
    void release() {
        pictures_.clear();
        pixmaps_.clear();
    }

    // A picture file read by its content, whatever its name ends with (the data folder's
    // pictures mostly have no ending at all). A null image when missing or no picture.
    static QImage LoadPicture(const QString& path);

  private:
    std::map<std::string, QImage, std::less<>> pictures_;
    mutable std::map<std::string, QPixmap, std::less<>> pixmaps_;
};

}  // namespace velmora
