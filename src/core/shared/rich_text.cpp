#include "core/shared/rich_text.h"

#include <algorithm>

namespace velmora {
namespace {

bool WordCharacter(const QString& text, qsizetype at) {
    return at >= 0 && at < text.size() && text.at(at).isLetterOrNumber();
}

// Gives the characters [from, from + length) of the paragraph `colour` (and `bold`, when given),
// splitting the runs they cross.
void Recolour(RichParagraph& paragraph, qsizetype from, qsizetype length, Rgb colour,
              std::optional<bool> bold) {
    const qsizetype to = from + length;
    std::vector<RichRun> runs;
    qsizetype start = 0;
    for (RichRun& run : paragraph.runs) {
        const qsizetype end = start + run.text.size();
        const qsizetype a = std::max(start, from);
        const qsizetype b = std::min(end, to);
        if (a >= b) {
            runs.push_back(std::move(run));
        } else {
            if (a > start) runs.push_back({run.text.left(a - start), run.colour, run.bold});
            runs.push_back({run.text.mid(a - start, b - a), colour, bold.value_or(run.bold)});
            if (b < end) runs.push_back({run.text.mid(b - start), run.colour, run.bold});
        }
        start = end;
    }
    paragraph.runs = std::move(runs);
}

}  // namespace

QString RichParagraph::text() const {
    QString out;
    for (const RichRun& run : runs) out += run.text;
    return out;
}

void RichText::add(const QString& text, Rgb colour, bool bold, bool bullet) {
    RichParagraph paragraph;
    paragraph.bullet = bullet;
    if (!text.isEmpty()) paragraph.runs.push_back({text, colour, bold});
    paragraphs.push_back(std::move(paragraph));
}

void RichText::colourWord(const QString& word, Rgb colour, std::optional<bool> bold) {
    if (word.isEmpty()) return;
    for (RichParagraph& paragraph : paragraphs) {
        const QString text = paragraph.text();
        for (qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
             at = text.indexOf(word, at + 1, Qt::CaseInsensitive)) {
            if (WordCharacter(text, at - 1) || WordCharacter(text, at + word.size())) continue;
            Recolour(paragraph, at, word.size(), colour, bold);
        }
    }
}

}  // namespace velmora
