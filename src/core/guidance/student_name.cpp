#include "core/guidance/student_name.h"

#include <optional>

#include "core/shared/cp1252.h"
#include "core/shared/interface_texts.h"
#include "core/shared/notice.h"

namespace velmora {
namespace {
constexpr int kNamePrompt = 339;  // "Escribe tu nombre y apellidos:"
}

void StudentName::set(const QString& text) {
    qsizetype cut = std::min<qsizetype>(text.size(), kCapacity);
    if (cut > 0 && cut < text.size() && text[cut - 1].isHighSurrogate()) --cut;
    text_ = text.left(cut);
}

std::string StudentName::bytes() const {
    return cp1252::Encode(text_);
}

bool StudentName::Ask(Notice& notice, const InterfaceTexts& texts, const QString& proposal,
                      const QString& suffix) {
    const std::optional<QString> name =
        notice.askName(cp1252::Decode(texts[kNamePrompt]), proposal);
    if (!name || name->trimmed().isEmpty()) return false;
    set(name->trimmed() + suffix);
    return true;
}

bool StudentName::Ensure(Notice& notice, const InterfaceTexts& texts, const QString& suffix) {
    return !empty() || Ask(notice, texts, QString(), suffix);
}

}  // namespace velmora
