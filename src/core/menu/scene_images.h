#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class DataPaths;
class ImageLibrary;

// The scene's two image libraries in the data folder: A holds the girl's frames and the
// screen's panel, B the building.
enum class SceneLibrary { A, B };
QString SceneLibraryFile(SceneLibrary library);  // "segdxg1.DXG", "vector.DXG"
// Both libraries are in the data folder: the scene may be offered.
bool SceneLibrariesPresent(const DataPaths& paths);

struct SceneImageName {
    std::string name;
    SceneLibrary library;
};

// Every image the scene names, in a fixed order; the scene and its painter refer to an image
// by its index here.
const std::vector<SceneImageName>& SceneImageNames();
// The index of a named image; -1 when the scene names no such image.
int SceneImageIndex(std::string_view name);

struct SceneImageSize {
    int width = 0;
    int height = 0;
    int frames = 1;
};

// Throws DataError (the library's path) for the first image of `library` the scene names and
// the library lacks.
void RequireSceneImages(SceneLibrary library, const ImageLibrary& images, const QString& path);

// The size of every image the scene names, by index, from its library. Throws DataError naming
// the library and the first image it lacks.
std::vector<SceneImageSize> SceneImageSizes(const ImageLibrary& a, const QString& pathA,
                                            const ImageLibrary& b, const QString& pathB);

}  // namespace velmora
