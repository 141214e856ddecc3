#pragma once

#include "core/menu/menu_navigation.h"

namespace velmora {

struct ScreenContext;

// Where the main menu's doors lead: the screens the start-up created, found by class name.
class MenuRoutes final : public MenuNavigation {
public:
    // The routes and the screens' context know each other: the context is attached once built.
    void attach(ScreenContext& context) { context_ = &context; }

    bool openSection(const SectionTarget& target) override;
    bool returnToScene() override;

private:
    ScreenContext* context_ = nullptr;
};

}  // namespace velmora
