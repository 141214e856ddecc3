// TForm8's widgets over its model on the bundled data: the controls by their names, and the
// start menu the door shows after the screen was left.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "core/shared/cp1252.h"
#include "ui/guidance/program_fixture.h"
#include "ui/shared/shadow_label.h"
#include "ui/vocational/superior.h"

namespace velmora {
namespace {

using C = LevelControl;
using H = HigherControl;

class TForm8Test : public ::testing::Test, protected testing::Program {
  protected:
    void SetUp() override {
        startUp({"Tform0", "TForm1", "TForm8"});
        form = qobject_cast<TForm8*>(screen("TForm8"));
        ASSERT_NE(form, nullptr);
    }
    QString text(int n) const { return cp1252::Decode(enlace->texts[n]); }

    TForm8* form = nullptr;
};

TEST_F(TForm8Test, EveryControlTheModelDrivesExistsUnderItsNameAndShowsItsCaption) {
    const LevelDescription& d = form->model().description();
    for (int i = 0; i < kLevelControlCount; ++i) {
        const auto c = static_cast<C>(i);
        if (d.names[static_cast<size_t>(i)].empty()) {
            EXPECT_EQ(form->control(c), nullptr) << IntermediateName(c);
        } else {
            ASSERT_NE(form->control(c), nullptr) << d.names[static_cast<size_t>(i)];
            EXPECT_EQ(form->control(c)->objectName(),
                      QLatin1String(d.names[static_cast<size_t>(i)]));
        }
    }
    for (int i = 0; i < kHigherControlCount; ++i)
        EXPECT_NE(form->control(static_cast<H>(i)), nullptr) << HigherName(static_cast<H>(i));
    EXPECT_EQ(form->titleMenu[3]->text(), text(298) + QLatin1Char(' ') + text(46));
    EXPECT_EQ(form->ButtonEstad3->text(), text(232));
    EXPECT_EQ(form->BotTodoFP->text(), text(391));
    EXPECT_EQ(form->labelCentro->text(), QStringLiteral("IES Miralbueno - 2020/21"));
    EXPECT_EQ(form->reja->columnWidth(0), 367);
}

TEST_F(TForm8Test, OpenedAgainByItsDoorItShowsTheStartMenuItHidWhenLeft) {
    form->show();
    form->menuFP3->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->LabelFP1->isHidden());
    ASSERT_TRUE(routes.openSection(TargetOfDoor(3)));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->PanelFP->isVisible());
    form->MenuFP1->click();  // the model knew the menu was back
    EXPECT_FALSE(form->PanelFP->isVisible());
    EXPECT_TRUE(form->ListPreFam->isVisible());
}

}  // namespace
}  // namespace velmora
