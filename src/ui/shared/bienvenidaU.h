#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace velmora {

class ShadowLabel;

// TBienvenida: the splash shown while the screens are created, with the school's name, the
// school year and the progress of the start-up.
class TBienvenida : public QWidget {
    Q_OBJECT
  public:
    // `cover` is the data folder's "portada"; the picture stays empty when it is missing.
    TBienvenida(const QString& schoolName, const QString& cover, QWidget* parent = nullptr);

    void setProgress(int value);
    // Shows the splash and paints it at once, before the start-up goes on.
    void showNow();

    QLabel* Image2;
    ShadowLabel* label2;
    ShadowLabel* label1;
    QProgressBar* ProgressBar1;
};

}  // namespace velmora
