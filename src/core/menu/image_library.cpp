#include "core/menu/image_library.h"

#include <set>

#include "core/shared/data_error.h"
#include "core/shared/text_file.h"

namespace velmora {
namespace {

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";

// Reads little-endian integers from the bytes, refusing to read past their end.
class Cursor {
  public:
    Cursor(const std::string& bytes, const QString& path) : bytes_(bytes), path_(path) {}

    size_t position() const { return at_; }
    size_t left() const { return bytes_.size() - at_; }

    unsigned take(int size, int image) {
        need(static_cast<size_t>(size), image);
        unsigned value = 0;
        for (int k = 0; k < size; ++k)
            value |= static_cast<unsigned>(static_cast<unsigned char>(bytes_[at_ + k])) << (8 * k);
        at_ += static_cast<size_t>(size);
        return value;
    }
    std::string_view view(size_t size, int image) {
        need(size, image);
        const std::string_view out(bytes_.data() + at_, size);
        at_ += size;
        return out;
    }

  private:
    void need(size_t size, int image) const {
        if (size <= left()) return;
        if (image == 0)
            throw DataError::Format(path_, 0, QStringLiteral("el fichero acaba antes de tiempo"));
        throw DataError::Format(path_, image,
                                QStringLiteral("la imagen %1 acaba fuera del fichero").arg(image));
    }

    const std::string& bytes_;
    const QString& path_;
    size_t at_ = 0;
};

}  // namespace

ImageLibrary ImageLibrary::Read(const QString& path) {
    return Parse(ReadFileBytes(path), path);
}

ImageLibrary ImageLibrary::Parse(std::string bytes, const QString& path) {
    ImageLibrary library;
    library.bytes_ = std::move(bytes);
    const std::string& data = library.bytes_;
    if (data.compare(0, kMagic.size(), kMagic) != 0)
        throw DataError::Format(path, 0, QStringLiteral("no es una biblioteca de imágenes"));
    Cursor in(data, path);
    in.view(kMagic.size(), 0);
    const unsigned count = in.take(4, 0);
    if (count > kMaxImages)
        throw DataError::Capacity(
            path, 0, QStringLiteral("tiene %1 imágenes y caben %2").arg(count).arg(kMaxImages));
    std::set<std::string, std::less<>> names;
    library.images_.reserve(count);
    for (int n = 1; n <= static_cast<int>(count); ++n) {
        LibraryImage image;
        const unsigned nameLength = in.take(1, n);
        image.name = std::string(in.view(nameLength, n));
        image.width = static_cast<int>(in.take(2, n));
        image.height = static_cast<int>(in.take(2, n));
        image.frames = static_cast<int>(in.take(2, n));
        image.length = in.take(4, n);
        image.offset = in.position();
        in.view(image.length, n);
        auto refuse = [&](const QString& reason) {
            return DataError::Format(path, n,
                                     QStringLiteral("la imagen %1 (%2) %3")
                                         .arg(n)
                                         .arg(QString::fromLatin1(image.name.data(),
                                                                  static_cast<qsizetype>(image.name.size())))
                                         .arg(reason));
        };
        if (image.name.empty()) throw refuse(QStringLiteral("no tiene nombre"));
        if (!names.insert(image.name).second) throw refuse(QStringLiteral("está repetida"));
        if (image.frames < 1 || image.frames > kMaxFrames)
            throw refuse(QStringLiteral("tiene %1 fotogramas").arg(image.frames));
        if (image.width < 1 || image.height < 1 || image.width * image.frames > kMaxSide ||
            image.height > kMaxSide)
            throw refuse(QStringLiteral("tiene un tamaño imposible"));
        if (std::string_view(data.data() + image.offset, image.length).substr(0, 8) != kPngSignature)
            throw refuse(QStringLiteral("no es un PNG"));
        library.images_.push_back(std::move(image));
    }
    if (in.left() != 0)
        throw DataError::Format(path, 0, QStringLiteral("sobran datos tras la última imagen"));
    return library;
}

const LibraryImage* ImageLibrary::find(std::string_view name) const {
    for (const LibraryImage& image : images_)
        if (image.name == name) return &image;
    return nullptr;
}

std::string_view ImageLibrary::picture(const LibraryImage& image) const {
    return std::string_view(bytes_).substr(image.offset, image.length);
}

}  // namespace velmora
