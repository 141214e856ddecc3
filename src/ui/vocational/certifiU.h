#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "core/vocational/certificates_screen.h"
#include "ui/shared/section_screen.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace velmora {

class AddressOpener;
class Enlace;
class HelpPanelView;
class Printing;
class SharedPictures;
class ShadowLabel;

// What the certificates screen needs of the program.
struct CertificatesPlatform {
    Enlace& enlace;
    const SharedPictures& pictures;
    Printing& printing;
    AddressOpener& opener;
    // The screens created so far, by class name: where leaving this screen leads.
    std::function<QWidget*(std::string_view)> screen;
};

// TCertifica: the professional certificates. A student picks an area, a family (its
// certificates follow the pointer until a click keeps them) and a certificate, and sees its
// requirements, hours and description; the family's certificates are printed.
class TCertifica : public SectionScreen {
    Q_OBJECT

  public:
    explicit TCertifica(CertificatesPlatform platform, QWidget* parent = nullptr);
    ~TCertifica() override;

    CertificatesScreen& model() { return *model_; }

    QListWidget* ListSelFp;
    QListWidget* ListTitFP;
    QListWidget* ListFPExpli;
    QFrame* PanelSelTit0;
    QFrame* PanelSelTit1;
    QFrame* PanelSelTit2;
    QLabel* LabelTit1;
    QLabel* LabelTit2;
    QLabel* LabelTit3;
    QFrame* PanelResul;
    QLabel* LabelTitulo;
    QLabel* LabelReq;
    QLabel* LabelRequisitos;
    QLabel* LabelHor;
    QLabel* LabelHoras;
    QLabel* LabelDes;
    ShadowLabel* LabelCentro;
    QPushButton* BotRetrocederFP;
    QPushButton* BotImprimir;
    QPushButton* BotInternet;
    HelpPanelView* PanelAyuda;
    QTimer* TimerAyu;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void connectControls();
    template <typename Handler>
    void act(Handler&& handler);
    void apply(const CertificatesChanges& changes);
    void leave(LeaveTo where);

    CertificatesPlatform platform_;
    std::unique_ptr<CertificatesScreen> model_;
    std::array<QWidget*, kCertControlCount> controls_{};
};

}  // namespace velmora
