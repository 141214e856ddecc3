#include "ui/shared/shared_pictures.h"

#include <QImageReader>

namespace velmora {

QImage SharedPictures::LoadPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

bool SharedPictures::load(std::string_view slot, const QString& path) {
    QImage image = LoadPicture(path);
    if (image.isNull()) return false;
    pictures_[std::string(slot)] = std::move(image);
    return true;
}

const QImage& SharedPictures::picture(std::string_view slot) const {
    static const QImage kNone;
    const auto found = pictures_.find(slot);
    return found == pictures_.end() ? kNone : found->second;
}

}  // namespace velmora
