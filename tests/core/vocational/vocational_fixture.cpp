#include "core/vocational/vocational_fixture.h"

#include <cstdio>

namespace velmora::testing {
namespace {

std::string Two(int n) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

std::string Join(const std::vector<int>& values) {
    std::string out;
    for (size_t i = 0; i < values.size(); ++i) out += (i ? ";" : "") + std::to_string(values[i]);
    return out;
}

// The 26 families, then the "|" and "!" generations; `level` names the titles.
std::vector<std::string> TitleFile(const std::string& level, std::vector<int>& families) {
    std::vector<std::string> lines;
    families.assign(1, 0);
    for (int f = 1; f <= 26; ++f) {
        lines.push_back("-Familia " + Two(f));
        families.push_back(0);
        const int titles = f == 2 ? 2 : f == 3 ? 0 : 1;
        for (int k = 1; k <= titles; ++k) {
            lines.push_back("Ciclo " + level + " " + Two(f) + "." + std::to_string(k));
            families.push_back(f);
        }
    }
    lines.push_back("-|Artes plasticas y diseno");
    families.push_back(0);
    lines.push_back("Grafica Publicitaria");
    families.push_back(5);
    lines.push_back("-!Ensenanzas deportivas");
    families.push_back(0);
    lines.push_back("Futbol");
    families.push_back(1);
    return lines;
}

}  // namespace

std::string CentreLine(char province, const std::string& text, char area,
                       const std::string& field) {
    std::string line(1, province);
    line += text;
    line.resize(44, ' ');
    line += area;
    line += field;
    return line;
}

std::vector<std::string> BlockLines(int lines) {
    std::vector<std::string> blocks;
    for (int t = 1; t <= lines; ++t) {
        blocks.push_back("== " + std::to_string(t));
        for (int e = 1; e <= 25; ++e)
            blocks.push_back(e == 1   ? "Puesto del titulo " + std::to_string(t)
                             : e == 6 ? "Modulo del titulo " + std::to_string(t)
                                      : "");
    }
    return blocks;
}

VocationalFolder::VocationalFolder() {
    std::vector<int> familyGS;
    std::vector<int> familyGM;
    fp = TitleFile("superior", familyGS);
    fp2 = TitleFile("medio", familyGM);
    fpba = {"-Familia 01", "Basico 01.1", "-Familia 02",
            "Basico 02.1", "Basico 02.2", "-Familia 03"};

    for (int f = 1; f <= 26; ++f) {
        const char key = static_cast<char>(f <= 9 ? '0' + f : 'A' + f - 10);
        familias.push_back(std::string(1, key) + "Familia " + Two(f));
    }
    familias.insert(familias.end(), {"", "", ""});
    familias.insert(
        familias.end(),
        {"010200Deporte y gestion", " 3 4 5Grupo 2", "0600 7  Grupo 3  ", "080910Grupo 4",
         "111213Grupo 5", "141516Grupo 6", "171819Grupo 7", "202122Grupo 8", "232425Grupo 9", ""});
    familias.insert(familias.end(), {"010200Basica 1", "030000Basica 2", "000000Donde estudiar"});
    for (int g = 4; g <= 9; ++g) familias.push_back("000000Basica " + std::to_string(g));

    language("fp", fp);
    language("fp2", fp2);
    language("fpba", fpba);
    language("asignafp", BlockLines(static_cast<int>(fp.size())));
    language("asignagm", BlockLines(static_cast<int>(fp2.size())));
    language("asignaba", BlockLines(static_cast<int>(fpba.size())));
    language("reqfp", {"Bachillerato", "Titulo de Tecnico", "Prueba de acceso"});
    language("familias", familias);

    // Communities with the index of their first province code, as the data folder has them.
    data("comunida",
         {"01Andalucia", "11Aragon", "15Asturias", "16Illes Balears", "17Canarias", "19Cantabria",
          "20Castilla-La Mancha", "25Castilla y Leon", "34Cataluna", "40Extremadura", "42Galicia",
          "46La Rioja", "47Madrid", "53Murcia", "54Navarra", "55Comunitat Valenciana",
          "59Pais Vasco", "63Ceuta", "64Melilla"});

    lu[0] = {CentreLine('6', "IES Sierra de Guara  Huesca", ' ', "974000001"),
             CentreLine('J', "CIFP Los Enlaces     Zaragoza", ' ', "976000002"),
             CentreLine('1', "IES Aramo            Oviedo", ' ', "985000003")};
    lu[1] = {CentreLine('1', "IES Leonardo da Vinci Albacete"),
             CentreLine('8', "IES Virgen de la Paloma  Madrid", '1'),
             CentreLine('H', "IES Puerta Bonita    Madrid", '2'),
             CentreLine('9', "IES Julio Verne      Alcobendas", '1'),
             CentreLine('D', "IES Pedro Mercedes   Cuenca"),
             CentreLine('G', "IES Zorroaga         Bilbao")};
    lu[2] = {CentreLine('7', "IES Al-Andalus       Almeria")};
    lu[3] = {CentreLine('1', "IES Benlliure        Valencia"),
             CentreLine('A', "Institut Escola del Treball  Barcelona", 'P'),
             CentreLine('5', "Institut Terrassa    Terrassa", 'J'),
             CentreLine('6', "Institut Montilivi   Girona", 'A')};
    for (int k = 0; k < 4; ++k) data("lu" + std::to_string(k + 1), lu[k]);

    // Title 2 is family 1 (Huesca, Cuenca, Valencia), 4 and 5 family 2, 8 family 4 (Madrid,
    // Barcelona), 54 the "|" title (Oviedo), 56 the "!" title (Almeria).
    offersGS = {"2;2;4", "1;5", "1;54", "0",   "1;8",    "1;8", "0",
                "1;2",   "0",   "1;56", "1;2", "2;8;10", "1;4", "0"};
    offersGM = {"1;2", "0", "0", "0", "1;4", "0", "0", "0", "0", "0", "0", "1;2", "0", "1;8"};
    offersBasic = {"1;2", "0", "0", "0", "0", "1;4", "0", "0", "1;5", "0", "0", "0", "0", "1;2"};
    data("datluggsphp", offersGS);
    data("datluggmphp", offersGM);
    data("datlugbasphp", offersBasic);

    for (size_t t = 1; t < familyGS.size(); ++t) {
        std::vector<int> row(24, 0);
        if (familyGS[t] != 0) row[4] = 1;
        row[23] = familyGS[t];
        factsGS.push_back(Join(row));
    }
    for (size_t t = 1; t < familyGM.size(); ++t)
        factsGM.push_back(Join({0, 0, 0, familyGM[t], 0, 0, 0}));
    data("datfpsphp", factsGS);
    data("datfpmphp", factsGM);

    // Comarca m = 42 - k on line k, so that the order table is not the identity.
    for (int k = 1; k <= 41; ++k) {
        const std::string code = k == 1 ? "5J" : k == 2 ? "6A" : "8" + std::string(1, 'A' + k % 26);
        comarcas.push_back(code + Two(42 - k) + "Comarca " + Two(42 - k));
    }
    comarcas.insert(comarcas.end(), {"5LBadalona", "--Districtes de Barcelona:", "5PCiutat Vella"});
    comarcasm = {"8101Madrid: Centro", "8101Arganzuela", "8202Madrid: Latina", "9103Alcobendas"};
    data("comarcas", comarcas);
    data("comarcasm", comarcasm);

    certifica = {"12      Deporte y administracion"};
    for (int a = 2; a <= 9; ++a) certifica.push_back("3       Area " + std::to_string(a));
    certifica.insert(
        certifica.end(),
        {"1-Actividades fisicas y deportivas", "1Socorrismo en instalaciones acuaticas",
         "2-Administracion y gestion", "2Actividades de gestion administrativa",
         "2Asistencia documental y de gestion en despachos"});
    certificah = {"1Graduado en ESO o equivalente   "};
    for (int a = 2; a <= 9; ++a)
        certificah.push_back(std::to_string(a) + "Requisito " + std::to_string(a));
    certificah.insert(certificah.end(),
                      {"", "12 370 Vigilancia y rescate en piscinas", "",
                       "1  450 Gestion administrativa", "2  630 Archivo y documentacion"});
    language("certifica", certifica);
    language("certificah", certificah);
}

void VocationalFolder::language(const std::string& name,
                                const std::vector<std::string>& lines) const {
    writeLines(QStringLiteral("cas/") + QString::fromStdString(name), lines);
}

void VocationalFolder::data(const std::string& name, const std::vector<std::string>& lines) const {
    writeLines(QString::fromStdString(name), lines);
}

}  // namespace velmora::testing
