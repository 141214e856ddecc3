#include "ui/shared/bienvenidaU.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QProgressBar>

#include "support/shots.h"
#include "support/temp_folder.h"
#include "ui/shared/shadow_label.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {
namespace {

using testing::SaveShot;
using testing::TempFolder;

// A picture file without an ending, as the data folder has them.
QString WritePicture(const TempFolder& folder, const QString& name, QSize size,
                     const char* format) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(120, 160, 210));
    const QString path = folder.file(name);
    EXPECT_TRUE(image.save(path, format));
    return path;
}

TEST(TBienvenidaTest, ShowsTheCoverTheSchoolTheYearAndTheProgress) {
    TempFolder folder;
    const QString cover = WritePicture(folder, QStringLiteral("portada"), {500, 500}, "BMP");
    TBienvenida splash(QStringLiteral("IES Rosalía de Castro"), cover);
    EXPECT_EQ(splash.objectName(), QStringLiteral("TBienvenida"));
    EXPECT_EQ(splash.size(), QSize(644, 586));
    EXPECT_FALSE(splash.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(splash.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(splash.palette().color(QPalette::Window), QColor(223, 236, 249));
    EXPECT_EQ(splash.Image2->geometry(), QRect(80, 32, 500, 500));
    EXPECT_FALSE(splash.Image2->pixmap().isNull());
    EXPECT_EQ(splash.label2->text(), QStringLiteral("IES Rosalía de Castro"));
    EXPECT_EQ(splash.label2->x(), 88);
    EXPECT_EQ(splash.label2->y(), 166);
    EXPECT_EQ(splash.label2->width(), 497);
    EXPECT_TRUE(splash.label2->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(splash.label1->text(), QStringLiteral("2020/21"));
    EXPECT_EQ(splash.label1->pos(), QPoint(290, 341));
    EXPECT_EQ(splash.label1->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(splash.ProgressBar1->geometry(), QRect(232, 544, 193, 17));
    EXPECT_EQ(splash.ProgressBar1->value(), 5);
    // A long name gets a smaller font, never a cut.
    TBienvenida longName(
        QStringLiteral("Institut d'Educació Secundària Joan Maragall i Gorina de Barcelona"),
        cover);
    EXPECT_LE(QFontMetrics(longName.label2->font()).horizontalAdvance(longName.label2->text()),
              longName.label2->width());
    EXPECT_EQ(longName.label2->width(), 497);
    splash.setProgress(40);
    EXPECT_EQ(splash.ProgressBar1->value(), 40);
    SaveShot(splash, "splash");
}

TEST(TBienvenidaTest, WithoutACoverThePictureStaysEmpty) {
    TempFolder folder;
    TBienvenida splash(QString(), folder.file(QStringLiteral("portada")));
    EXPECT_TRUE(splash.Image2->pixmap().isNull());
    EXPECT_TRUE(splash.label2->text().isEmpty());
}

TEST(SharedPicturesTest, PicturesAreReadByContentWhateverTheirName) {
    TempFolder folder;
    SharedPictures pictures;
    const QString png = WritePicture(folder, QStringLiteral("mapa.bmp"), {281, 196}, "PNG");
    EXPECT_TRUE(pictures.load("mapa", png));
    EXPECT_EQ(pictures.picture("mapa").size(), QSize(281, 196));
    EXPECT_TRUE(
        pictures.load("suelo", WritePicture(folder, QStringLiteral("suelo"), {10, 10}, "BMP")));
    EXPECT_FALSE(pictures.load("parte", folder.write(QStringLiteral("parte"), "no picture")));
    EXPECT_FALSE(pictures.load("marco", folder.file(QStringLiteral("marco"))));
    EXPECT_TRUE(pictures.picture("parte").isNull());
    pictures.release();
    EXPECT_TRUE(pictures.picture("mapa").isNull());
}

}  // namespace
}  // namespace velmora
