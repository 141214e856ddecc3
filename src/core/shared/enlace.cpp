#include "core/shared/enlace.h"

namespace velmora {

Enlace::Enlace(Messages& messages_, DataPaths paths_)
    : messages(messages_), paths(std::move(paths_)) {}

void Enlace::setLanguage(int code) {
    paths.setLanguageCode(code);
    nonCastilian = paths.languageCode() != 0;
}

bool Enlace::LoadInterfaceTexts() {
    readers.ReadTextTable(paths.languageFile(QStringLiteral("textos")), textTable);
    if (stopFlag) return false;
    texts.Distribute(textTable);
    return true;
}

void Enlace::LoadKeyedLines() {
    readers.ReadFixedLines(paths.languageFile(QStringLiteral("informa_l")), informa.table(),
                           KeyedLines::kWidth);
    readers.ReadFixedLines(paths.languageFile(QStringLiteral("materias_l")), materias.table(),
                           KeyedLines::kWidth);
}

}  // namespace velmora
