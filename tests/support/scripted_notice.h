#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "core/shared/notice.h"

namespace velmora::testing {

// The notice dialog with a student in front of it: yes/no answers and typed names are taken in
// order from the scripts (no once they run out, cancel for names); every question, note, prompt
// and proposal is kept.
class ScriptedNotice final : public Notice {
  public:
    bool question(const QString& text) override {
        asked << text;
        notes << QString();
        return next(answers, false);
    }
    bool questionWithNote(const QString& text, const QString& note) override {
        asked << text;
        notes << note;
        return next(answers, false);
    }
    std::optional<QString> askName(const QString& prompt, const QString& proposal) override {
        prompts << prompt;
        proposals << proposal;
        if (names.empty()) return std::nullopt;
        const std::optional<QString> name = names.front();
        names.pop_front();
        return name;
    }

    std::deque<bool> answers;
    std::deque<std::optional<QString>> names;
    QStringList asked;
    QStringList notes;
    QStringList prompts;
    QStringList proposals;

  private:
    static bool next(std::deque<bool>& queue, bool otherwise) {
        if (queue.empty()) return otherwise;
        const bool answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

}  // namespace velmora::testing
