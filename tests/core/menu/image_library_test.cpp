#include "core/menu/image_library.h"

#include <gtest/gtest.h>

#include <cctype>

#include "core/menu/scene_images.h"
#include "support/refused.h"

namespace velmora {
namespace {

using testing::Refused;

const QString kBundled = QStringLiteral(VELMORA_BUNDLED_DATA);
const std::string kPng = "\x89PNG\r\n\x1a\nrest";

std::string Le(unsigned value, int size) {
    std::string out;
    for (int k = 0; k < size; ++k) out += static_cast<char>((value >> (8 * k)) & 0xff);
    return out;
}

struct Entry {
    std::string name;
    unsigned width = 10;
    unsigned height = 20;
    unsigned frames = 1;
    std::string picture = kPng;
};

std::string Library(const std::vector<Entry>& entries, std::string magic = "VLMIMGS1") {
    std::string out = magic + Le(static_cast<unsigned>(entries.size()), 4);
    for (const Entry& e : entries) {
        out += Le(static_cast<unsigned>(e.name.size()), 1) + e.name;
        out += Le(e.width, 2) + Le(e.height, 2) + Le(e.frames, 2);
        out += Le(static_cast<unsigned>(e.picture.size()), 4) + e.picture;
    }
    return out;
}

TEST(ImageLibraryTest, ReadsEveryImageWithItsSizeAndPicture) {
    const ImageLibrary library =
        ImageLibrary::Parse(Library({{"lupa", 48, 48, 1}, {"antorcha", 28, 48, 4, kPng + "x"}}),
                            QStringLiteral("lib"));
    ASSERT_EQ(library.images().size(), 2u);
    const LibraryImage* torch = library.find("antorcha");
    ASSERT_NE(torch, nullptr);
    EXPECT_EQ(torch->width, 28);
    EXPECT_EQ(torch->height, 48);
    EXPECT_EQ(torch->frames, 4);
    EXPECT_EQ(library.picture(*torch), kPng + "x");
    EXPECT_EQ(library.find("lupa2"), nullptr);
}

struct Broken {
    const char* what;
    std::string bytes;
    int image;  // the image the error names (0: the whole file)
    const char* says;
};

class BrokenLibraryTest : public ::testing::TestWithParam<Broken> {};

TEST_P(BrokenLibraryTest, IsRefusedNamingTheImage) {
    const Broken& b = GetParam();
    const DataError error =
        Refused([&] { ImageLibrary::Parse(b.bytes, QStringLiteral("segdxg1.DXG")); });
    EXPECT_EQ(error.file(), QStringLiteral("segdxg1.DXG"));
    EXPECT_EQ(error.line(), b.image);
    EXPECT_TRUE(error.reason().contains(QString::fromUtf8(b.says)))
        << error.reason().toStdString();
}

std::string Truncated(std::string bytes, size_t cut) {
    bytes.resize(bytes.size() - cut);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, BrokenLibraryTest,
    ::testing::Values(
        Broken{"empty", "", 0, "no es una biblioteca"},
        Broken{"another kind of file", Library({{"a"}}, "TPicture"), 0, "no es una biblioteca"},
        Broken{"no image count", "VLMIMGS1\x01", 0, "antes de tiempo"},
        Broken{"picture cut short", Truncated(Library({{"a"}, {"b"}}), 3), 2, "fuera del fichero"},
        Broken{"count beyond the images", "VLMIMGS1" + Le(2, 4) + Library({{"a"}}).substr(12), 2,
               "fuera del fichero"},
        Broken{"too many images", "VLMIMGS1" + Le(1001, 4), 0, "caben 1000"},
        Broken{"repeated name", Library({{"a"}, {"b"}, {"a"}}), 3, "repetida"},
        Broken{"no name", Library({{"a"}, {""}}), 2, "no tiene nombre"},
        Broken{"no width", Library({{"a", 0}}), 1, "tamaño imposible"},
        Broken{"wider than allowed", Library({{"a", 1100, 10, 4}}), 1, "tamaño imposible"},
        Broken{"no frames", Library({{"a", 10, 10, 0}}), 1, "0 fotogramas"},
        Broken{"too many frames", Library({{"a", 10, 10, 65535}}), 1, "65535 fotogramas"},
        Broken{"no PNG", Library({{"a", 10, 10, 1, "GIF89a......"}}), 1, "no es un PNG"},
        Broken{"bytes after the last image", Library({{"a"}}) + "zz", 0, "sobran datos"}),
    [](const auto& param) {
        std::string name = param.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(SceneImagesTest, TheBundledLibrariesHoldEveryImageTheSceneNames) {
    const QString a = kBundled + SceneLibraryFile(SceneLibrary::A);
    const QString b = kBundled + SceneLibraryFile(SceneLibrary::B);
    const std::vector<SceneImageSize> sizes =
        SceneImageSizes(ImageLibrary::Read(a), a, ImageLibrary::Read(b), b);
    ASSERT_EQ(sizes.size(), SceneImageNames().size());
    auto size = [&](const char* name) { return sizes[static_cast<size_t>(SceneImageIndex(name))]; };
    // The places the scene computes rely on these sizes.
    EXPECT_EQ(size("mandoizq07").width, 72);
    EXPECT_EQ(size("mandoizq07").height, 168);
    EXPECT_EQ(size("antorcha").frames, 4);
    EXPECT_EQ(size("puertab").width, size("puerta22").width);
    EXPECT_EQ(size("puer3").height, size("puertaB").height);
}

TEST(SceneImagesTest, ALibraryWithoutAnImageIsRefusedNamingIt) {
    const ImageLibrary a =
        ImageLibrary::Parse(Library({{"lupa"}}), QStringLiteral("segdxg1.DXG"));
    const DataError error = Refused([&] {
        SceneImageSizes(a, QStringLiteral("segdxg1.DXG"), a, QStringLiteral("vector.DXG"));
    });
    EXPECT_EQ(error.file(), QStringLiteral("segdxg1.DXG"));
    EXPECT_EQ(error.reason(), QStringLiteral("falta la imagen mandown01"));
    EXPECT_EQ(SceneImageIndex("no such image"), -1);
}

}  // namespace
}  // namespace velmora
