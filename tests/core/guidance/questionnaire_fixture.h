#pragma once

#include <memory>
#include <string>

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
