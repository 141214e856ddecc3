#include "core/university/degree_profile.h"

#include <QFileInfo>

#include "core/shared/cp1252.h"
#include "core/shared/data_paths.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/shared/text_file.h"
#include "core/university/degrees_screen.h"

namespace velmora {
namespace {

using C = DegreesControl;

constexpr std::string_view kKeyMark = "<<";
constexpr std::string_view kBlankLine = "  ";

// The heading words in their Castilian, Catalan/Valencian and Galician forms.
constexpr std::string_view kHeadingWords[] = {
    "Salidas Profesionales",
    "Qu\xE9 estudiar\xE9",
    "Plan de Estudios",
    "Perfil del Alumno",
    "Perfil",
    "Sortides professionals",
    "Asignaturas",
    "Sa\355das profesionais",  // \355: i with acute
    "Pla d'estudis",
};

// The words of work, coloured wherever they stand.
const QString kWorkWords[] = {QStringLiteral("profesiones"), QStringLiteral("ocupaci\u00f3n"),
                              QStringLiteral("trabajar")};

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

bool IsBullet(std::string_view line) {
    return !line.empty() && line[0] == '*';
}

// What the box holds of line i: a bullet after the first line loses its "*" and the blank after
// it; the first line, the section's title, stands whole.
std::string_view Shown(std::string_view line, size_t i) {
    return i > 0 && IsBullet(line) ? line.substr(std::min<size_t>(2, line.size())) : line;
}

}  // namespace

std::string ProfileKey(int code) {
    std::string number = std::to_string(code);
    if (number.size() < 3) number.insert(0, 3 - number.size(), ' ');
    return std::string(kKeyMark) + number;
}

std::optional<size_t> FindProfileKey(const std::vector<std::string_view>& lines, int code) {
    const std::string key = ProfileKey(code);
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(key) != std::string_view::npos) return i;
    return std::nullopt;
}

std::optional<size_t> FindProfileEnd(const std::vector<std::string_view>& lines, size_t keyLine) {
    for (size_t i = keyLine + 3; i < lines.size(); ++i)
        if (lines[i].find(kKeyMark) != std::string_view::npos) return i;
    return std::nullopt;
}

std::vector<std::string> ProfileLines(const std::vector<std::string_view>& lines, int code) {
    const std::optional<size_t> key = FindProfileKey(lines, code);
    const std::optional<size_t> end = key ? FindProfileEnd(lines, *key) : std::nullopt;
    if (!end) return std::vector<std::string>(kBlankProfileLines, std::string(kBlankLine));
    std::vector<std::string> out;
    for (size_t i = *key + 2; i < *end; ++i)
        if (!lines[i].starts_with(kKeyMark)) out.emplace_back(lines[i]);
    return out;
}

bool IsProfileHeading(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    for (std::string_view word : kHeadingWords)
        if (SameIgnoringAsciiCase(trimmed, word)) return true;
    return false;
}

// The headings stand out from the text they head: the text after a heading goes back to the
// box's plain style, so every heading of the section is seen as one.
RichText ProfileText(const std::vector<std::string>& lines) {
    RichText text;
    text.pointSize = 10;
    const Rgb plain = ColourOf(PaletteColour::Black);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const QString shown = cp1252::Decode(Shown(line, i));
        if (i == 0)
            text.add(shown, ColourOf(PaletteColour::Maroon), true, false);
        else if (IsBullet(line))
            text.add(shown, plain, false, true);
        else if (IsProfileHeading(line))
            text.add(shown, ColourOf(PaletteColour::Green), true, false);
        else
            text.add(shown, plain, false, false);
    }
    for (const QString& word : kWorkWords) text.colourWord(word, ColourOf(PaletteColour::Red));
    return text;
}

std::vector<std::string> ProfilePrintLines(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) out.emplace_back(Shown(lines[i], i));
    return out;
}

QString ProfilePath(const DataPaths& paths) {
    const QString own = paths.languageFile(QStringLiteral("grados.txt"));
    return QFileInfo(own).isFile() ? own : paths.dataFile(QStringLiteral("grados.txt"));
}

// --- The degrees screen's profile view -------------------------------------------------------

void DegreesScreen::BotSalClick() {
    Handler h(*this);
    setVisible(C::GridNotas, false);
    hideStarMap();
    state_.doublesMode = false;
    if (state_.pickedFlag) state_.currentDegree = state_.pickedDegree;
    const DegreeTables& tables = enlace_.degreeTables;
    const int degree = state_.currentDegree;
    if (degree < 1 || degree > tables.degreeCount()) return;
    setVisible(C::RichSalidas, true);
    setTitleBar(std::string(Trim(tables.degreeNames[degree])));

    // The file is read at every request; one that cannot be read is reported with its path and
    // leaves the box empty rather than showing another degree's text.
    std::vector<std::string> lines;
    RunSetUp(enlace_.messages, [&] {
        const TextLines file = ReadTextFile(ProfilePath(enlace_.paths));
        lines = ProfileLines(file.lines, tables.attribute(degree, DegreeTables::kDegreeCode));
    });
    state_.profileLines = ProfilePrintLines(lines);
    setRichSalidas(ProfileText(lines));
    changes_.panelSelTransition = TransitionKind::Radial;
}

}  // namespace velmora
