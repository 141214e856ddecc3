#include "core/university/degree_diagram.h"

#include <algorithm>

#include "core/menu/menu_texts.h"
#include "core/shared/interface_texts.h"

namespace velmora {
namespace {

using Kind = DegreeDiagramShape::Kind;

// LabelG0..LabelG12, then LabelGT.
constexpr DegreeDiagramLabel kLabels[] = {
    {"LabelG0", {0, 18, 1024, 44}, 24, true},     {"LabelG1", {215, 388, 160, 30}, 16, true},
    {"LabelG2", {390, 388, 180, 24}, 11, false},  {"LabelG3", {390, 416, 180, 24}, 11, false},
    {"LabelG4", {204, 532, 292, 46}, 10, true},   {"LabelG5", {762, 413, 196, 30}, 13, true},
    {"LabelG6", {404, 314, 230, 28}, 12, true},   {"LabelG7", {203, 452, 92, 22}, 9, false},
    {"LabelG8", {215, 210, 160, 30}, 16, true},   {"LabelG9", {522, 532, 136, 46}, 10, true},
    {"LabelG10", {762, 225, 196, 30}, 13, true},  {"LabelG11", {390, 210, 180, 24}, 11, false},
    {"LabelG12", {390, 242, 180, 24}, 11, false}, {"LabelGT", {146, 96, 32, 488}, 13, true},
};
constexpr size_t kLabelCount = std::size(kLabels);

// Interface texts of each label: one, or two joined by a blank (0: none).
constexpr int kLabelTexts[kLabelCount][2] = {
    {502, 0},   {522, 0}, {670, 664}, {667, 665}, {552, 0},   {550, 0},   {466, 0},
    {666, 665}, {551, 0}, {485, 0},   {550, 0},   {668, 664}, {669, 665}, {671, 0},
};

constexpr DegreeDiagramShape kShapes[] = {
    {Kind::Board, {130, 80, 880, 510}},
    // Access: the two ways in, and their arrows up to the Grado.
    {Kind::Box, {200, 530, 300, 50}},
    {Kind::Box, {520, 530, 140, 50}},
    {Kind::Arrow, {QPoint(350, 528), QPoint(350, 487)}},
    {Kind::Arrow, {QPoint(590, 528), QPoint(566, 487)}},
    // The Grado and its four years.
    {Kind::Box, {200, 378, 380, 100}},
    {Kind::YearMark, {200, 448, 95, 30}},
    {Kind::YearMark, {295, 448, 95, 30}},
    {Kind::YearMark, {390, 448, 95, 30}},
    {Kind::YearMark, {485, 448, 95, 30}},
    // From the Grado to work, or on to the Máster.
    {Kind::Arrow, {QPoint(582, 428), QPoint(758, 428)}},
    {Kind::Box, {760, 400, 200, 56}},
    {Kind::Arrow, {QPoint(390, 376), QPoint(390, 283)}},
    // The Máster, then work or the doctorate.
    {Kind::Box, {200, 200, 380, 80}},
    {Kind::Arrow, {QPoint(582, 240), QPoint(758, 240)}},
    {Kind::Box, {760, 212, 200, 56}},
    {Kind::Arrow, {QPoint(390, 198), QPoint(390, 108)}},
};

constexpr std::array<QRect, DegreeDiagram::kCovers> kCoverRects = {
    QRect(190, 374, 392, 110),  // PanelMueve1: the Grado
    QRect(582, 374, 40, 110),   // panelmueve2: the start of the way to work
    QRect(622, 374, 380, 110),  // Panelmueve3: the way to work and the world of work
    QRect(190, 286, 460, 88),   // Panelmueve4: deciding one's way
    QRect(190, 196, 392, 90),   // Panelmueve5: the Máster
    QRect(582, 196, 420, 90),   // Panelmueve6: from the Máster to work
    QRect(190, 92, 420, 104),   // Panelmueve7: the doctorate
};

// The sentences of steps 0..8: one interface text, or two joined by a blank.
constexpr int kSentenceTexts[DegreeDiagram::kLastStep][2] = {
    {539, 0}, {540, 0}, {541, 542}, {543, 0}, {544, 0}, {545, 0}, {546, 0}, {547, 0}, {548, 549},
};

constexpr int kFinishText = 222;
constexpr int kUncoverFrom = 3;  // the first step that uncovers a part
constexpr int kFastStep = 7;     // its cover goes three pixels a tick
constexpr int kFastPixels = 3;

// The cover step s moves: PanelMueve1 up to step 4, then Panelmueve3..7.
size_t CoverOf(int step) {
    return step < 4 ? 0 : static_cast<size_t>(step - 2);
}

QString Joined(const InterfaceTexts& t, const int (&texts)[2]) {
    std::string bytes = t[texts[0]];
    if (texts[1] != 0) bytes += " " + t[texts[1]];
    return CaptionText(bytes);
}

}  // namespace

std::span<const DegreeDiagramLabel> DegreeDiagram::Labels() {
    return kLabels;
}

std::span<const DegreeDiagramShape> DegreeDiagram::Shapes() {
    return kShapes;
}

std::span<const QRect, DegreeDiagram::kCovers> DegreeDiagram::DesignCovers() {
    return kCoverRects;
}

QString DegreeDiagram::caption(std::string_view label) const {
    for (size_t k = 0; k < kLabelCount; ++k)
        if (kLabels[k].name == label) return captions_[k];
    return {};
}

void DegreeDiagram::Start(const InterfaceTexts& texts) {
    for (size_t k = 0; k < kLabelCount; ++k) captions_[k] = Joined(texts, kLabelTexts[k]);
    // Written downwards: a blank after every letter lets each one wrap onto its own line.
    QString vertical;
    for (const QChar c : captions_[kLabelCount - 1]) vertical += QString(c) + QLatin1Char(' ');
    captions_[kLabelCount - 1] = vertical;
    for (int s = 0; s < kLastStep; ++s)
        sentences_[static_cast<size_t>(s)] = Joined(texts, kSentenceTexts[s]);
    finish_ = CaptionText(texts[kFinishText]);
    covers_ = kCoverRects;
    step_ = 0;
    sentence_ = sentences_[0];
    sentenceWidth_ = 0;
    gradoRunning_ = true;
    fraseRunning_ = false;
    forwardEnabled_ = true;
}

void DegreeDiagram::TimergradoTimer() {
    if (!gradoRunning_) return;
    // A step first clears what the one before may have left half covered.
    switch (step_) {
        case 4:
            covers_[0].setWidth(0);
            covers_[1].setWidth(0);
            break;
        case 5:
        case 6:
        case 7:
        case 8:
        case kLastStep:
            covers_[static_cast<size_t>(step_ - 3)].setWidth(0);
            break;
        default:
            break;
    }
    if (step_ >= kLastStep) {
        forwardEnabled_ = false;
        gradoRunning_ = false;
        return;
    }
    QRect& cover = covers_[CoverOf(step_)];
    if (step_ < kUncoverFrom || cover.width() == 0) {
        gradoRunning_ = false;
        sentence_ = sentences_[static_cast<size_t>(step_)];
        sentenceWidth_ = 0;
        fraseRunning_ = true;
    }
    // The cover slides off to the right, its right edge where it was.
    const int pixels = std::min(step_ == kFastStep ? kFastPixels : 1, cover.width());
    cover.setLeft(cover.left() + pixels);
}

void DegreeDiagram::TimerfraseTimer() {
    if (!fraseRunning_) return;
    sentenceWidth_ += kSentenceStep;
    if (sentenceWidth_ > kSentenceWidth) fraseRunning_ = false;
}

void DegreeDiagram::BotAvanzaClick() {
    if (!forwardEnabled_ || step_ >= kLastStep) return;
    ++step_;
    gradoRunning_ = true;
}

void DegreeDiagram::BotAcabarGClick() {
    gradoRunning_ = false;
    fraseRunning_ = false;
    forwardEnabled_ = true;
}

}  // namespace velmora
