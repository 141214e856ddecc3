#include "core/shared/language_check.h"

#include <algorithm>
#include <map>
#include <optional>

#include "core/shared/cp1252.h"
#include "core/shared/cross_file_check.h"
#include "core/shared/data_error.h"
#include "core/shared/data_paths.h"
#include "core/shared/interface_texts.h"
#include "core/shared/keyed_lines.h"
#include "core/shared/tables.h"
#include "core/shared/text_file.h"

namespace velmora {
namespace {

// Interface lines whose text is longer than its slot on purpose (the screen shows the cut text).
// None so far; a line listed here is still read and cut by the program as usual.
constexpr int kCutOnPurpose[] = {0};

void CheckTexts(const DataPaths& paths, std::vector<DataProblem>& problems) {
    std::optional<int> reference;
    for (int code = 0; code < kLanguageCount; ++code) {
        const QString path = paths.languageFolder(code) + QStringLiteral("textos");
        const auto file = TryRead(path);
        if (!file) continue;
        const int count = static_cast<int>(file->lines.size());
        if (!reference) {
            reference = count;
        } else if (count != *reference) {
            problems.push_back({path, 0,
                                QStringLiteral("tiene %1 líneas y cas/textos %2")
                                    .arg(count)
                                    .arg(*reference)});
        }
        for (int n = 1; n <= count; ++n) {
            const std::string_view text = TrimRight(file->lines[static_cast<size_t>(n - 1)]);
            const int length = static_cast<int>(text.size());
            const int width = InterfaceTexts::SlotWidth(n);
            const int room = width > 0 ? std::min(width, InterfaceTexts::kEntryCapacity)
                                       : InterfaceTexts::kEntryCapacity;
            if (length <= room) continue;
            if (std::find(std::begin(kCutOnPurpose), std::end(kCutOnPurpose), n) !=
                std::end(kCutOnPurpose))
                continue;
            problems.push_back({path, n,
                                QStringLiteral("el texto tiene %1 caracteres y caben %2: «%3»")
                                    .arg(length)
                                    .arg(room)
                                    .arg(cp1252::Decode(text))});
        }
    }
}

// Key -> number of lines with that key, for one keyed file.
std::map<std::string, int> KeyCounts(const TextLines& file) {
    std::map<std::string, int> counts;
    for (std::string_view line : file.lines) ++counts[std::string(line.substr(0, 2))];
    return counts;
}

void CheckKeyed(const DataPaths& paths, const QString& name, std::vector<DataProblem>& problems) {
    std::optional<std::map<std::string, int>> reference;
    for (int code = 0; code < kLanguageCount; ++code) {
        const QString path = paths.languageFolder(code) + name;
        const auto file = TryRead(path);
        if (!file) continue;
        for (size_t i = 0; i < file->lines.size(); ++i) {
            const size_t length = TrimRight(file->lines[i]).size();
            if (length > KeyedLines::kWidth) {
                problems.push_back({path, static_cast<int>(i) + 1,
                                    QStringLiteral("la línea tiene %1 caracteres y caben %2")
                                        .arg(length)
                                        .arg(KeyedLines::kWidth)});
            }
        }
        const auto counts = KeyCounts(*file);
        if (!reference) {
            reference = counts;
            continue;
        }
        for (const auto& [key, lines] : *reference) {
            const auto found = counts.find(key);
            const int here = found == counts.end() ? 0 : found->second;
            if (here != lines) {
                problems.push_back({path, 0,
                                    QStringLiteral("la clave «%1» tiene %2 líneas y en cas %3")
                                        .arg(cp1252::Decode(key))
                                        .arg(here)
                                        .arg(lines)});
            }
        }
        for (const auto& [key, lines] : counts) {
            if (!reference->contains(key)) {
                problems.push_back({path, 0,
                                    QStringLiteral("la clave «%1» no está en %2 de cas")
                                        .arg(cp1252::Decode(key), name)});
            }
        }
    }
}

}  // namespace

void CheckLanguageFiles(const DataPaths& paths, std::vector<DataProblem>& problems) {
    CheckTexts(paths, problems);
    CheckKeyed(paths, QStringLiteral("informa_l"), problems);
    CheckKeyed(paths, QStringLiteral("materias_l"), problems);
}

}  // namespace velmora
