#include "core/printing/printer_page.h"

#include <gtest/gtest.h>

#include "support/recording_printing.h"

namespace velmora {
namespace {

using testing::FakeTextMeasurer;

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    // Decimal inches that are halves on paper but not quite in binary.
    EXPECT_EQ(RoundHalfEven(0.05 * 90), 4);
    EXPECT_EQ(RoundHalfEven(0.15 * 90), 14);
    EXPECT_EQ(RoundHalfEven(7.25 * 600), 4350);

    EXPECT_EQ(RoundQuotientHalfEven(5, 2), 2);
    EXPECT_EQ(RoundQuotientHalfEven(7, 2), 4);
    EXPECT_EQ(RoundQuotientHalfEven(2, 3), 1);
    EXPECT_EQ(RoundQuotientHalfEven(37800, 58), 652);
    EXPECT_EQ(RoundQuotientHalfEven(-5, 2), -2);
}

class PrinterPageTest : public ::testing::Test {
protected:
    PrinterPage Page(PageMetrics metrics = {4800, 6300, 600, 600}) {
        return PrinterPage(QStringLiteral("doc"), Orientation::Portrait, metrics, measurer);
    }
    FakeTextMeasurer measurer;
};

TEST_F(PrinterPageTest, InchesAndCellsRoundToDevicePixels) {
    PrinterPage page = Page({4800, 6300, 600, 300});
    page.PageSetup(50, 58, 1);
    page.MoveToInches(0.1, 0.4);
    EXPECT_EQ(page.position(), QPoint(60, 120));  // each axis has its own resolution
    page.MoveToCell(5, 6);
    EXPECT_EQ(page.position(), QPoint(480, 652));

    page.PageSetup(4, 4, 2);  // the unit divides the resolution; the grid splits the area
    page.MoveToInches(1, 1);
    EXPECT_EQ(page.position(), QPoint(300, 150));
    page.MoveToCell(1, 2);
    EXPECT_EQ(page.position(), QPoint(1200, 3150));

    PrinterPage small = Page({10, 10, 90, 90});
    small.PageSetup(4, 4, 1);
    small.MoveToCell(1, 3);  // 2.5 and 7.5
    EXPECT_EQ(small.position(), QPoint(2, 8));
    small.MoveToInches(0.05, 0.15);  // 4.5 and 13.5
    EXPECT_EQ(small.position(), QPoint(4, 14));
}

TEST_F(PrinterPageTest, TextsAreAlignedOnTheCurrentPointWithTheirTopThere) {
    PrinterPage page = Page();
    page.PageSetup(50, 58, 1);
    page.SetFontFamily(QStringLiteral("Arial"));
    page.SetFontSize(3);
    page.MoveToInches(1, 2);
    page.TextLeft(QStringLiteral("ab"));     // 30 wide
    page.TextRight(QStringLiteral("ab"));
    page.TextCentred(QStringLiteral("a"));   // 15 wide: half of it is 7
    page.SetBold(true);
    page.TextCentred(QStringLiteral("ab"));  // 36 wide in bold
    page.TextLeft(QString());                // draws nothing
    page.TextCentred(QString());
    const PrintedDocument doc = page.EndDocument();
    ASSERT_EQ(doc.pages.size(), 1u);
    const PrintFont normal{QStringLiteral("Arial"), 3, false};
    const PrintFont bold{QStringLiteral("Arial"), 3, true};
    const PrintedPage expected = {
        TextOp{600, 1200, QStringLiteral("ab"), normal},
        TextOp{570, 1200, QStringLiteral("ab"), normal},
        TextOp{593, 1200, QStringLiteral("a"), normal},
        TextOp{582, 1200, QStringLiteral("ab"), bold},
    };
    EXPECT_EQ(doc.pages[0], expected);
}

TEST_F(PrinterPageTest, ShapesMoveToTheirFirstCornerAndPicturesStretchIntoDeviceRectangles) {
    PrinterPage page = Page();
    page.PageSetup(50, 58, 1);
    page.RectInches(0.5, 0.1, 7.3, 0.8);
    EXPECT_EQ(page.position(), QPoint(300, 60));
    page.EllipseInches(7.5, 0.1, 8.2, 0.8);
    EXPECT_EQ(page.position(), QPoint(4500, 60));
    const DeviceRect box = page.MakeRectInches(0.6, 0.13, 0.95, 0.68);
    EXPECT_EQ(box, (DeviceRect{360, 78, 570, 408}));
    EXPECT_EQ(page.position(), QPoint(4500, 60));  // making a rectangle moves nothing
    page.StretchPicture(box, QStringLiteral("chica.bmp"));
    page.NewPage();
    page.TextLeft(QStringLiteral("x"));
    const PrintedDocument doc = page.EndDocument();
    EXPECT_EQ(doc.name, QStringLiteral("doc"));
    ASSERT_EQ(doc.pages.size(), 2u);
    const PrintedPage first = {
        RectOp{{300, 60, 4380, 480}},
        EllipseOp{{4500, 60, 4920, 480}},
        PictureOp{{360, 78, 570, 408}, QStringLiteral("chica.bmp")},
    };
    EXPECT_EQ(doc.pages[0], first);
    ASSERT_EQ(doc.pages[1].size(), 1u);
    EXPECT_EQ(std::get<TextOp>(doc.pages[1][0]).x, 0);  // a new page starts at its origin
}

}  // namespace
}  // namespace velmora
