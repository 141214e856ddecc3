#pragma once

#include <vector>

namespace velmora::testing {

// Three students of the bundled questionnaires, answering as they honestly would from the
// question texts (the core scoring tests and the screens' tests use the same three).

// One answer per question, as the digit of the answer the student picks: 1-2 for "No"/"Sí",
// 1-4 for "Nada" .. "Mucho" and "Nunca" .. "Siempre", 1-5 for "Nada" .. "Mucho". Blanks group the
// digits in fives.
struct Student {
    const char* name;
    const char* esoAnswers;
    std::vector<int> qualities;  // items of "cualidad" ticked
    std::vector<int> interests;  // items of "interes" ticked
};

// Lucía: a careful student who loves biology and wants to cure people.
inline const Student kLucia = {
    "Lucía",
    // 1-30: habits. 31 maths, 32 writing, 33 biology, 34 drawing, 35 hands-on;
    // 36-48 and 49-61: one question of interest per itinerary group.
    "44344 24342 44343 44433 44443 44344 33412 31412 21222 34141 52122 33432 1",
    {1, 2, 4, 5, 7, 8, 12, 13, 17, 21, 22, 23},
    {1, 7, 8, 9, 30, 34, 37},
};

// Marcos: draws all the time, reads every novel he finds, writes only fairly; arts and languages.
inline const Student kMarcos = {
    "Marcos",
    "32332 23232 33432 34433 33332 33233 22243 13111 23422 11135 11123 53211 2",
    {1, 4, 5, 10, 11, 17, 19, 28},
    {4, 5, 6, 19, 22, 23, 25},
};

// Andrés: good with his hands and engines, not fond of studying; wants to learn a trade.
inline const Student kAndres = {
    "Andrés",
    "12122 12122 21231 12112 21221 12232 21224 21132 11111 11421 14211 11221 5",
    {1, 11, 18, 20, 22, 23, 26},
    {2, 10, 11, 12, 37, 38},
};

}  // namespace velmora::testing
