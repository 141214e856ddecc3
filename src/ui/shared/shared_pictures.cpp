#include "ui/shared/shared_pictures.h"

#include <QFile>
#include <QImageReader>

namespace velmora {
namespace {

// The formats the data folder's pictures come in, told by their first bytes. Naming the format
// keeps Qt from loading every image plugin it has to ask each one.
QByteArray FormatByContent(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray head = file.read(8);
    if (head.startsWith("BM")) return "bmp";
    if (head.startsWith("\x89PNG")) return "png";
    if (head.startsWith("GIF8")) return "gif";
    if (head.startsWith("\xFF\xD8\xFF")) return "jpeg";
    return {};
}

}  // namespace

QImage SharedPictures::LoadPicture(const QString& path) {
    const QByteArray format = FormatByContent(path);
    QImageReader reader(path, format);
    if (format.isEmpty()) {
        reader.setDecideFormatFromContent(true);
    } else {
        reader.setAutoDetectImageFormat(false);
    }
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

const QPixmap& SharedPictures::pixmap(std::string_view slot) const {
    auto found = pixmaps_.find(slot);
    if (found == pixmaps_.end())
        found = pixmaps_.emplace(std::string(slot), QPixmap::fromImage(picture(slot))).first;
    return found->second;
}

}  // namespace velmora
