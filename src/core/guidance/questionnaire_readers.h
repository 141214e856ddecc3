#pragma once

#include <QString>
#include <vector>

#include "core/guidance/questionnaire_tables.h"

namespace velmora {

class Readers;

// The readers of the questionnaire files that add something to the generic readers. Each one
// checks the whole file before it stores anything, so a refused file leaves its table as it was;
// a refusal is a DataError naming the file and the line.

// The records of a "cuestion" table already read: columns 1 and 2 are digits (anything else is a
// conversion error). Question q in entry q.
std::vector<QuestionRecord> QuestionRecords(const LineTable& questions, const QString& path);

// Copies the route labels (lines 21-27, cut to 35) and the advice lines (30-59, cut to 80) out of
// the itinerary table of the ESO screen.
void SplitItineraryTable(EsoQuestionnaireTables& eso);

// "cuesgm" with ReadPaddedTable75 (width 75): lines 1-11 go to the areas, the item lines move
// down to entries 1.. and their two area digits to firstArea and secondArea. A missing file is
// the message kind's (false returned). Fewer than 11 lines, more than 100 items or an area column
// that is not a digit is refused.
bool ReadIntermediateQuestionnaire(Readers& readers, const QString& path,
                                   EsoQuestionnaireTables& eso);

// The professions screen's readers, of the unchecked kind: a missing file is a DataError.
// "activida": code in columns 1-4, name in 6-65; at most 30 lines.
std::vector<ActivityRecord> ReadActivities(const QString& path);
// "profesio": each line extended with 22 blanks; the phrase numbers by value conversion (blanks,
// then digits, the rest ignored; no digits reads 0). At most 250 lines.
std::vector<ProfessionRecord> ReadProfessionRecords(const QString& path);
// "fracortas": each line extended with 22 blanks; at most 120 lines.
std::vector<ShortPhrase> ReadShortPhrases(const QString& path);
// "fralargas": each line extended with 22 blanks; at most 20 lines.
std::vector<LongStatement> ReadLongStatements(const QString& path);

}  // namespace velmora
