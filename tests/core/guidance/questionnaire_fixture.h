#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/guidance/questionnaire_output.h"
#include "core/shared/enlace.h"
#include "support/recording_messages.h"
#include "support/recording_printing.h"
#include "support/recording_save_dialog.h"
#include "support/scripted_notice.h"
#include "support/temp_folder.h"

namespace velmora::testing {

// What a questionnaire screen's model is built over in a test: an Enlace on a temporary data
// folder with interface text N reading "texto N", and a notice, a printer and a save dialog
// that answer as the test scripts them.
class QuestionnaireFixture {
  public:
    QuestionnaireFixture() {
        LineTable texts(InterfaceTexts::kTableSize, InterfaceTexts::kEntryCapacity);
        for (int n = 1; n < InterfaceTexts::kTableSize; ++n)
            texts.set(n, "texto " + std::to_string(n));
        enlace->texts.Distribute(texts);
    }

    // The studies of the groups: degrees with their first itinerary group, higher titles with
    // the groups of their itinerary columns (0 for an empty column).
    void setStudies(const std::vector<std::pair<std::string, int>>& degrees,
                    const std::vector<std::pair<std::string, std::vector<int>>>& titles) {
        DegreeTables& tables = enlace->degreeTables;
        for (size_t d = 0; d < degrees.size(); ++d) {
            const int degree = static_cast<int>(d) + 1;
            tables.degreeNames.set(degree, degrees[d].first);
            tables.degreeAttributes.cell(degree, DegreeTables::kFirstItinerary) = degrees[d].second;
        }
        tables.degreeNames.count = static_cast<int>(degrees.size());
        VocationalTables& vocational = enlace->vocational;
        for (size_t t = 0; t < titles.size(); ++t) {
            const int title = static_cast<int>(t) + 1;
            vocational.titlesGS.set(title, titles[t].first);
            for (size_t c = 0; c < titles[t].second.size(); ++c)
                vocational.factsGS.cell(title, static_cast<int>(c)) = titles[t].second[c];
        }
        vocational.titlesGS.count = static_cast<int>(titles.size());
    }

    TempFolder folder;
    RecordingMessages messages;
    std::unique_ptr<Enlace> enlace =
        std::make_unique<Enlace>(messages, DataPaths::ForDataFolder(folder.path()));
    ScriptedNotice notice;
    RecordingPrinting printing;
    RecordingSaveDialog saveDialog;
    QuestionnaireOutput output{*enlace, notice, printing, saveDialog};
};

}  // namespace velmora::testing
