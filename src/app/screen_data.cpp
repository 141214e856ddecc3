#include "app/screen_data.h"

#include "core/guidance/questionnaire_load.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/vocational/vocational_load.h"

namespace velmora {

const std::map<std::string_view, ScreenDataLoad>& ScreenDataLoads() {
    static const std::map<std::string_view, ScreenDataLoad> loads = {
        // The higher-level screen: the comarcas, the Madrid zones and the area codes every level
        // screen lists centres by.
        {"TForm8", [](Enlace& enlace) { LoadComarcas(enlace); }},
        // The ESO screen: its questionnaires, then the intermediate-level tables the
        // intermediate screen and the questionnaires read.
        {"TForm2",
         [](Enlace& enlace) {
             LoadEsoScreenQuestionnaires(enlace);
             LoadFpMiddle(enlace);
             LoadFpMiddlePlaces(enlace);
         }},
        // The basic screen: its titles and offers, which the other levels' listings of every
        // title of a centre show too.
        {"TFIniPro", [](Enlace& enlace) { LoadFpBasic(enlace); }},
        // The certificates screen: its certificates, which the catalogue of titles lists too.
        {"TCertifica", [](Enlace& enlace) { LoadCertificates(enlace); }},
    };
    return loads;
}

bool RunScreenDataLoad(std::string_view screen, Enlace& enlace) {
    const auto& loads = ScreenDataLoads();
    const auto found = loads.find(screen);
    if (found == loads.end()) return true;
    return RunSetUp(enlace.messages, [&] { found->second(enlace); });
}

}  // namespace velmora
