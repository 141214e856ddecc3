#include "ui/shared/bienvenidaU.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>

#include "ui/shared/look.h"
#include "ui/shared/shadow_label.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {

TBienvenida::TBienvenida(const QString& schoolName, const QString& cover, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("TBienvenida"));
    setWindowTitle(QStringLiteral("Velmora 2020/21"));
    setFixedSize(644, 586);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(PaletteColour::PaleBlue));
    setPalette(colours);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(80, 32, 500, 500);
    QImage picture = SharedPictures::LoadPicture(cover);
    if (!picture.isNull()) Image2->setPixmap(QPixmap::fromImage(std::move(picture)));

    label2 = new ShadowLabel(this);
    label2->setObjectName(QStringLiteral("label2"));
    label2->setFont(ArialFont(18, true));
    label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label2->setGeometry(88, 166, 497, 34);
    label2->setText(schoolName);
    ShrinkFontToFit(label2);

    label1 = new ShadowLabel(this);
    label1->setObjectName(QStringLiteral("label1"));
    label1->setFont(ArialFont(20, true));
    label1->setText(QStringLiteral("2020/21"));
    label1->move(290, 341);
    label1->adjustSize();
    label1->resize(label1->width() + 2, label1->height() + 2);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(232, 544, 193, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(5);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TBienvenida::setProgress(int value) {
    ProgressBar1->setValue(value);
    ProgressBar1->repaint();
}

void TBienvenida::showNow() {
    show();
    raise();
    repaint();
    QCoreApplication::processEvents();
}

}  // namespace velmora
