#pragma once

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace velmora::testing {

// A centre line: the province character, the centre text in columns 2-44, the area character in
// column 45 and the grid field in columns 46-54.
std::string CentreLine(char province, const std::string& text, char area = ' ',
                       const std::string& field = "");

// A small data folder with every vocational file, consistent across files (the data checker
// finds nothing in it). Castilian only; tests rewrite or break files as they need.
//
// "fp" and "fp2": the 26 families, header f on its own line, family 1 with one title, family 2
// with two, family 3 with none, every other family with one; then the "|" header with one title
// and the "!" header with one title: 56 lines, headers at 1, 3, 6, 7, 9, ..., 51, 53 and 55.
// "fpba": three families (one title, two titles, none): headers at 1, 3 and 6.
// Centre lists: lu1 Huesca, Zaragoza (wide) and Asturias; lu2 Albacete, three Madrid centres
// (one written with "H") and then Cuenca and Bilbao; lu3 Almería; lu4 Valencia, a centre of
// the city of Barcelona (written with "A"), one of the Vallès Occidental and one of Girona.
class VocationalFolder : public TempFolder {
  public:
    VocationalFolder();

    void language(const std::string& name, const std::vector<std::string>& lines) const;
    void data(const std::string& name, const std::vector<std::string>& lines) const;

    // The lines the fixture wrote, for tests that change one of them.
    std::vector<std::string> fp;
    std::vector<std::string> fp2;
    std::vector<std::string> fpba;
    std::vector<std::string> familias;
    std::vector<std::string> lu[4];
    std::vector<std::string> offersGS;
    std::vector<std::string> offersGM;
    std::vector<std::string> offersBasic;
    std::vector<std::string> factsGS;
    std::vector<std::string> factsGM;
    std::vector<std::string> comarcas;
    std::vector<std::string> comarcasm;
    std::vector<std::string> certifica;
    std::vector<std::string> certificah;
};

// Blocks of 26 lines for a title file of `lines` lines.
std::vector<std::string> BlockLines(int lines);

}  // namespace velmora::testing
