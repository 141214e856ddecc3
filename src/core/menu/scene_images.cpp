#include "core/menu/scene_images.h"

#include <QFileInfo>
#include <array>
#include <unordered_map>

#include "core/menu/image_library.h"
#include "core/shared/data_error.h"
#include "core/shared/data_paths.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 8> kWalkSeries = {
    "mandown", "manup", "mander", "manizq", "manupder", "manupizq", "mandoder", "mandoizq"};

std::vector<SceneImageName> BuildNames() {
    std::vector<SceneImageName> names;
    using enum SceneLibrary;
    for (std::string_view series : kWalkSeries)
        for (int k = 1; k <= 10; ++k)
            names.push_back({std::string(series) + (k < 10 ? "0" : "") + std::to_string(k), A});
    for (const char* name :
         {"lupa", "lupa2", "zoomC", "diana", "diana2", "puertaS", "puertaS2", "puerta22"})
        names.push_back({name, A});
    for (int k = 1; k <= 6; ++k) names.push_back({"circ" + std::to_string(k), A});
    for (const char* name :
         {"background", "paredEx", "pared", "paredUp", "lateral1", "lateral2", "lateralPaso",
          "puertaB", "puertab", "puer3", "faraon1", "faraon2", "rotulos", "rotulo1", "rotulo2",
          "tabla1", "bocadillo", "zoom", "antorcha"})
        names.push_back({name, B});
    return names;
}

}  // namespace

QString SceneLibraryFile(SceneLibrary library) {
    return library == SceneLibrary::A ? QStringLiteral("segdxg1.DXG") : QStringLiteral("vector.DXG");
}

bool SceneLibrariesPresent(const DataPaths& paths) {
    return QFileInfo(paths.dataFile(SceneLibraryFile(SceneLibrary::A))).isFile() &&
           QFileInfo(paths.dataFile(SceneLibraryFile(SceneLibrary::B))).isFile();
}

const std::vector<SceneImageName>& SceneImageNames() {
    static const std::vector<SceneImageName> names = BuildNames();
    return names;
}

int SceneImageIndex(std::string_view name) {
    static const std::unordered_map<std::string_view, int> index = [] {
        std::unordered_map<std::string_view, int> map;
        const auto& names = SceneImageNames();
        for (size_t i = 0; i < names.size(); ++i) map.emplace(names[i].name, static_cast<int>(i));
        return map;
    }();
    const auto found = index.find(name);
    return found == index.end() ? -1 : found->second;
}

void RequireSceneImages(SceneLibrary library, const ImageLibrary& images, const QString& path) {
    for (const SceneImageName& name : SceneImageNames()) {
        if (name.library != library || images.find(name.name)) continue;
        throw DataError::Format(path, 0,
                                QStringLiteral("falta la imagen %1")
                                    .arg(QString::fromLatin1(name.name.data(),
                                                             static_cast<qsizetype>(name.name.size()))));
    }
}

std::vector<SceneImageSize> SceneImageSizes(const ImageLibrary& a, const QString& pathA,
                                            const ImageLibrary& b, const QString& pathB) {
    RequireSceneImages(SceneLibrary::A, a, pathA);
    RequireSceneImages(SceneLibrary::B, b, pathB);
    std::vector<SceneImageSize> sizes;
    for (const SceneImageName& name : SceneImageNames()) {
        const LibraryImage* image = (name.library == SceneLibrary::A ? a : b).find(name.name);
        sizes.push_back({image->width, image->height, image->frames});
    }
    return sizes;
}

}  // namespace velmora
