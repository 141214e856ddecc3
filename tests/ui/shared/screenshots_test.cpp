// Not a check: with VELMORA_SCREENSHOTS set to a folder, draws the three maps with their
// markers, the icon lists and the main menu's facade into PNG files there, to be looked at.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>

#include "core/shared/region_maps.h"
#include "support/recording_messages.h"
#include "ui/shared/drawing.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/region_map_view.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {
namespace {

const QString kData = QStringLiteral(VELMORA_BUNDLED_DATA);

TEST(ScreenshotsTest, DrawsTheMapsIconsAndFacadeWhenAsked) {
    const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to get the pictures";
    QDir().mkpath(folder);
    testing::RecordingMessages messages;
    bool stop = false;
    RegionMaps maps;
    maps.SetMarkerPoints();
    ASSERT_TRUE(maps.LoadRegionGrids(kData + QStringLiteral("puntos3"), messages, stop));

    RegionMapView communities(maps, RegionMap::Communities);
    communities.setPicture(SharedPictures::LoadPicture(kData + QStringLiteral("mapa")));
    maps.markerFlags.fill(true);
    for (int k = 0; k < 5; ++k) communities.stepMarkers();
    communities.grab().scaled(communities.size() * 3).save(folder + QStringLiteral("/mapa.png"));
    for (const auto& [map, name] :
         {std::pair{RegionMap::C, "mapac"}, std::pair{RegionMap::M, "mapam"}}) {
        RegionMapView view(maps, map);
        view.setPicture(SharedPictures::LoadPicture(kData + QLatin1String(name)));
        view.grab()
            .scaled(view.size() * 3)
            .save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    }

    const PictureList& icons = ImageListIconos();
    QImage strip(11 * 40, 4 * 40, QImage::Format_RGB32);
    strip.fill(QColor(255, 239, 206));
    {
        QPainter p(&strip);
        for (int k = 0; k < icons.count(); ++k)
            icons.draw(p, QPoint(k % 11 * 40 + 5, k / 11 * 40 + 5), k);
    }
    strip.scaled(strip.size() * 2).save(folder + QStringLiteral("/iconos.png"));

    QImage menu(1024, 768, QImage::Format_RGB32);
    TileImage(menu, SharedPictures::LoadPicture(kData + QStringLiteral("parte")));
    {
        QPainter p(&menu);
        MenuWalkingFrames().draw(p, QPoint(100, 235), 3);
        p.drawImage(QPoint(236, 160), BubblePicture());
        p.drawImage(
            QPoint(913, 288),
            SharedPictures::LoadPicture(kData + QStringLiteral("rotulon.bmp")).scaled(97, 57));
        // Where the door labels go.
        p.setPen(QColor(0, 0, 128));
        for (const QPoint at :
             {QPoint(59, 100), QPoint(232, 90), QPoint(410, 100), QPoint(579, 100),
              QPoint(757, 100), QPoint(928, 100), QPoint(41, 500), QPoint(218, 500),
              QPoint(408, 480), QPoint(584, 480), QPoint(753, 490), QPoint(930, 500)}) {
            p.fillRect(QRect(at, QSize(80, 18)), QColor(255, 255, 225));
            p.drawText(QRect(at, QSize(80, 18)), Qt::AlignCenter, QStringLiteral("Puerta"));
        }
    }
    menu.save(folder + QStringLiteral("/menu.png"));
}

}  // namespace
}  // namespace velmora
