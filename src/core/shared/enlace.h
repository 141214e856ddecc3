#pragma once

#include "core/guidance/questionnaire_tables.h"
#include "core/guidance/student_name.h"
#include "core/printing/report_buffer.h"
#include "core/shared/data_paths.h"
#include "core/shared/hint_bubble.h"
#include "core/shared/interface_texts.h"
#include "core/shared/keyed_lines.h"
#include "core/shared/readers.h"
#include "core/shared/region_maps.h"
#include "core/shared/settings.h"
#include "core/shared/tables.h"
#include "core/university/degree_tables.h"
#include "core/vocational/vocational_tables.h"

namespace velmora {

class Messages;

// The widths the readers are called with, set at start-up.
struct ReaderWidths {
    int standard = 0;
    int shortWidth = 0;
    int narrow = 0;
    int secondStandard = 0;
    int wide = 0;
};

// The program's shared state: the global tables, the text slots, the settings in force and the
// global marks. main() creates one and hands it by reference to every model and screen; a test
// builds its own over its own data folder.
class Enlace {
public:
    Enlace(Messages& messages, DataPaths paths);
    Enlace(const Enlace&) = delete;
    Enlace& operator=(const Enlace&) = delete;

    Messages& messages;
    DataPaths paths;
    Settings settings;

    // Set by any missing required file; start-up and the screens end the program when it is set.
    bool stopFlag = false;
    // True when the language in force is not Castilian.
    bool nonCastilian = false;
    // Assistant mode: set when the assistant is opened from the home screen, cleared when the
    // student leaves it for home. While it is set every screen the assistant opens returns to
    // the assistant (SectionBack, core/shared/section_back.h).
    bool assistantMode = false;
    // True until the intermediate-level screen has been opened once from the main menu.
    bool intermediateFirstOpening = true;
    // Set by the ESO screen before it shows the intermediate screen for its questionnaire view;
    // cleared when that view is left.
    bool questionnaireMode = false;
    // The scene serves as home screen: the setting, changed by the command line, cleared when
    // the scene cannot run; the main menu and the scene switch it as they hand over.
    bool animationEnabled = false;
    // Set when the scene is created: the main menu's back button then leads to it.
    bool sceneIsHome = false;
    // The display was switched to 1024 x 768 and must be put back at exit.
    bool displayModeChanged = false;

    ReaderWidths readerWidths;
    RegionMaps regionMaps;
    int mapPanelWidth = 0;  // the floating name panel of the maps
    HintPause hintPause;    // the hint delay in force, read by the bubble hint window

    LineBuffer lineBuffer;
    Readers readers{messages, stopFlag, lineBuffer};

    LineTable textTable = MakeTextTable();
    InterfaceTexts texts;
    KeyedLines informa;
    KeyedLines materias;
    ReportState report;  // the shared report buffer and the bold-line list
    // Whose questionnaire results are printed and saved; asked before the first print or save.
    StudentName studentName;
    DegreeTables degreeTables;  // filled by LoadDegreeData when the degrees screen is created
    GuidanceTables guidance;    // filled by the questionnaire loaders of the guidance screens
    VocationalTables vocational;  // filled by the vocational loaders as their screens are created

    // Selects the language folder for this run and the non-Castilian flag.
    void setLanguage(int code);

    // Reads "textos" of the language in force and, when no file has been found missing so far,
    // distributes it into the slots. Returns false when the stop flag is set.
    bool LoadInterfaceTexts();

    // Reads "informa_l" and "materias_l" of the language in force.
    void LoadKeyedLines();
};

}  // namespace velmora
