#pragma once

#include <QRect>

class QTextEdit;
class QWidget;

namespace velmora {

struct RichText;

// Fills a rich-text box with what a model describes: each paragraph plain or as an item of a
// bulleted list, each run in its colour and weight, all in Arial at the text's size; then
// scrolls the box to its first line.
void ShowRichText(QTextEdit* box, const RichText& text);

// A rich-text box as the screens show them: read-only, Arial at `points` on light peach.
QTextEdit* MakeRichBox(QWidget* parent, const char* name, QRect geometry, int points);

}  // namespace velmora
