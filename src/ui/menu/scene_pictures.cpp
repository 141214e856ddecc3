#include "ui/menu/scene_pictures.h"

#include "core/menu/image_library.h"
#include "core/shared/data_error.h"
#include "core/shared/data_paths.h"

namespace velmora {

ScenePictures ScenePictures::Load(const DataPaths& paths) {
    ScenePictures out;
    const QString pathA = paths.dataFile(SceneLibraryFile(SceneLibrary::A));
    const QString pathB = paths.dataFile(SceneLibraryFile(SceneLibrary::B));
    try {
        const ImageLibrary a = ImageLibrary::Read(pathA);
        const ImageLibrary b = ImageLibrary::Read(pathB);
        out.sizes_ = SceneImageSizes(a, pathA, b, pathB);
        const auto& names = SceneImageNames();
        out.pictures_.reserve(names.size());
        for (size_t i = 0; i < names.size(); ++i) {
            const bool inA = names[i].library == SceneLibrary::A;
            const ImageLibrary& library = inA ? a : b;
            const LibraryImage& entry = *library.find(names[i].name);
            const std::string_view png = library.picture(entry);
            QImage picture = QImage::fromData(
                reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG");
            const QSize expected(entry.width * entry.frames, entry.height);
            if (picture.size() != expected) {
                out.error_ = QStringLiteral("%1: la imagen %2 no se puede leer o no mide %3 x %4")
                                 .arg(inA ? pathA : pathB,
                                      QString::fromStdString(names[i].name))
                                 .arg(expected.width())
                                 .arg(expected.height());
                out.pictures_.clear();
                return out;
            }
            // Pictures without transparency are copied rather than blended when drawn.
            picture = picture.convertToFormat(picture.hasAlphaChannel()
                                                  ? QImage::Format_ARGB32_Premultiplied
                                                  : QImage::Format_RGB32);
            out.pictures_.push_back(std::move(picture));
        }
    } catch (const DataError& error) {
        out.error_ = error.report();
        out.pictures_.clear();
    }
    return out;
}

QRect ScenePictures::frameRect(int index, int frame) const {
    const SceneImageSize& size = sizes_[static_cast<size_t>(index)];
    const int f = frame >= 0 && frame < size.frames ? frame : 0;
    return QRect(f * size.width, 0, size.width, size.height);
}

}  // namespace velmora
