#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/guidance/help_panel.h"
#include "core/printing/report_buffer.h"
#include "core/shared/screen_view.h"

namespace velmora {

class AddressOpener;
class Enlace;
class Printing;

// The controls of the certificates screen whose state the model decides.
enum class CertControl {
    ListSelFp,
    ListTitFP,
    ListFPExpli,
    PanelSelTit0,
    PanelSelTit1,
    PanelSelTit2,
    LabelTit1,
    LabelTit2,
    LabelTit3,
    PanelResul,
    LabelTitulo,
    LabelReq,
    LabelRequisitos,
    LabelHor,
    LabelHoras,
    LabelDes,
    LabelCentro,
    BotRetrocederFP,
    BotImprimir,
    BotInternet,
};
inline constexpr int kCertControlCount = static_cast<int>(CertControl::BotInternet) + 1;

std::string_view CertControlName(CertControl control);

// What the certificates screen shows.
struct CertificatesView {
    ControlStates<CertControl, kCertControlCount> controls;
    QString windowTitle;
    // ListSelFp: the nine areas; ListTitFP: an area's families; ListFPExpli: a family's
    // certificates. Each with its selected row (-1 for none).
    std::vector<Cell> areaRows;
    int areaSelected = -1;
    std::vector<Cell> familyRows;
    int familySelected = -1;
    std::vector<Cell> certificateRows;
    int certificateSelected = -1;
    // Heights and tops in the window: the families' list, and the certificates' list with its
    // caption bar, which stand beside the family under the pointer.
    int familyListHeight = 0;
    int certificateListTop = 0;
    int certificateListHeight = 0;
    int certificateCaptionTop = 0;
    // The lefts of LabelTit1..3 in their caption bars, which slide in.
    std::array<int, 3> captionLefts{};
    bool sliding = false;  // TimerAyu
};

struct CertificatesChanges {
    enum Part : unsigned {
        Controls = 1u << 0,  // visibility, captions, window title
        AreaRows = 1u << 1,
        FamilyRows = 1u << 2,
        CertificateRows = 1u << 3,
        Places = 1u << 4,  // list heights and tops, caption lefts, sliding
        Help = 1u << 5,
    };
    unsigned parts = 0;
    bool any() const { return parts != 0; }
    bool has(Part part) const { return (parts & part) != 0; }
};

// The certificates screen, TCertifica: the nine areas of professional certificates, the
// families of an area, the certificates of the family under the pointer (a click keeps them),
// and a certificate's access requirements, hours and description. The families' certificates
// are printed, and a button opens the public employment service's page on certificates.
class CertificatesScreen : public ScreenPublisher<CertificatesView, CertificatesChanges> {
  public:
    // Where the lists stand, for the places the model computes.
    static constexpr int kListTop = 140;             // ListSelFp and ListTitFP
    static constexpr int kAreaRowHeight = 30;        // ListSelFp
    static constexpr int kRowHeight = 17;            // ListTitFP, ListFPExpli
    static constexpr int kCaptionHeight = 32;        // PanelSelTit0..2
    static constexpr int kCertificatesBottom = 570;  // the details panel lies below
    static constexpr std::array<int, 3> kCaptionWidths = {440, 440, 516};
    static constexpr int kSlideInterval = 50;  // TimerAyu
    static constexpr int kReportSize = 12;
    // The page on professional certificates, on the public employment service's site.
    static constexpr const char* kCertificatesPage =
        "/HomeSepe/Personas/formacion/certificados-profesionalidad.html";

    CertificatesScreen(Enlace& enlace, Printing& printing, AddressOpener& opener);

    // FormCreate: the areas and the captions (the certificates were loaded at the screen's place
    // in the start-up).
    void FormCreate();
    // Showing the screen: the areas' caption slides in after the help is told.
    void FormActivate();

    const HelpPanel& help() const { return help_; }
    HelpPanel& help() { return help_; }

    // The pointer over a row of the areas (-1: none), and a click on one.
    void ListSelFpMouseMove(int row);
    void ListSelFpMouseUp(int row);
    // The pointer over a family, and a click on one.
    void ListTitFPMouseMove(int row);
    void ListTitFPMouseUp(int row);
    void ListFPExpliMouseUp(int row);
    void BotImprimirClick();
    void BotInternetMouseUp();
    // A step back; where the screen is left for when it is left.
    std::optional<LeaveTo> BotRetrocederFPClick();
    // Closing the window: a step back, then the screen is left.
    LeaveTo FormClose();

    // The help has been told: the captions start sliding (TimerAyu).
    void helpFinished();
    void tickSlide();

    // The report of the certificates listed (line 0 is its title).
    ResultReport CertificatesReport() const;
    // The entry numbers of the families and the certificates listed.
    const std::vector<int>& familyEntries() const { return familyEntries_; }
    const std::vector<int>& certificateEntries() const { return certificateEntries_; }

  private:
    void setPlaces();
    void listCertificates(int row);
    void showAreas();
    std::vector<Cell> Rows(const std::vector<std::string>& texts) const;

    Enlace& enlace_;
    Printing& printing_;
    AddressOpener& opener_;
    HelpPanel help_;
    bool areaChosen_ = false;  // the areas no longer follow the pointer
    int hoverArea_ = -1;
    int hoverFamily_ = -1;  // the family whose certificates are listed
    bool frozen_ = false;
    std::vector<int> familyEntries_;       // FamilyLines
    std::vector<int> certificateEntries_;  // CertLines
};

}  // namespace velmora
