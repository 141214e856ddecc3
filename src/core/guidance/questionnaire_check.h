#pragma once

#include <vector>

#include "core/shared/data_check.h"

namespace velmora {

class DataPaths;

// The rules that tie the questionnaire files together, over the files that are present (the
// catalogue pass reports the missing ones and what their generic readers refuse):
//  - "cuestion": at least 35 questions, digits in columns 1 and 2, answer kinds 2-6;
//  - "cuestioESO": every number a question of "cuestion", rows 14-19 with a question of the
//    short test; "cuestiocua", "cuestioint": rows 1-12 never empty, every number an item;
//  - "cuesgm": the eleven areas, at most 100 items, digit area columns;
//  - "itinerar": the group names, route labels and advice lines present and within what the
//    results show, group names that differ in their first 20 characters;
//  - "activida", "profesio", "fracortas", "fralargas": within their capacities, codes that
//    resolve (activities, phrases, statements), every choice of one to three statements giving
//    phrases that fit the pages;
//  - the four languages agree on every count and every number; the professions of each degree
//    ("datgradosphp" fields 4-7) are professions.
// Each problem names its file and line.
void CheckQuestionnaireData(const DataPaths& paths, std::vector<DataProblem>& problems);

}  // namespace velmora
