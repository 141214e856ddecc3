#include "ui/shared/qt_messages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace velmora {
namespace {

// Clicks the given button of the next modal message box, once it is up.
void AnswerNextBox(QMessageBox::StandardButton button, QString* seenText = nullptr) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (seenText) *seenText = box->text();
        box->button(button)->click();
    });
}

TEST(QtMessagesTest, AQuestionBoxAnswersYesOrNo) {
    QtMessages messages;
    AnswerNextBox(QMessageBox::Yes);
    EXPECT_TRUE(messages.askYesNo(QString(), QStringLiteral("¿Salir?")));
    AnswerNextBox(QMessageBox::No);
    EXPECT_FALSE(messages.askYesNo(QString(), QStringLiteral("¿Salir?")));
}

TEST(QtMessagesTest, MessagesShowTheirWholeText) {
    QtMessages messages;
    QString seen;
    AnswerNextBox(QMessageBox::Ok, &seen);
    messages.showMessage(QStringLiteral("Faltan ficheros (/x/textos). Vuelva a instalar el programa"));
    EXPECT_EQ(seen, QStringLiteral("Faltan ficheros (/x/textos). Vuelva a instalar el programa"));
    AnswerNextBox(QMessageBox::Ok, &seen);
    messages.reportError(QStringLiteral("Error en el fichero /x/lu1, línea 3: cuenta"));
    EXPECT_TRUE(seen.contains(QStringLiteral("línea 3")));
}

}  // namespace
}  // namespace velmora
