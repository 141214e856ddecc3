#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/main_sequence.h"
#include "app/options.h"
#include "app/screens.h"
#include "support/pdf_printing.h"
#include "support/recording_messages.h"
#include "support/recording_opener.h"
#include "support/recording_save_dialog.h"
#include "support/recording_sound.h"
#include "support/shots.h"
#include "support/temp_folder.h"
#include "ui/guidance/help_panel_view.h"
#include "ui/menu/principal.h"
#include "ui/shared/aviso.h"
#include "ui/shared/bar_chart_view.h"
#include "ui/shared/region_map_view.h"
#include "ui/shared/roll_transition.h"
#include "ui/university/degrees_fixture.h"
#include "ui/university/estadistica.h"
#include "ui/university/grados.h"
#include "ui/vocational/level_screen_widget.h"
#include "ui/vocational/superior.h"

namespace velmora::testing {

// The exit code of a run whose walk left the program running.
inline constexpr int kStillRunning = 70;

// Answers the notice dialog each time it comes up, from a script. A question the script does not
// expect fails the test and is answered no, so that no walk waits for a person.
class NoticeScript : public QObject {
  public:
    struct Answer {
        bool yes;
        QString name;
    };
    std::deque<Answer> script;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<TForm4*>(watched))
                QTimer::singleShot(0, this, [this, dialog] { answer(*dialog); });
        return QObject::eventFilter(watched, event);
    }

  private:
    void answer(TForm4& dialog) {
        Answer next{false, {}};
        if (script.empty()) {
            ADD_FAILURE() << "an unexpected question: " << dialog.LabelNombre->text().toStdString();
        } else {
            next = script.front();
            script.pop_front();
        }
        if (!next.name.isEmpty()) dialog.EditNombre->setText(next.name);
        (next.yes ? dialog.ShadowSi : dialog.ShadowNo)->click();
    }
};

// The whole program, started as a school starts it (`velmora N 0`, or `S` for the scene) on the
// data folder beside the test binary, with its settings and its single-instance lock in fresh
// temporary folders. The walk runs once the home screen is shown, with the live screens. What
// would wait for a person or reach outside the program answers as the test says: messages are
// recorded and questions answered yes, reports are printed to PDF files, the save dialog
// answers with a file of a temporary folder, addresses and sounds are recorded. Transitions are
// immediate; the walk drives the screens' timers by their tick methods.
class EndToEnd : public ::testing::Test {
  protected:
    using Walk = std::function<void()>;

    // Runs the program with these parameters; gives its exit code.
    int run(const QStringList& parameters, Walk walk) {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        RollTransition::SetDuration(0);
        std::vector<QByteArray> arguments{QByteArrayLiteral("velmora")};
        for (const QString& p : parameters) arguments.push_back(p.toLocal8Bit());
        std::vector<char*> argv;
        for (QByteArray& a : arguments) argv.push_back(a.data());
        argv.push_back(nullptr);
        int argc = static_cast<int>(arguments.size());
        ProgramHook hook;
        hook.messages = &messages;
        hook.printing = &printing;
        hook.saveDialog = &saveDialog;
        hook.opener = &opener;
        hook.sound = &sound;
        hook.splashPauses = false;
        hook.atHome = [this, walk](ScreenContext& live) {
            context = &live;
            if (QWidget* dialog = live.screen("TForm4")) dialog->installEventFilter(&notices);
            walk();
            EXPECT_TRUE(notices.script.empty()) << "a question the walk answers was not asked";
            // A walk that ended the program has left the event loop; otherwise this ends it.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(kStillRunning); });
        };
        const int code = RunVelmora(argc, argv.data(), ProgramOptions{}, hook);
        context = nullptr;
        return code;
    }

    // A walk from the main menu, in Castilian: the program must end by its exit question.
    void walkFromMenu(Walk walk) {
        EXPECT_EQ(run({QStringLiteral("N"), QStringLiteral("0")}, std::move(walk)), 0) << errors();
    }

    template <class Screen>
    Screen* screen(const char* className) const {
        return qobject_cast<Screen*>(context->screen(className));
    }
    Tform0& menu() const { return *screen<Tform0>("Tform0"); }

    // Through a door of the main menu: the figure climbs, the door grows, the section opens and
    // does what it leaves for the event loop once on show (as a restart question).
    void door(MenuLabel label) {
        OpenDoor(menu(), label);
        QCoreApplication::sendPostedEvents();
    }

    // The notice dialog's next question answered as a student would, with `name` typed when it
    // asks for one.
    void answerNotice(bool yes, const QString& name = {}) { notices.script.push_back({yes, name}); }

    // Back home from `section` (the main menu unless told), and out of the program.
    void homeAndOut(QWidget* section, QWidget* home = nullptr) {
        if (!home) home = &menu();
        EXPECT_TRUE(home->isVisible()) << "the home screen is not shown";
        EXPECT_FALSE(section->isVisible()) << "the section is still shown";
        leave(home);
    }

    // The normal way out: the home screen closed and the exit question answered yes.
    void leave(QWidget* home = nullptr) {
        const qsizetype asked = messages.questions.size();
        (home ? home : &menu())->close();
        EXPECT_EQ(messages.questions.size(), asked + 1) << "the exit question was not asked";
    }

    // Keeps a picture of a step, with VELMORA_SHOTS set.
    static void Shot(QWidget& widget, const std::string& name) {
        if (qEnvironmentVariableIsEmpty("VELMORA_SHOTS")) return;  // the walk goes on untouched
        for (HelpPanelView* help : widget.findChildren<HelpPanelView*>()) help->finishTyping();
        SaveShot(widget, ("e2e-" + name).c_str());
    }

    static void ClickRow(QListWidget* list, int row) {
        ClickAt(list->viewport(), RowCentre(list, row));
    }

    // From the families of a group (from row `first`), the first that has titles; then its first
    // title.
    static void PickTitle(LevelScreenWidget& s, int first) {
        for (int family = first; family < s.ListPreFam->count() && s.ListTit->count() == 0;
             ++family)
            ClickRow(s.ListPreFam, family);
        ASSERT_GT(s.ListTit->count(), 0);
        ClickRow(s.ListTit, 0);
        ASSERT_GT(s.levelModel().state().selectedTitle, 0);
    }
    // The first community lit for the chosen title, clicked on the map: its centres.
    void clickTeachingCommunity(LevelScreenWidget& s) {
        const LevelState& state = s.levelModel().state();
        int community = 1;
        while (community <= LevelState::kCommunities &&
               !state.titleCommunities[static_cast<size_t>(community)])
            ++community;
        ASSERT_LE(community, LevelState::kCommunities) << "no community teaches the title";
        const MarkerPoint at = context->enlace.regionMaps.markerPoint(community);
        ClickAt(s.mapa, {at.x, at.y});
        EXPECT_EQ(state.community, community);
        ASSERT_TRUE(s.reja->isVisible());
        EXPECT_GT(s.reja->rowCount(), 0);
    }

    // The degrees screen on show: a branch, a degree, its places by community with their cut-off
    // marks; then out by its back buttons.
    void walkDegreesPlaces(const std::string& shot) {
        TForm1& s = *screen<TForm1>("TForm1");
        ASSERT_TRUE(s.isVisible());
        s.BotMenuGrados->click();
        ClickRow(s.Listramas, 3);  // engineering and architecture
        ASSERT_TRUE(s.listgrados->isVisible());
        constexpr int kArchitecture = 5;
        const auto& rows = s.model().state().rowDegree;
        const int row =
            static_cast<int>(std::find(rows.begin(), rows.end(), kArchitecture) - rows.begin());
        ASSERT_LT(row, s.listgrados->rowCount());
        SendMouse(s.listgrados->viewport(), QEvent::MouseMove, RowCentre(s.listgrados, row));
        SendMouse(s.listgrados->viewport(), QEvent::MouseButtonRelease,
                  RowCentre(s.listgrados, row));
        ASSERT_TRUE(s.GridNotas->isVisible());
        EXPECT_TRUE(s.PanelSelTit->text().startsWith(QStringLiteral("Arquitectura")));
        // Two heading rows, then each community's heading and its places.
        EXPECT_GT(s.GridNotas->rowCount(),
                  2 + context->enlace.degreeTables.offeringCount(kArchitecture));
        Shot(s, shot);
        s.ButtonRetroN->click();
        s.ButtonRetroN->click();
        s.BotMenuRetro->click();
        EXPECT_FALSE(s.isVisible());
    }

    // The higher vocational screen on show: a title's menu, its statistics window with the chart
    // of titles, back to the screen and out.
    void walkHigherStatistics(const std::string& shot) {
        TForm8& s = *screen<TForm8>("TForm8");
        auto& statistics = *screen<TEstadisticas>("TEstadisticas");
        ASSERT_TRUE(s.isVisible());
        s.MenuFP1->click();
        ClickRow(s.ListPreFam, 1);
        PickTitle(s, 1);
        ASSERT_TRUE(s.PanelFpTit->isVisible());
        qobject_cast<QPushButton*>(s.control(HigherControl::MenuFPTitEst))->click();
        s.ButtonEstad1->click();
        ASSERT_TRUE(statistics.isVisible());
        EXPECT_FALSE(s.isVisible());
        VocationalStatistics& m = statistics.model();
        constexpr auto kTimer = VocationalStatistics::Timer::Timer1;
        for (int i = 0; i < 100 && m.view().timers[static_cast<size_t>(kTimer)]; ++i)
            m.tick(kTimer);
        EXPECT_FALSE(statistics.chart1->picture().boxes.empty());
        EXPECT_GE(statistics.ScrollBar1->value(), 1);
        Shot(statistics, shot);
        statistics.ButtonRetroEsta->click();
        ASSERT_TRUE(s.isVisible());
        s.BotRetrocederFP->click();
        ASSERT_TRUE(s.PanelFP->isVisible());
        s.menuFP3->click();
        EXPECT_FALSE(s.isVisible());
        EXPECT_FALSE(statistics.isVisible());
    }

    std::string errors() const { return messages.errors.join(u'\n').toStdString(); }

    TempFolder config;
    TempFolder runtime;
    TempFolder output;
    RecordingMessages messages;
    PdfPrinting printing{messages, QStringLiteral(VELMORA_BUNDLED_DATA),
                         output.file(QStringLiteral("report.pdf"))};
    RecordingSaveDialog saveDialog;
    RecordingOpener opener;
    RecordingSound sound;
    NoticeScript notices;
    ScreenContext* context = nullptr;  // while the program runs
};

}  // namespace velmora::testing
