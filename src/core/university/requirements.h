#pragma once

#include <string>
#include <vector>

namespace velmora {

struct DegreeTables;
class InterfaceTexts;

// How hard a degree is to get into, judged from the cut-off marks of all its offerings. Marks of
// 1.1 points or less are left out: 10 tenths means the offering has no mark, and nothing so low
// is a real cut-off.
struct Demand {
    static constexpr int kLowestCounted = 12;  // tenths; what the judgement counts
    static constexpr int kHighAverage = 60;    // an average of 6.0 or more is high demand
    static constexpr int kSomeHigh = 60;       // a mark above it makes a low average mixed
    static constexpr int kPassMark = 50;       // ... when more than a fifth of the marks pass it

    int marks = 0;       // how many marks count
    int sum = 0;         // their sum, in tenths
    int aboveHigh = 0;   // marks above kSomeHigh
    int abovePass = 0;   // marks above kPassMark
    bool high = false;   // highDemand
    bool low = false;    // lowDemand
    bool mixed = false;  // mixedDemand: low on average, but high at some universities

    // The average in points with one decimal and a decimal point ("7.5"), rounded half up
    // from the exact average of the marks; empty when no mark counts.
    std::string averageText() const;
};

// ComputeDemand: the judgement over degree d's cut-off marks (its own count of them). A degree
// outside the table, or without any mark that counts, is neither high, low nor mixed.
Demand ComputeDemand(const DegreeTables& tables, int degree);

// The full text is shown by the degrees screen and printed with the degree; the short one, for
// the catalogue of titles, stops after the advice to look at each university's weightings.
enum class RequirementsForm { Full, Short };

// The admission requirements of degree d as lines of Windows-1252 bytes: the demand judgement,
// the branch, the subjects the degree weighs and those recommended for its branch (each once),
// and the fixed advice. A line starting with "-" is a heading. Empty for a degree outside the
// table.
std::vector<std::string> RequirementsText(const DegreeTables& tables, const InterfaceTexts& texts,
                                          int degree, RequirementsForm form);

}  // namespace velmora
