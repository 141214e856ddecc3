#include "ui/menu/section_targets.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>

#include "core/menu/doors.h"

namespace velmora {
namespace {

// A section screen with the controls the menu's targets name, and a handler to run first.
class FakeSection : public QWidget {
    Q_OBJECT
public:
    FakeSection() {
        for (const char* name : {"LabelFP1", "PanelFP", "BotLOMCE", "botCuestio", "degradeIti"}) {
            auto* control = new QWidget(this);
            control->setObjectName(QString::fromLatin1(name));
            control->setGeometry(10, 10, 20, 20);
        }
        heli = new QTimer(this);
        heli->setObjectName(QStringLiteral("heli"));
        heli->setInterval(50);
    }
    QWidget* control(const char* name) const {
        return findChild<QWidget*>(QString::fromLatin1(name));
    }
    QTimer* heli;
    int informed = 0;
    int fromMenu = 0;

public Q_SLOTS:
    void botinformacionClick() { ++informed; }
    void openedFromMenu() { ++fromMenu; }
};

TEST(PrepareSectionTest, SetsWhatTheDoorsTargetSays) {
    FakeSection screen;
    screen.resize(1024, 768);
    screen.show();
    screen.control("LabelFP1")->hide();
    PrepareSection(&screen, TargetOfDoor(3), false);
    EXPECT_TRUE(screen.control("LabelFP1")->isVisible());
    EXPECT_TRUE(screen.control("PanelFP")->isVisible());

    PrepareSection(&screen, TargetOfDoor(9), false);
    EXPECT_FALSE(screen.control("BotLOMCE")->isVisible());
    EXPECT_TRUE(screen.control("botCuestio")->isVisible());
    EXPECT_EQ(screen.control("degradeIti")->geometry(), QRect(0, 0, 1024, 768));
    PrepareSection(&screen, TargetOfDoor(4), false);
    EXPECT_TRUE(screen.control("BotLOMCE")->isVisible());
    EXPECT_FALSE(screen.control("botCuestio")->isVisible());

    PrepareSection(&screen, TargetOfDoor(5), true);
    EXPECT_TRUE(screen.heli->isActive());
    PrepareSection(&screen, TargetOfDoor(5), false);
    EXPECT_FALSE(screen.heli->isActive());

    PrepareSection(&screen, TargetOfDoor(1), false);
    PrepareSection(&screen, TargetOfDoor(11), false);
    EXPECT_EQ(screen.informed, 1);
    EXPECT_EQ(screen.fromMenu, 1);
}

}  // namespace
}  // namespace velmora

#include "section_targets_test.moc"
