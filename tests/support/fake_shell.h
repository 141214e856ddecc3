#pragma once

#include <QStringList>
#include <optional>

#include "core/shared/display_mode.h"
#include "core/shared/notice.h"
#include "core/shared/shutdown.h"

namespace velmora::testing {

// A display of a fixed mode that offers no other.
class FixedDisplay final : public Display {
  public:
    DisplayMode current() const override { return screen; }
    std::optional<DisplayMode> mode(int) const override { return std::nullopt; }
    void switchTo(const DisplayMode&, bool) override {}
    void restore() override {}
    DisplayMode screen{1024, 768, 32};
};

// The notice dialog, answering as told and keeping the questions.
class AnsweringNotice final : public Notice {
  public:
    bool question(const QString& text) override {
        asked << text;
        return answer;
    }
    std::optional<QString> askName(const QString&, const QString&) override { return std::nullopt; }
    QStringList asked;
    bool answer = false;
};

// Counts what ending the program asks of the shell.
class CountingEnd final : public ProgramEnd {
  public:
    void showHome() override { ++homes; }
    void end() override { ++ended; }
    int homes = 0;
    int ended = 0;
};

}  // namespace velmora::testing
