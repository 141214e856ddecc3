#pragma once

#include <QString>
#include <vector>

#include "core/shared/tables.h"

namespace velmora {

class Enlace;

// The questionnaire set-ups of the guidance screens. Each fills its part of enlace.guidance. A
// missing file of the message kind sets the stop flag and the load returns; a missing file of the
// unchecked kind and data that would break a divisor or a table throw DataError, which abandons
// the rest of the set-up (run them through RunSetUp).

// The ESO screen: "cuestion" (width 50), "cuesgm" (width 75), "itinerar" (width 54, count 20).
// Then the question lists of "cuestioESO", read by the degrees screen, must fit the questions:
// at least 35 questions, every number a question, rows 14-19 each with a question of the short
// test.
void LoadEsoScreenQuestionnaires(Enlace& enlace);

// The advice screen: "cualidad" and "interes" (width 60). Rows 1-12 of "cuestiocua" and
// "cuestioint", whose counts divide the scores, must not be empty.
void LoadAdviceScreenData(Enlace& enlace);

// The professions screen: "activida", "profesio", "fracortas", "fralargas", all of the unchecked
// kind. A profession's phrase number beyond "fracortas" is refused.
void LoadProfessionsScreenData(Enlace& enlace);

// A broken rule of a row of counted lists.
struct KeyRowProblem {
    int row = 0;
    QString reason;
};

// The rules of "cuestioESO" against a "cuestion" of `questionCount` questions: every listed
// number is a question, rows 14-19 list at least one question of the short test.
std::vector<KeyRowProblem> EsoKeyProblems(const ByteGrid& esoKeys, int questionCount);

// The rules of "cuestiocua" or "cuestioint": rows 1-12 list at least one item. With
// `itemCount` >= 0, every listed number is also an item of the list.
std::vector<KeyRowProblem> AdviceKeyProblems(const ByteGrid& keys, int itemCount);

}  // namespace velmora
