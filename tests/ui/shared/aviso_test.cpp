#include "ui/shared/aviso.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/shared/enlace.h"
#include "support/recording_messages.h"
#include "support/shots.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::RecordingMessages;
using testing::SaveShot;
using testing::TempFolder;

class AvisoTest : public ::testing::Test {
  protected:
    AvisoTest() {
        std::vector<std::string> lines(150, "");
        lines[139] = "No";
        lines[140] = "S\xED";
        folder.writeLines(QStringLiteral("cas/textos"), lines);
        EXPECT_TRUE(enlace.LoadInterfaceTexts());
        enlace.settings.schoolName = QStringLiteral("IES Velmora");
    }

    // Does `act` with the dialog once it is up (each time it comes up, `times` times).
    void whenShown(std::function<void(TForm4&)> act, int times = 1) {
        QTimer::singleShot(0, [this, act, times] {
            auto* shown = qobject_cast<TForm4*>(QApplication::activeModalWidget());
            ASSERT_NE(shown, nullptr);
            act(*shown);
            if (times > 1) whenShown(act, times - 1);
        });
    }

    TempFolder folder;
    RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
};

TEST_F(AvisoTest, LaidOutOnLightYellowWithTheSchoolAsTitle) {
    TForm4 dialog(enlace);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("TForm4"));
    EXPECT_EQ(dialog.size(), QSize(382, 144));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("IES Velmora"));
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(255, 255, 225));
    EXPECT_EQ(dialog.LabelNombre->pos(), QPoint(40, 24));
    EXPECT_EQ(dialog.LabelNombre->font().family(), QStringLiteral("Arial"));
    EXPECT_TRUE(dialog.LabelNombre->font().bold());
    EXPECT_EQ(dialog.LabelNombre->font().pixelSize(), 20);  // 15 points
    EXPECT_EQ(dialog.EditNombre->geometry(), QRect(40, 56, 213, 25));
    EXPECT_EQ(dialog.LabelNombre2->pos(), QPoint(40, 56));
    EXPECT_EQ(dialog.ShadowSi->geometry(), QRect(40, 100, 89, 33));
    EXPECT_EQ(dialog.ShadowNo->geometry(), QRect(168, 100, 89, 33));
    EXPECT_EQ(dialog.ShadowSi->text(), QStringLiteral("Sí"));
    EXPECT_EQ(dialog.ShadowNo->text(), QStringLiteral("No"));
    EXPECT_TRUE(dialog.ShadowSi->font().bold());
    EXPECT_TRUE(dialog.inQuestionMode());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(AvisoTest, QuestionModeAnswersByButtonEnterOrEscape) {
    TForm4 dialog(enlace);
    whenShown([](TForm4& d) {
        EXPECT_TRUE(d.EditNombre->isHidden());
        EXPECT_EQ(d.LabelNombre->text(), QStringLiteral("¿Salir del programa?"));
        SaveShot(d, "aviso_question");
        d.ShadowSi->click();
    });
    EXPECT_TRUE(dialog.question(QStringLiteral("¿Salir del programa?")));
    whenShown([](TForm4& d) { d.ShadowNo->click(); });
    EXPECT_FALSE(dialog.question(QStringLiteral("¿Salir?")));
    whenShown([](TForm4& d) { QTest::keyClick(&d, Qt::Key_Return); });
    EXPECT_TRUE(dialog.question(QStringLiteral("¿Salir?")));
    whenShown([](TForm4& d) { QTest::keyClick(&d, Qt::Key_Enter); });
    EXPECT_TRUE(dialog.question(QStringLiteral("¿Salir?")));
    whenShown([](TForm4& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_FALSE(dialog.question(QStringLiteral("¿Salir?")));
    whenShown([](TForm4& d) { d.close(); });
    EXPECT_FALSE(dialog.question(QStringLiteral("¿Salir?")));
}

TEST_F(AvisoTest, NameModeAsksAgainUntilANameOrNo) {
    TForm4 dialog(enlace);
    int shown = 0;
    // First a blank name with yes: asked again with the field as it was; then a name.
    whenShown(
        [&shown](TForm4& d) {
            ++shown;
            EXPECT_FALSE(d.EditNombre->isHidden());
            if (shown == 1) {
                EXPECT_EQ(d.EditNombre->text(), QStringLiteral("Ana"));
                SaveShot(d, "aviso_name");
                d.EditNombre->setText(QStringLiteral("   "));
                d.ShadowSi->click();
            } else {
                d.EditNombre->setText(QStringLiteral("Ana Pérez"));
                QTest::keyClick(d.EditNombre, Qt::Key_Return);  // Enter in the field is yes
            }
        },
        2);
    EXPECT_EQ(dialog.askName(QStringLiteral("Tu nombre:"), QStringLiteral("Ana")),
              QStringLiteral("Ana Pérez"));
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(dialog.inQuestionMode());  // back to question mode on closing

    whenShown([](TForm4& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_EQ(dialog.askName(QStringLiteral("Tu nombre:"), QString()), std::nullopt);
    EXPECT_TRUE(dialog.inQuestionMode());

    // A question after a name shows no name field.
    whenShown([](TForm4& d) {
        EXPECT_TRUE(d.EditNombre->isHidden());
        d.ShadowSi->click();
    });
    EXPECT_TRUE(dialog.question(QStringLiteral("¿Imprimir?")));
}

TEST_F(AvisoTest, ALongQuestionWithANoteFitsTheDialogAndTheNoteGoesOnClosing) {
    TForm4 dialog(enlace);
    whenShown([](TForm4& d) {
        EXPECT_FALSE(d.LabelNombre2->isHidden());
        EXPECT_TRUE(d.EditNombre->isHidden());
        EXPECT_EQ(d.LabelNombre2->text(), QStringLiteral("Podrás consultar esos estudios."));
        EXPECT_LE(d.LabelNombre->geometry().right(), d.width());
        EXPECT_LT(d.LabelNombre->font().pixelSize(), 20);
        SaveShot(d, "aviso_note");
        d.ShadowSi->click();
    });
    EXPECT_TRUE(dialog.questionWithNote(
        QStringLiteral("¿Quieres salir del cuestionario de profesiones?"),
        QStringLiteral("Podrás consultar esos estudios.")));
    EXPECT_TRUE(dialog.inQuestionMode());
    whenShown([](TForm4& d) {
        EXPECT_EQ(d.LabelNombre->font().pixelSize(), 20);  // a short question at full size
        d.ShadowNo->click();
    });
    EXPECT_FALSE(dialog.question(QStringLiteral("¿Salir?")));
}

TEST_F(AvisoTest, ANameHoldsAtMostFortyFiveCharacters) {
    TForm4 dialog(enlace);
    whenShown([](TForm4& d) {
        QTest::keyClicks(d.EditNombre, QString(60, QLatin1Char('x')));
        d.ShadowSi->click();
    });
    EXPECT_EQ(dialog.askName(QStringLiteral("Nombre:"), QString())->size(), 45);
}

}  // namespace
}  // namespace velmora
