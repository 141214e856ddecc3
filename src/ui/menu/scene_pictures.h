#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "core/menu/scene_images.h"

namespace velmora {

class DataPaths;

// The scene's pictures, decoded from its two image libraries, by SceneImageNames() index.
class ScenePictures {
  public:
    // Reads both libraries of the data folder. On failure the pictures are empty and error()
    // says which file and why.
    static ScenePictures Load(const DataPaths& paths);

    bool ok() const { return error_.isEmpty(); }
    const QString& error() const { return error_; }
    const std::vector<SceneImageSize>& sizes() const { return sizes_; }
    // Frame `frame` of image `index` is the picture's rectangle frameRect(index, frame).
    const QImage& picture(int index) const { return pictures_[static_cast<size_t>(index)]; }
    QRect frameRect(int index, int frame) const;

  private:
    std::vector<SceneImageSize> sizes_;
    std::vector<QImage> pictures_;
    QString error_;
};

}  // namespace velmora
