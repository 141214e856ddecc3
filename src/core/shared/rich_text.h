#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/shared/palette.h"

namespace velmora {

// A stretch of text in one colour and weight.
struct RichRun {
    QString text;
    Rgb colour;
    bool bold = false;

    friend bool operator==(const RichRun&, const RichRun&) = default;
};

// A paragraph of a rich-text box: plain or bulleted, made of runs.
struct RichParagraph {
    std::vector<RichRun> runs;
    bool bullet = false;

    // The paragraph's text, runs joined: what the box holds as its line.
    QString text() const;

    friend bool operator==(const RichParagraph&, const RichParagraph&) = default;
};

// What a rich-text box shows, as a model describes it: paragraphs of runs in the box's font
// (Arial) at `pointSize`. The widget renders it and scrolls the box to its first line.
struct RichText {
    int pointSize = 10;
    std::vector<RichParagraph> paragraphs;

    // Appends a paragraph of one run.
    void add(const QString& text, Rgb colour, bool bold, bool bullet);

    // Colours every occurrence of `word` that stands as a whole word (no letter or digit on
    // either side), compared without regard to case; weights are kept unless `bold` is given.
    void colourWord(const QString& word, Rgb colour, std::optional<bool> bold = std::nullopt);

    friend bool operator==(const RichText&, const RichText&) = default;
};

}  // namespace velmora
