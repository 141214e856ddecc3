#include "core/university/degree_fixture.h"

#include <cstdio>

namespace velmora::testing {
namespace {

std::string TwoDigits(int n, char fill) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, fill == '0' ? "%02d" : "%2d", n);
    return buffer;
}

}  // namespace

std::string PlaceLine(const std::string& community, const std::string& name, const std::string& web) {
    std::string line = community + name;
    line.resize(37, ' ');
    return line + web;
}

DegreeFolder::DegreeFolder() {
    // Language folder.
    language("materiasp", {"Biología", "Economía de la Empresa", "Química"});
    language("carreran", {"Biología", "Derecho", "Medicina"});
    language("carrenue", {"Biología Sanitaria", "Medicina y Cirugía"});
    language("carreranb", {"Ciencias de la Vida", "Derecho y Política"});
    language("otros", {"   DEPORTES", "Técnico Deportivo"});
    std::vector<std::string> blocks;
    for (int b = 1; b <= 2; ++b) {
        blocks.push_back("bloque");
        for (int k = 1; k <= 50; ++k) blocks.push_back(k == 1 ? "Contenido" : "");
    }
    language("asignaot", blocks);
    language("itinerar", {"Ciencias", "Artes"});
    language("fp", {"-Sanidad", "Laboratorio Clínico y Biomédico"});
    language("reqfp", {"Bachillerato"});
    language("asignafp", std::vector<std::string>(52, "asignatura"));
    language("activida", {"A001 Sanidad", "A002 Derecho"});
    language("familias", {"1Actividades físicas y deportivas"});
    language("profesio", {"P001 A001 Medico", "P002 A002 Abogada"});

    // Data folder.
    std::vector<std::string> communities;
    for (int c = 1; c <= 19; ++c)
        communities.push_back(TwoDigits(c == 19 ? 64 : c, '0') + "Comunidad " + std::to_string(c));
    for (int c = 1; c <= 19; ++c) {
        const int provinces = c <= 17 ? 1 : c == 18 ? 46 : 1;
        for (int k = 1; k <= provinces; ++k)
            communities.push_back(TwoDigits(c, ' ') + "Provincia " + std::to_string(k));
    }
    data("comunida", communities);
    data("lugar", {PlaceLine(" 1", "Universidad de Granada", "ugr.es"),
                   PlaceLine("13", "Universidad Complutense de Madrid", "ucm.es   "),
                   PlaceLine("19", "UGR Campus de Melilla", "ugr.es")});
    std::vector<std::string> portals;
    for (int c = 1; c <= 19; ++c) portals.push_back("Comunidad " + TwoDigits(c, '0') + "  www.educa" + std::to_string(c) + ".es");
    data("comuint", portals);
    for (const char* list : {"lu1", "lu2", "lu3", "lu4"}) data(list, {"1Centro de prueba"});
    for (const char* keys : {"cuestiocua", "cuestioint", "cuestioESO"}) data(keys, {"1;2"});
    data("datcarnphp", {"2;1;2", "0", "3;1;2;3",          // places
                        "2;95;102", "0", "3;128;131;10",  // cut-off marks
                        "2;1;0", "0", "3;0;2;1"});        // specific titles
    data("datgradosphp", {"2;1;1;0;0;0;0;0;3;12;1;3;0;0",
                          "3;2;6;0;2;0;0;0;23;7;2;0;0;0",
                          "5;0;3;0;1;0;0;0;21;12;50;0;0;0"});
    data("datfpsphp", {"0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;21",
                       "1;0;0;0;1;0;0;0;0;0;0;0;0;0;0;0;0;1;0;0;0;0;0;21"});
    data("datluggsphp", {"1;2", "0", "0", "0"});
    data("dobles", {" 1Universidad de Granada", "     12  7 9,8",
                    "13Universidad Complutense de Madrid", "      7 12",
                    "19UGR Campus de Melilla"});
    write(QStringLiteral("cas/grados.txt"),
          CrLf({"<< 12 Biología", "Biología", "Biología", "Perfil", "* Curiosidad",
                "<<  7 Derecho", "Derecho", "Derecho", "Salidas Profesionales", "* Abogacía",
                "<<999"}));
}

void DegreeFolder::language(const std::string& name, const std::vector<std::string>& lines) const {
    writeLines(QStringLiteral("cas/") + QString::fromStdString(name), lines);
}

void DegreeFolder::data(const std::string& name, const std::vector<std::string>& lines) const {
    writeLines(QString::fromStdString(name), lines);
}

}  // namespace velmora::testing
