#pragma once

#include <vector>

#include "core/university/degrees_screen_view.h"

namespace velmora {

struct DegreeTables;

// The four trees of the grouping selector, nodes in absolute-index order.

// Degrees under their groups (a group node counts its children); degrees without a group at the
// top level, in degree order.
std::vector<TreeNode> TreeByGroups(const DegreeTables& tables);
// Each activity of "activida" but 23 and 24, with the degrees that lead to one of its professions.
std::vector<TreeNode> TreeByActivity(const DegreeTables& tables);
// Itineraries 1..11 with the degrees naming them first or second; itinerary 12 goes with 11.
std::vector<TreeNode> TreeByItinerary(const DegreeTables& tables);
// Every degree at the top level: file order in Castilian; otherwise a stable sort on the first 10
// bytes of the names.
std::vector<TreeNode> AlphabeticalTree(const DegreeTables& tables, bool nonCastilian);

}  // namespace velmora
