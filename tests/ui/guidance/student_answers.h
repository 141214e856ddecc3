#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <vector>

#include "core/guidance/bundled_students.h"
#include "core/guidance/questionnaire_tables.h"
#include "ui/guidance/formconsejo.h"
#include "ui/university/degrees_fixture.h"

namespace velmora::testing {

// The answer digits of a student, question by question.
inline std::vector<int> Digits(const char* answers) {
    std::vector<int> digits;
    for (const char* c = answers; *c; ++c)
        if (*c != ' ') digits.push_back(*c - '0');
    return digits;
}

// A press on the row of question q of the ESO questionnaires' grid, as the student gives it.
inline void PressQuestion(QTableWidget* grid, int q) {
    QTableWidgetItem* item = grid->item(q - 1, 0);
    ASSERT_NE(item, nullptr) << q;
    grid->scrollToItem(item);
    const QPoint at = grid->visualItemRect(item).center();
    SendMouse(grid->viewport(), QEvent::MouseButtonPress, at);
    SendMouse(grid->viewport(), QEvent::MouseButtonRelease, at);
}

// Answers questions first..first + n - 1 with `digits` (answer 1 needs no press).
inline void AnswerQuestions(QTableWidget* grid, const std::vector<int>& digits, int first = 1) {
    for (size_t k = 0; k < digits.size(); ++k)
        for (int i = 1; i < digits[k]; ++i) PressQuestion(grid, first + static_cast<int>(k));
}

// The short test's answers with the first `count` habits answered by how often at their top
// (five points each), the rest at their first answer.
inline std::vector<int> HabitsAtTheTop(const EsoQuestionnaireTables& eso, int count) {
    std::vector<int> digits(35, 1);
    for (int q = 1; q <= 30 && count > 0; ++q) {
        if (eso.question(q).answerKind != 3) continue;
        digits[static_cast<size_t>(q - 1)] = 4;
        --count;
    }
    return digits;
}

// Clicks the items (from 1) of a list as the student would, scrolling to each first.
inline void TickItems(QListWidget* list, const std::vector<int>& items) {
    for (const int item : items) {
        list->scrollToItem(list->item(item - 1));
        ClickAt(list->viewport(), RowCentre(list, item - 1));
    }
}

// On the advice screen: the student's two lists ranked, then their average.
inline void AnswerAdvice(TFormCon& s, const Student& student) {
    s.Menucua->click();
    TickItems(s.ListCua, student.qualities);
    s.VerResul->click();
    s.acabarCua->click();
    s.MenuGus->click();
    TickItems(s.Listint, student.interests);
    s.VerResul->click();
    s.acabarCua->click();
    s.MenuMedia->click();
}

}  // namespace velmora::testing
