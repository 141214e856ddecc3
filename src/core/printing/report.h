#pragma once

#include <QString>
#include <vector>

#include "core/printing/draw_ops.h"

namespace velmora {

// The two layouts: a single-column portrait report, and the three-column landscape list.
enum class ReportLayout { Text, List };

struct ReportLine {
    QString text;
    bool bold = false;
};

// A report ready to print: what a screen composed, decoded once into the program's own
// characters, with what the header shows. The printer it goes to decides the page metrics.
struct Report {
    ReportLayout layout = ReportLayout::Text;
    bool monospaced = false;
    int fontSize = 12;  // text layout only; the list prints at 8
    QString title;      // as composed; the text layout removes its surrounding blanks
    std::vector<ReportLine> lines;
    QString schoolName;
    QString headerLabel;
    QString year = QStringLiteral("2020/21");
    QString pictureName = QStringLiteral("chica.bmp");
    QString documentName = QStringLiteral("el Velmora");

    Orientation orientation() const {
        return layout == ReportLayout::List ? Orientation::Landscape : Orientation::Portrait;
    }
};

}  // namespace velmora
