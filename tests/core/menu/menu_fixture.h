#pragma once

#include <QStringList>
#include <memory>
#include <set>
#include <string>

#include "core/menu/doors.h"
#include "core/menu/menu_navigation.h"
#include "core/shared/enlace.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace velmora::testing {

// Records the screens the menu opens; only the screens in `existing` are there to open.
class RecordingNavigation final : public MenuNavigation {
public:
    bool openSection(const SectionTarget& target) override {
        opened << QString::fromLatin1(target.screen.data(),
                                      static_cast<qsizetype>(target.screen.size()));
        lastDoor = target.door;
        return existing.count(std::string(target.screen)) > 0;
    }
    bool returnToScene() override {
        ++scenes;
        return true;
    }
    std::set<std::string> existing;
    QStringList opened;
    int lastDoor = -1;
    int scenes = 0;
};

// A data folder whose interface text N reads "t<N>", and an Enlace over it.
class MenuFixture {
public:
    explicit MenuFixture(bool sceneIsHome = false) {
        std::string texts;
        for (int n = 1; n <= 1100; ++n) texts += "t" + std::to_string(n) + "\r\n";
        folder.write(QStringLiteral("cas/textos"), texts);
        enlace = std::make_unique<Enlace>(messages, DataPaths::ForDataFolder(folder.path()));
        enlace->LoadInterfaceTexts();
        enlace->settings.schoolName = QStringLiteral("IES Miralbueno");
        enlace->sceneIsHome = sceneIsHome;
        enlace->animationEnabled = sceneIsHome;
    }

    TempFolder folder;
    RecordingMessages messages;
    std::unique_ptr<Enlace> enlace;
    RecordingNavigation navigation;
};

}  // namespace velmora::testing
