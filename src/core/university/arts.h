#pragma once

#include <string>
#include <vector>

namespace velmora {

struct DegreeTables;

// The four kinds of higher artistic studies of the degrees screen, each with its own file.
enum class ArtsKind { PlasticArts, Music, Dance, Drama };

// The kind's file in the language folder: "artesplas", "musica", "danza" or "dramatico".
const char* ArtsFileName(ArtsKind kind);
// The interface text of the kind's caption, which also titles its printout (529 to 532).
int ArtsCaptionText(ArtsKind kind);

// An arts file as the screen reads it: every line padded and kept to 60 characters. Its three
// sections are divided by marker lines starting "f1" and "f2": the titles before the first "f1",
// the specialities up to the first "f2" after it, the places after that "f2". A file without
// "f1" is all titles; one without "f2" has no places.
struct ArtsFile {
    static constexpr size_t kLineWidth = 60;

    std::vector<std::string> lines;

    size_t f1() const;  // index of the "f1" line; lines.size() when there is none
    size_t f2() const;  // index of the "f2" line after f1(); lines.size() when there is none

    std::vector<std::string> titles() const;
    // The speciality section's lines as they stand.
    std::vector<std::string> specialityLines() const;
};

// --- Plastic arts ----------------------------------------------------------------------------

// The specialities are the 17 lines after "f1", named from column 3; the places are read from
// the 18th line after "f1" on, at most 150 lines. A place is a line whose columns 1-2 are its
// community's number (name in columns 3-24, telephone in 25-33, up to five two-digit speciality
// numbers in 35-44, from 0) followed by its address line.
inline constexpr int kPlasticSpecialities = 17;
inline constexpr int kPlasticPlaceLines = 150;

struct PlasticPlace {
    int community = 0;
    std::string name;               // trailing blanks removed
    std::string phone;              // columns 25-33 as they stand
    std::vector<int> specialities;  // indexes into the speciality names; others are left out
    std::string address;            // the next line, trailing blanks removed
};

std::vector<std::string> PlasticSpecialities(const ArtsFile& file);
std::vector<PlasticPlace> PlasticPlaces(const ArtsFile& file);

// The places teaching speciality s, grouped under their communities: "- " + community name
// when it changes, "   " + name + "  -  Tel. " + telephone, "     " + address, an empty line.
std::vector<std::string> PlasticPlacesOfSpeciality(const ArtsFile& file, const DegreeTables& tables,
                                                   int speciality);
// The places of community c: "-  " + name + "  -  Tel. " + telephone, the name of each of its
// specialities, "     " + address, an empty line.
std::vector<std::string> PlasticPlacesOfCommunity(const ArtsFile& file, int community);

// --- The other kinds -------------------------------------------------------------------------

// Music: a line starting with a community number heads that community ("- " + its name); a line
// holding "http" after column 3 is a place, its name before the address, then the address.
std::vector<std::string> MusicPlaces(const ArtsFile& file, const DegreeTables& tables);
// Dance: the places section as it stands.
std::vector<std::string> DancePlaces(const ArtsFile& file);
// Drama: the second to ninth lines after "f2" name the kinds of title (name 0 goes with every
// place, the digits of a place name the others); from the eighth line after "f2", a line
// starting with "-" is a place (name in columns 1-25, telephone in 26-34, speciality digits in
// 41-47) and a line starting with "http" its web address.
std::vector<std::string> DramaPlaces(const ArtsFile& file);

// The places of a music, dance or drama file as the list shows them.
std::vector<std::string> ArtsPlaces(ArtsKind kind, const ArtsFile& file,
                                    const DegreeTables& tables);

// The whole content of a kind as it prints, the lines after the title: an empty line, then the
// titles and what each kind adds (every line but the markers for music and dance, every place
// of every community for plastic arts, the places after the titles and specialities for drama).
std::vector<std::string> ArtsReportLines(ArtsKind kind, const ArtsFile& file,
                                         const DegreeTables& tables);

// True for a list row that is a web address: its trimmed text starts with "http".
bool IsWebRow(const std::string& row);

}  // namespace velmora
