#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/guidance/questionnaire_tables.h"
#include "core/shared/readers.h"
#include "core/shared/tables.h"

namespace velmora {

// A university or other centre of "lugar". The name keeps its 35 characters as stored; the web
// address is opened after "http://www.".
struct Place {
    int communityCode = 0;
    std::string name;
    std::string webAddress;
};

// One double degree of a place: two degree numbers (0 when a code could not be read) and a tag of
// exactly four characters, usually the cut-off mark.
struct DoubleDegreeEntry {
    int degreeA = 0;
    int degreeB = 0;
    std::string tag;
};

// Group k of "dobles" belongs to place k of "lugar"; its code is the place's community.
struct DoubleDegreeGroup {
    int code = 0;
    std::string name;
    std::vector<DoubleDegreeEntry> entries;
};

// Files of the questionnaires that the degrees screen's set-up reads; the guidance screens give
// them their meaning.
struct QuestionnaireLoads {
    LineTable itineraries = MakePaddedTable();  // "itinerar"; entry 0 = interface text 281
    LineTable activities = MakeRawTable();      // "activida"
    std::vector<std::string> activityCodes;     // columns 1-4 of activity k in entry k (from 1)
    std::vector<std::string> activityNames;     // columns 6 on, at most 60 characters
    std::vector<ProfessionRecord> professions;        // profession k in entry k (from 1)
    ByteGrid qualityKeys = MakeCountedBytesTable();   // "cuestiocua"
    ByteGrid interestKeys = MakeCountedBytesTable();  // "cuestioint"
    ByteGrid esoKeys = MakeCountedBytesTable();       // "cuestioESO"
};

// The tables of the university degrees, filled once by LoadDegreeData and then only read.
struct DegreeTables {
    static constexpr int kDegrees = 350;
    static constexpr int kGroups = 100;
    static constexpr int kPlacesReferred = 255;
    static constexpr int kCommunities = 19;
    static constexpr int kPortals = 20;
    static constexpr int kDoubleGroups = 200;
    static constexpr int kDoubleEntries = 50;
    static constexpr int kSubjects = 100;
    static constexpr int kSubjectWidth = 70;
    static constexpr int kWeightedSubjects = 30;  // what the requirements view accepts
    static constexpr int kOwnEntranceTest = 50;   // a weighted-subject value: the degree's own test
    static constexpr int kAttributeFields = 14;
    static constexpr int kItineraries = 12;
    static constexpr int kProfessions = 250;
    static constexpr int kFamilies = 26;
    static constexpr int kNoMark = 10;  // a cut-off of 10 tenths: the offering has no mark

    // DegreeAttributes fields.
    enum Field {
        kBranch = 0,
        kGroup = 1,
        kFirstItinerary = 2,
        kSecondItinerary = 3,
        kFirstProfession = 4,
        kLastProfession = 7,
        kCatalogueCategory = 8,
        kDegreeCode = 9,
        kFirstSubject = 10,
        kLastSubject = 13,
    };

    LineTable degreeNames = MakePaddedTable();        // DegreeNames; entry 0 = interface text 48
    LineTable degreeGroupNames = MakePaddedTable();   // DegreeGroupNames
    LineTable specificTitles = MakeFixedLines120Table();  // SpecificTitles; title t in entry t-1
    IntGrid degreeAttributes{kDegrees, kAttributeFields};  // DegreeAttributes
    std::vector<int> degreeBranch = std::vector<int>(kDegrees + 1);  // DegreeBranch
    DegreeOfferings offerings;                        // DegreeOfferings, with distinctTitles
    std::vector<Place> places = std::vector<Place>(1);  // Places; place p in entry p
    LineTable communities = MakePaddedTable();        // Communities ("comunida")
    std::array<std::string, kPortals + 1> communityPortals;  // CommunityPortals; community c in c
    std::vector<DoubleDegreeGroup> doubleDegrees;     // DoubleDegrees; group k in entry k-1
    LineTable subjects{kSubjects + 1, kSubjectWidth};  // Subjects; subject s in entry s
    LineTable otherStudies = MakePaddedTable();       // OtherStudies
    BlockTable otherStudyBlocks = MakeBlocks51();     // OtherStudyBlocks

    // The grouping selector of the degree browser: its prompt and its five items.
    std::string groupingPrompt;
    std::array<std::string, 5> groupingItems;

    QuestionnaireLoads questionnaire;
    // The degrees screen's views use 12 itinerary groups, whatever "itinerar" holds.
    int itineraryCount = 0;

    int degreeCount() const { return degreeNames.count; }
    int placeCount() const { return static_cast<int>(places.size()) - 1; }
    int subjectCount() const { return subjects.count; }

    // Specific title t (1-based); empty outside the table.
    const std::string& specificTitle(int t) const { return specificTitles.entry(t - 1); }
    // Place p; an empty place outside 1..placeCount().
    const Place& place(int p) const;
    // Field f of degree d's attributes; 0 outside the table.
    int attribute(int degree, int field) const { return degreeAttributes.at(degree, field); }
    // The offerings of degree d: its count of places (the n of every scan of its lists).
    int offeringCount(int degree) const { return offerings.places.at(degree, 0); }
};

// The degree number whose code (field 9) equals `code`: the lowest such degree of 1..N, or 0.
int FindDegreeByCode(const DegreeTables& tables, int code);

// The specific title under which degree d is offered at place p: the first non-zero title among
// the offerings of d at p, or 0.
int OfferedTitle(const DegreeTables& tables, int degree, int place);

}  // namespace velmora
