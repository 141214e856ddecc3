#include "core/guidance/help_panel.h"

#include <string_view>

#include "core/shared/cp1252.h"
#include "core/shared/interface_texts.h"

namespace velmora {

HelpPanel::Set HelpPanel::Lines(std::initializer_list<int> texts) {
    Set set{};
    size_t k = 0;
    for (const int text : texts)
        if (k < set.size()) set[k++] = text;
    return set;
}

void HelpPanel::show(const Set& set, const InterfaceTexts& texts) {
    std::array<QString, kLines> lines;
    for (size_t k = 0; k < lines.size(); ++k) {
        // A help line holds at most 35 characters.
        lines[k] =
            set[k] > 0 ? cp1252::Decode(std::string_view(texts[set[k]]).substr(0, 35)) : QString();
    }
    show(lines);
}

void HelpPanel::show(const std::array<QString, kLines>& lines) {
    lines_ = lines;
    for (QString& shown : shown_) shown.clear();
    typed_ = 0;
    frame_ = 0;
    visible_ = true;
    running_ = true;
}

void HelpPanel::tick() {
    if (!running_) return;
    if (typed_ >= kLines) {
        running_ = false;
        typed_ = 0;
        frame_ = 0;
        return;
    }
    shown_[static_cast<size_t>(typed_)] = lines_[static_cast<size_t>(typed_)];
    frame_ = typed_;
    ++typed_;
}

}  // namespace velmora
