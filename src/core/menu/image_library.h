#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// One picture of an image library: its name, the size of one frame and how many frames stand
// side by side in the picture, and where its PNG lies in the file.
struct LibraryImage {
    std::string name;
    int width = 0;
    int height = 0;
    int frames = 1;
    size_t offset = 0;
    size_t length = 0;
};

// The scene's image libraries ("segdxg1.DXG", "vector.DXG") in the program's own format:
//
//     "VLMIMGS1", image count (u32)
//     per image: name length (u8), name (ASCII), frame width (u16), height (u16),
//                frames (u16), PNG length (u32), PNG
//
// little-endian. The core reads the index; the pictures are decoded by the ui.
class ImageLibrary {
  public:
    static constexpr std::string_view kMagic = "VLMIMGS1";
    static constexpr int kMaxImages = 1000;
    static constexpr int kMaxSide = 4096;
    static constexpr int kMaxFrames = 64;

    // Reads and checks the whole index. Throws DataError (file, reason; the line is the image's
    // number from 1) for a missing file, a file of another kind, an image that runs past the end
    // of the file, a repeated or empty name, a size out of range or a picture that is no PNG.
    static ImageLibrary Read(const QString& path);
    // The same over bytes already read; `path` names them in the errors.
    static ImageLibrary Parse(std::string bytes, const QString& path);

    const std::vector<LibraryImage>& images() const { return images_; }
    const LibraryImage* find(std::string_view name) const;
    // The PNG bytes of an image of this library.
    std::string_view picture(const LibraryImage& image) const;

  private:
    std::string bytes_;
    std::vector<LibraryImage> images_;
};

}  // namespace velmora
