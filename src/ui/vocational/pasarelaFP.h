#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "core/vocational/cutoff_window.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace velmora {

class AddressOpener;
class Enlace;
struct CutOffChanges;

// TForm6: the window of cut-off marks and weighting documents. The degrees screen hides itself
// and shows it on one of its two panels: the degrees with high cut-off marks for a threshold of
// 6, 8 or 10 points and where they are offered, or the weighting documents of the universities,
// opened with a double click. Closing it shows the degrees screen again.
class TForm6 : public QWidget {
    Q_OBJECT

  public:
    TForm6(Enlace& enlace, AddressOpener& opener, QWidget* parent = nullptr);
    ~TForm6() override;

    CutOffWindow& model() { return *model_; }

    // The screen that opens this window and that closing it shows again.
    void setOwner(QWidget* screen) { owner_ = screen; }

    QFrame* PanelCorte;
    QLabel* Imagecorte;
    QLabel* LabelCorteSelecti;
    QLabel* LabelCorte1;
    QPushButton* Buttoncorte6;
    QPushButton* Buttoncorte7;
    QPushButton* ButtonCorte8;
    QLabel* LabelCorte2;
    QLabel* LabelTotal;
    QLabel* LabelMasde;
    QLabel* LabelCorte3;
    QTableWidget* L;
    QTableWidget* listcalc;
    QPushButton* BotCerrar3;

    QFrame* PanelPonderacion;
    QLabel* ImagePonderacion;
    QFrame* PanelPonderacion2;
    QLabel* LabelPondera1;
    QLabel* LabelUni2;
    QLabel* LabelUnis;
    QListWidget* ListUnis;
    QPushButton* Botcerrar4;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void createCutOffPanel(const QPixmap& background);
    void createWeightingsPanel(const QPixmap& background);
    void connectControls();
    // Shows what the model changed.
    void apply(const CutOffChanges& changes);
    void applyCaptions();

    std::unique_ptr<CutOffWindow> model_;
    QPointer<QWidget> owner_;
    bool applying_ = false;
    bool closing_ = false;  // closed from its title bar: Qt hides it
};

}  // namespace velmora
