#include "core/guidance/lomce_diagram.h"

#include <gtest/gtest.h>

#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "support/test_texts.h"
#include "support/param_names.h"

namespace velmora {
namespace {

int Element(std::string_view name) {
    return DiagramElementNamed(name).value();
}

// The diagram over keyed lines written here: "informa_l" starts with its 54 positional lines
// ("00 posicion N"), then the keyed ones; interface text N reads "texto N".
class LomceDiagramTest : public ::testing::Test {
  protected:
    LomceDiagramTest() {
        testing::NumberTexts(enlace.texts);
        enlace.settings.schoolName = QStringLiteral("IES Miralbueno");
        std::vector<std::string> informa;
        for (int n = 1; n <= 54; ++n) informa.push_back("00 posicion " + std::to_string(n));
        for (int s = 0; s <= 9; ++s) {
            informa.push_back(std::to_string(50 + s) + "  Paso " + std::to_string(s));
            informa.push_back(std::to_string(50 + s) + "Texto del paso " + std::to_string(s));
        }
        for (const char* line : {" 5PMAR uno", "18Acceso al superior", " 5PMAR dos"})
            informa.push_back(line);
        testing::FillKeyedLines(enlace.informa, informa);
        testing::FillKeyedLines(enlace.materias, {" 3  Troncales:", " 3-Lengua", "30Opciones",
                                                  "14-Fisica", "10Comunes"});
        diagram.FormCreate();
        diagram.takeChanges();
    }

    bool shown(std::string_view name) const { return diagram.visible(Element(name)); }
    // The texts of a list's rows, without trailing blanks.
    static std::vector<std::string> Texts(const std::vector<Cell>& rows) {
        std::vector<std::string> out;
        for (const Cell& row : rows) out.push_back(cp1252::Encode(row.text));
        return out;
    }
    void settle() {
        for (int i = 0; i < 10 && diagram.blinking(); ++i) diagram.tick();
    }
    void forwardTo(int step) {
        while (diagram.step() < step) {
            diagram.BitFleDeClick();
            settle();
        }
    }

    testing::TempFolder folder;
    testing::RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
    LomceDiagram diagram{enlace};
};

TEST(LomceLayoutTest, EveryElementLiesInTheDiagramAndNoCaptionOrButtonCoversAnother) {
    const QRect diagram(QPoint(0, 0), DiagramLayout::kPaneliti.size());
    for (const QRect& box : DiagramBoxes()) EXPECT_TRUE(diagram.contains(box));
    const auto elements = DiagramElements();
    for (size_t i = 0; i < elements.size(); ++i) {
        const DiagramElement& a = elements[i];
        EXPECT_TRUE(diagram.contains(a.rect)) << a.name;
        if (a.kind != DiagramKind::Label && a.kind != DiagramKind::Button) continue;
        for (size_t j = i + 1; j < elements.size(); ++j) {
            const DiagramElement& b = elements[j];
            if (b.kind != DiagramKind::Label && b.kind != DiagramKind::Button) continue;
            EXPECT_FALSE(a.rect.intersects(b.rect)) << a.name << " and " << b.name;
        }
    }
    // The controls left of the diagram and the explanation panel stay on the screen.
    const QRect screen(0, 0, 1024, 768);
    for (const QRect& r :
         {DiagramLayout::kLabelLOMCE, DiagramLayout::kLabelFle, DiagramLayout::kListExplica,
          DiagramLayout::kBitFleIz, DiagramLayout::kBitFleDe, DiagramLayout::kBitRetro}) {
        EXPECT_TRUE(screen.contains(r));
        EXPECT_FALSE(r.intersects(DiagramLayout::kPaneliti));
    }
    EXPECT_TRUE(screen.contains(DiagramLayout::kPanelEx));
}

TEST(LomceLayoutTest, TheFortyButtonsKeepTheirCreationOrder) {
    const auto buttons = DiagramButtons();
    ASSERT_EQ(buttons.size(), 40u);
    const auto name = [&](size_t k) {
        return DiagramElements()[static_cast<size_t>(buttons[k])].name;
    };
    EXPECT_EQ(name(0), "BitESO1");
    EXPECT_EQ(name(20), "BitFleSel");
    EXPECT_EQ(name(21), "BitSal1");
    EXPECT_EQ(name(39), "BitCie3");
}

TEST_F(LomceDiagramTest, CaptionsComeFromTheInterfaceTextsAndThePositionalLines) {
    const auto caption = [&](std::string_view name) {
        return cp1252::Encode(diagram.view().caption[static_cast<size_t>(Element(name))]);
    };
    EXPECT_EQ(caption("LabelEva2"), "posicion 41");
    EXPECT_EQ(caption("LabelFPB1"), "posicion 53");
    EXPECT_EQ(caption("LabelFPB2"), "posicion 53");
    EXPECT_EQ(caption("Label30"), "posicion 46");
    EXPECT_EQ(caption("LabelIti6"), "texto 99");
    EXPECT_EQ(caption("LabelFPGM"), "texto 113");
    EXPECT_EQ(caption("LabelE4"), "4");
    EXPECT_EQ(diagram.view().labelLOMCE.toStdString(), "posicion 42");
    EXPECT_EQ(diagram.view().labelFle.toStdString(), "posicion 43");
    EXPECT_EQ(diagram.view().retro.toStdString(), "texto 82");
    EXPECT_EQ(diagram.view().cerrar.toStdString(), "texto 13");
}

TEST_F(LomceDiagramTest, StepZeroExplainsTheDiagramWithTheBackArrowDisabled) {
    EXPECT_EQ(diagram.step(), 0);
    EXPECT_FALSE(diagram.view().backEnabled);
    EXPECT_TRUE(diagram.view().forwardEnabled);
    EXPECT_FALSE(diagram.view().labelFleVisible);
    EXPECT_EQ(Texts(diagram.view().explanation),
              (std::vector<std::string>{"  Paso 0", "Texto del paso 0", "", "       posicion 44"}));
    EXPECT_EQ(diagram.view().explanation[0].colour, ColourOf(PaletteColour::HoverRed));
    EXPECT_EQ(diagram.view().explanation[3].colour, ColourOf(PaletteColour::HoverRed));
    // The frame of the diagram is there from the start, the rest waits for its step.
    EXPECT_TRUE(shown("Label29") && shown("LabelEva1") && shown("ImageMuro1"));
    EXPECT_FALSE(shown("LabelEnsAca") || shown("ImageMuro2") || shown("BitESO2"));
    for (const int button : DiagramButtons())
        EXPECT_TRUE(diagram.view().hint[static_cast<size_t>(button)].isEmpty());
}

// After forwarding to step s and letting it blink: what is on show.
TEST_F(LomceDiagramTest, EachStepRevealsItsElementsAndKeepsTheEarlierOnes) {
    for (int s = 1; s <= LomceDiagram::kLastStep; ++s) {
        SCOPED_TRACE(s);
        diagram.BitFleDeClick();
        EXPECT_TRUE(diagram.view().labelFleVisible);
        EXPECT_EQ(diagram.step(), s);
        EXPECT_TRUE(diagram.view().backEnabled);
        EXPECT_EQ(diagram.view().forwardEnabled, s < LomceDiagram::kLastStep);
        std::vector<std::string> expected = {"  Paso " + std::to_string(s),
                                             "Texto del paso " + std::to_string(s), ""};
        if (s < 9) expected.push_back("       posicion 44");
        EXPECT_EQ(Texts(diagram.view().explanation), expected);
        settle();
        EXPECT_FALSE(diagram.blinking());
        for (size_t i = 0; i < DiagramElements().size(); ++i) {
            const DiagramElement& e = DiagramElements()[i];
            EXPECT_EQ(diagram.visible(static_cast<int>(i)), e.step <= s) << e.name;
        }
        EXPECT_TRUE(diagram.view().backVisible);
    }
    // Step 9 gives every round button its hint, "informa_l" lines 1-40 in creation order.
    const auto buttons = DiagramButtons();
    for (size_t k = 0; k < buttons.size(); ++k)
        EXPECT_EQ(diagram.view().hint[static_cast<size_t>(buttons[k])].toStdString(),
                  "posicion " + std::to_string(k + 1));
    // Once more forward changes nothing; back down to step 0 hides nothing.
    diagram.BitFleDeClick();
    EXPECT_EQ(diagram.step(), 9);
    while (diagram.step() > 0) diagram.BitFleIzClick();
    settle();
    EXPECT_FALSE(diagram.view().backEnabled);
    EXPECT_TRUE(diagram.view().forwardEnabled);
    for (size_t i = 0; i < DiagramElements().size(); ++i)
        EXPECT_TRUE(diagram.visible(static_cast<int>(i))) << DiagramElements()[i].name;
}

TEST_F(LomceDiagramTest, NewElementsBlinkFiveTimesThenStayAndTheTimerStops) {
    diagram.BitFleDeClick();
    ASSERT_TRUE(diagram.blinking());
    for (int tick = 1; tick <= 5; ++tick) {
        diagram.tick();
        EXPECT_EQ(shown("LabelEnsAca"), tick % 2 == 1) << tick;
        EXPECT_EQ(shown("BitESO2"), tick % 2 == 1) << tick;
        EXPECT_FALSE(shown("BitFleESO1"));  // they come in at the end of the blinking
    }
    diagram.tick();
    EXPECT_FALSE(diagram.blinking());
    EXPECT_TRUE(shown("LabelEnsAca") && shown("BitFleESO1") && shown("BitFleESO2"));

    // At step 4 the wall of the ESO title and its two arrows blink.
    forwardTo(3);
    diagram.BitFleDeClick();
    diagram.tick();
    EXPECT_FALSE(shown("LabelEva1") || shown("ImageMuro1") || shown("BitFleESO1"));
    settle();
    EXPECT_TRUE(shown("LabelEva1") && shown("ImageMuro1") && shown("BitFleESO1"));

    // At step 7 the back arrow blinks with the wall of the entrance exam.
    forwardTo(6);
    diagram.BitFleDeClick();
    EXPECT_TRUE(shown("ImageMuro2") && shown("BitFleFP"));
    diagram.tick();
    EXPECT_FALSE(diagram.view().backVisible);
    EXPECT_FALSE(shown("ImageMuro2"));
    EXPECT_TRUE(shown("BitFleFP"));
    settle();
    EXPECT_TRUE(diagram.view().backVisible && shown("ImageMuro2"));
}

TEST_F(LomceDiagramTest, AStepTakenWhileTheLastOneBlinksLeavesItsElementsInView) {
    diagram.BitFleDeClick();
    diagram.tick();
    diagram.tick();  // hidden again
    ASSERT_FALSE(shown("LabelEnsAca"));
    diagram.BitFleDeClick();
    EXPECT_TRUE(shown("LabelEnsAca") && shown("BitESO4") && shown("BitFleESO2"));
}

TEST_F(LomceDiagramTest, APanelAtStepTwoShowsTheWholeDiagramOnceClosedAndTheArrowsGoOnFromTwo) {
    forwardTo(2);
    diagram.ElementClick(Element("BitMej1"));
    EXPECT_TRUE(diagram.view().panelVisible);
    DiagramChanges changes = diagram.takeChanges();
    ASSERT_TRUE(changes.panelTransition.has_value());
    EXPECT_TRUE(*changes.panelTransition);
    EXPECT_EQ(Texts(diagram.view().panel), (std::vector<std::string>{"PMAR uno", "PMAR dos"}));

    diagram.BotCerrarClick();
    changes = diagram.takeChanges();
    EXPECT_FALSE(diagram.view().panelVisible);
    EXPECT_FALSE(changes.panelTransition.value());
    EXPECT_EQ(diagram.step(), 2);
    EXPECT_FALSE(diagram.blinking());
    for (size_t i = 0; i < DiagramElements().size(); ++i)
        EXPECT_TRUE(diagram.visible(static_cast<int>(i))) << DiagramElements()[i].name;
    EXPECT_EQ(Texts(diagram.view().explanation),
              (std::vector<std::string>{"  Paso 9", "Texto del paso 9", ""}));
    EXPECT_FALSE(diagram.view().hint[static_cast<size_t>(Element("BitCie3"))].isEmpty());

    diagram.BitFleDeClick();
    EXPECT_EQ(diagram.step(), 3);
    diagram.BitFleIzClick();
    diagram.BitFleIzClick();
    EXPECT_EQ(diagram.step(), 1);
}

struct PanelCase {
    const char* button;
    std::vector<std::string> rows;
};

class LomcePanelTest : public LomceDiagramTest, public ::testing::WithParamInterface<PanelCase> {};

TEST_P(LomcePanelTest, AButtonsPanelHoldsTheLinesOfItsKeys) {
    diagram.ElementClick(Element(GetParam().button));
    EXPECT_EQ(Texts(diagram.view().panel), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LomcePanelTest,
    ::testing::Values(
        // A subjects row with a second key: the heading, the first key, a blank, the second.
        PanelCase{"BitESO3", {" posicion 45", "  Troncales:", "Lengua", "", "Opciones"}},
        PanelCase{"BitIng1", {" posicion 45", "Fisica", "", "Comunes"}},
        // A subjects row whose keys have no lines: the heading and the blank.
        PanelCase{"BitArt2", {" posicion 45", ""}},
        // The same information for two buttons.
        PanelCase{"BitFleFP", {"Acceso al superior"}},
        PanelCase{"BitFleGM", {"Acceso al superior"}},
        // A key without lines: an empty panel.
        PanelCase{"BitCie3", {}}),
    [](const ::testing::TestParamInfo<PanelCase>& p) { return std::string(p.param.button); });

TEST_F(LomceDiagramTest, ComingBackListsTheIntroductionAndKeepsTheStep) {
    forwardTo(5);
    diagram.FormActivate();
    EXPECT_EQ(diagram.step(), 5);
    EXPECT_EQ(Texts(diagram.view().explanation),
              (std::vector<std::string>{"  Paso 0", "Texto del paso 0"}));
}

struct RowCase {
    const char* line;
    RowKind kind;
    const char* text;
    bool red;
};

class LomceRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(LomceRowTest, RowsAreDrawnByTheirMark) {
    const Cell cell = LomceDiagram::Row(GetParam().line);
    EXPECT_EQ(cell.kind, GetParam().kind);
    EXPECT_EQ(cp1252::Encode(cell.text), GetParam().text);
    EXPECT_EQ(cell.colour == ColourOf(PaletteColour::HoverRed), GetParam().red);
    if (cell.kind == RowKind::Icon) {
        EXPECT_EQ(cell.icon, 3);
        EXPECT_EQ(cell.textLeft, 20);
    }
}

INSTANTIATE_TEST_SUITE_P(Marks, LomceRowTest,
                         ::testing::Values(RowCase{"  Troncales:   ", RowKind::Plain,
                                                   "  Troncales:", true},
                                           RowCase{"-Lengua", RowKind::Icon, "Lengua", false},
                                           RowCase{" Materias", RowKind::Plain, " Materias", false},
                                           RowCase{"", RowKind::Plain, "", false}),
                         [](const auto& c) {
                             return testing::CaseName(c.param.line) + "_" +
                                    std::to_string(c.index);
                         });

}  // namespace
}  // namespace velmora
