#pragma once

#include <QString>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/printing/report_buffer.h"
#include "core/shared/rich_text.h"
#include "core/shared/screen_view.h"

namespace velmora {

class Enlace;
class Printing;

// The controls of the catalogue of titles whose state the model decides.
enum class CatControl {
    ListFam,
    ListCat1,
    ListCat2,
    ListCat3,
    ListCat4,
    ListCat5,
    Label1,
    Label2,
    Label3,
    Label4,
    Label5,
    LabelFami,
    LabelAyu0,
    panelsel,
    ListSel,
    botcerrar,
    BotImprimir,
    BotRetroceder,
};
inline constexpr int kCatControlCount = static_cast<int>(CatControl::BotRetroceder) + 1;

std::string_view CatControlName(CatControl control);

// The five lists of a family, side by side.
enum class CatalogueList { Degrees, Higher, Intermediate, Basic, Certificates };
inline constexpr int kCatalogueLists = 5;

// What the catalogue shows.
struct CatalogueView {
    ControlStates<CatControl, kCatControlCount> controls;
    QString windowTitle;
    std::vector<Cell> familyRows;  // ListFam, with their icons
    int familySelected = -1;
    std::array<std::vector<Cell>, kCatalogueLists> lists;  // ListCat1..ListCat5
    // The details of the entry last clicked, and the list the panel stands by (under the first
    // three, above the last two).
    RichText details;
    CatalogueList detailsOf = CatalogueList::Degrees;
    int helpLeft = 0;  // LabelAyu0, which slides in
    bool sliding = false;
};

struct CatalogueChanges {
    enum Part : unsigned {
        Controls = 1u << 0,
        FamilyRows = 1u << 1,
        Lists = 1u << 2,
        Details = 1u << 3,      // new details: the panel comes back with them (roll)
        Places = 1u << 4,       // the help's left, the slide
        PanelClosed = 1u << 5,  // the panel rolls away
    };
    unsigned parts = 0;
    bool any() const { return parts != 0; }
    bool has(Part part) const { return (parts & part) != 0; }
};

// The catalogue of titles, TFormCat: for one professional family, its university degrees, its
// higher, intermediate and basic vocational titles and its professional certificates in five
// lists; an entry's requirements and jobs or subjects in a panel; the whole family printed.
class CatalogueScreen : public ScreenPublisher<CatalogueView, CatalogueChanges> {
  public:
    static constexpr int kHelpStart = 300;
    static constexpr int kHelpEnd = 100;
    static constexpr int kSlideStep = 4;
    static constexpr int kSlideInterval = 50;  // TimerAyu
    static constexpr int kTransitionMs = 300;
    static constexpr int kReportSize = 12;

    CatalogueScreen(Enlace& enlace, Printing& printing);

    // The families and the captions (every table the catalogue reads is loaded by then).
    void FormCreate();
    // Showing the screen: the help line slides in.
    void FormActivate();
    void tickSlide();

    void ListFamClick(int row);
    void ListCatClick(CatalogueList list, int row);
    // botcerrar, or a click on the background.
    void botcerrarClick();
    void BotImprimirMouseUp();
    LeaveTo BotRetrocederMouseUp();

    // The report of the family chosen (line 0 is its title); empty before a family is chosen.
    ResultReport FamilyReport() const;
    // What each row of a list stands for: a degree, title or certificate number, or 0 for an
    // information line.
    const std::vector<int>& entriesOf(CatalogueList list) const {
        return entries_[static_cast<size_t>(list)];
    }
    // The family chosen (1..26), 0 before any.
    int family() const { return family_; }

  private:
    void add(CatalogueList list, int entry, std::string_view text);
    void showDetails(CatalogueList list, std::vector<std::pair<std::string, bool>> lines);

    Enlace& enlace_;
    Printing& printing_;
    int family_ = 0;
    char key_ = 0;
    std::string familyName_;
    std::array<std::vector<int>, kCatalogueLists> entries_;
    std::array<std::vector<std::string>, kCatalogueLists> texts_;  // as the lists show them
};

}  // namespace velmora
