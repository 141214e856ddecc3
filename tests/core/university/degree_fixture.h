#pragma once

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace velmora::testing {

// A line of "lugar": community code in columns 1-2, the name padded to columns 3-37, the address.
std::string PlaceLine(const std::string& community, const std::string& name, const std::string& web);

// A small data folder that holds every file the degrees screen loads, consistent across files:
// three degrees (Biología 1, Derecho 2, Medicina 3, with Medicina sharing Biología's code 12),
// three places (Granada in Andalucía, Complutense in Madrid, a campus in Melilla) and their
// double degrees. Only the Castilian folder; tests add or break files as they need.
class DegreeFolder : public TempFolder {
public:
    DegreeFolder();

    // Rewrites a file of the language folder (cas) or of the data folder.
    void language(const std::string& name, const std::vector<std::string>& lines) const;
    void data(const std::string& name, const std::vector<std::string>& lines) const;
};

}  // namespace velmora::testing
