#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/shared/screen_view.h"

namespace velmora {

class AddressOpener;
class Enlace;
struct DegreeTables;

// A degree with offerings whose cut-off mark reaches a threshold: how many do, and how many of
// its offerings have a mark at all.
struct HighCutOffRow {
    int degree = 0;
    int qualifying = 0;
    int marked = 0;
};

// ListHighCutOffs: every degree, in the order of the degrees table, that has at least one
// offering marked `threshold` tenths or more. An offering without a mark (10) counts nowhere.
// Every qualifying degree is kept, however many there are.
std::vector<HighCutOffRow> ListHighCutOffs(const DegreeTables& tables, int threshold);

// One offering of a degree: its place and its cut-off mark in tenths.
struct MarkedOffering {
    int place = 0;
    int mark = 0;
    friend bool operator==(const MarkedOffering&, const MarkedOffering&) = default;
};

// The offerings of degree d marked `threshold` tenths or more, in the order of its list.
std::vector<MarkedOffering> OfferingsReaching(const DegreeTables& tables, int degree,
                                              int threshold);

// The count column of a degree row: " 3  (12)", each number right-aligned in two characters.
std::string CountsText(int qualifying, int marked);

// Whether a file name is a PDF document's: its extension, from the last ".", is ".pdf" in any
// case.
bool IsPdfName(const QString& name);

// ListPdfDocuments: the names of the PDF documents of a folder (files only), in the alphabetical
// order of Spanish whatever the machine's language, case ignored. A missing or empty folder gives
// none.
QStringList ListPdfDocuments(const QString& folder);

// What TForm6 shows.
struct CutOffView {
    bool visible = false;          // the window
    bool cutOffPanel = false;      // PanelCorte
    bool weightingsPanel = false;  // PanelPonderacion
    QString windowTitle;

    // Captions.
    QString labelCorteSelecti;                // the cut-off panel's heading
    QString labelCorte1;                      // what the panel shows
    std::array<QString, 3> thresholdButtons;  // Buttoncorte6, Buttoncorte7, ButtonCorte8
    QString labelCorte2;                      // invitation to click a degree
    QString labelTotal;                       // heading over the counts
    QString closeButtons;                     // BotCerrar3, Botcerrar4
    QString labelPondera1;                    // the weightings panel's heading
    QString labelUni2;                        // over the list of documents
    QString labelUnis;                        // invitation to double-click a document

    QString labelMasde;   // the caption of the last threshold button pressed
    QString labelCorte3;  // the name of the degree last clicked

    bool degreesShown = false;                         // L
    std::vector<std::array<QString, 2>> degreeRows;    // L: the name (50 characters), the counts
    bool offeringsShown = false;                       // listcalc
    std::vector<std::array<QString, 2>> offeringRows;  // listcalc: the place, the mark

    QStringList documents;      // ListUnis
    int selectedDocument = -1;  // the list's selected row, -1 for none
};

// What changed since the widget last looked, and what it is asked to do once.
struct CutOffChanges : OwnedWindowChanges {
    enum Part : unsigned {
        Window = 1u << 0,     // visible
        Panels = 1u << 1,     // cutOffPanel, weightingsPanel
        Captions = 1u << 2,   // the fixed captions and the window title
        Labels = 1u << 3,     // labelMasde, labelCorte3
        Degrees = 1u << 4,    // degreesShown, degreeRows (L refilled, scrolled to its top)
        Offerings = 1u << 5,  // offeringsShown, offeringRows (listcalc refilled, no selection)
        Documents = 1u << 6,  // documents, selectedDocument
    };
};

// The model of TForm6, the window of cut-off marks and weighting documents that the degrees
// screen opens from its detail buttons: the cut-off panel lists the degrees with high cut-off
// marks for a chosen threshold and, for a clicked degree, where; the weightings panel lists the
// documents of the data folder's "pdf" folder and opens the one double-clicked.
class CutOffWindow {
  public:
    static constexpr int kThresholds[3] = {60, 80, 100};  // tenths: 6, 8 and 10 points
    static constexpr int kNameWidth = 50;
    static constexpr int kRowHeight = 18;
    static constexpr int kDocumentRowHeight = 16;
    static constexpr int kColumnWidths[2] = {340, 70};

    CutOffWindow(Enlace& enlace, AddressOpener& opener);

    // FormCreate: the captions from the text slots.
    void FormCreate();

    const CutOffView& view() const { return view_; }
    // The rows behind L (HighCutOffRows), kept until the next threshold is chosen; a row's
    // offerings are found again when it is clicked.
    const std::vector<HighCutOffRow>& highCutOffRows() const { return rows_; }

    // Called after every handler that changed something; the widget takes the changes.
    void setOnChange(std::function<void()> listener) { onChange_ = std::move(listener); }
    CutOffChanges takeChanges();

    // The degrees screen shows the window, then asks for one of the panels.
    void show();
    // Shows the cut-off panel as it was last left.
    void ShowCutOffPanel();
    // Shows the weightings panel with the documents of the "pdf" folder read again, the first
    // one selected.
    void ShowWeightingsPanel();

    void Buttoncorte6Click() { thresholdClick(0); }
    void Buttoncorte7Click() { thresholdClick(1); }
    void ButtonCorte8Click() { thresholdClick(2); }
    // A click on row `row` (from 0) of L.
    void LClick(int row);
    // A double click on ListUnis with row `row` (from 0) current.
    void ListUnisDblClick(int row);

    void BotCerrar3Click();
    void Botcerrar4Click();
    // Closed from its title bar.
    void FormClose();

    // The folder the weightings panel lists.
    QString documentsFolder() const;

  private:
    void thresholdClick(int index);
    void ListHighCutOffs(int threshold);
    void close();
    void touch(CutOffChanges::Part part) { changes_.parts |= part; }
    void notify();

    Enlace& enlace_;
    AddressOpener& opener_;
    CutOffView view_;
    CutOffChanges changes_;
    std::vector<HighCutOffRow> rows_;
    int threshold_ = 0;  // the one rows_ were found for
    std::function<void()> onChange_;
};

}  // namespace velmora
