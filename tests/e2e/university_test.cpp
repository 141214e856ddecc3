// The university section end to end: from its door of the main menu to a degree's places and back
// home.
#include <gtest/gtest.h>

#include "e2e/whole_program.h"
#include "ui/university/grados.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::RowCentre;
using testing::SendMouse;

using testing::EndToEnd;

// A branch, a degree, its places by community with their cut-off marks.
TEST_F(EndToEnd, ADegreesPlacesByCommunity) {
    const int code = run({QStringLiteral("N"), QStringLiteral("0")}, [this] {
        door(MenuLabel::Carreras);
        TForm1& s = *screen<TForm1>("TForm1");
        ASSERT_TRUE(s.isVisible());
        s.BotMenuGrados->click();
        ClickAt(s.Listramas->viewport(), RowCentre(s.Listramas, 3));  // engineering
        ASSERT_TRUE(s.listgrados->isVisible());
        const auto& rows = s.model().state().rowDegree;
        const int row = static_cast<int>(std::find(rows.begin(), rows.end(), 5) - rows.begin());
        ASSERT_LT(row, s.listgrados->rowCount());
        SendMouse(s.listgrados->viewport(), QEvent::MouseMove, RowCentre(s.listgrados, row));
        SendMouse(s.listgrados->viewport(), QEvent::MouseButtonRelease,
                  RowCentre(s.listgrados, row));
        ASSERT_TRUE(s.GridNotas->isVisible());
        EXPECT_TRUE(s.PanelSelTit->text().startsWith(QStringLiteral("Arquitectura")));
        EXPECT_GT(s.GridNotas->rowCount(), 2 + context->enlace.degreeTables.offeringCount(5));
        Shot(s, "degrees");
        s.ButtonRetroN->click();
        s.ButtonRetroN->click();
        s.BotMenuRetro->click();
        expectHome(&s);
        leave();
    });
    EXPECT_EQ(code, 0) << errors();
}

}  // namespace
}  // namespace velmora
