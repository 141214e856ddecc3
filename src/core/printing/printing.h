#pragma once

#include "core/printing/report.h"

namespace velmora {

// The printer as the screens see it. The ui shows the print dialog and prints on confirmation;
// tests record the reports instead.
class Printing {
public:
    virtual ~Printing() = default;

    // Prints the report where the user chooses. False when the user cancelled, or when no
    // document could be started (the user has been told why).
    virtual bool Print(const Report& report) = 0;
};

}  // namespace velmora
