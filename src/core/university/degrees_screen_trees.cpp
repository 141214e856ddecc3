#include "core/university/degrees_screen_trees.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "core/shared/cp1252.h"
#include "core/university/degree_tables.h"

namespace velmora {
namespace {

constexpr int kDegreeImage = 1;
constexpr int kHeadingImage = 4;
constexpr int kSkippedActivities[] = {23, 24};
constexpr size_t kSortedPrefix = 10;

// Degree names decoded once per tree: a degree shown under several nodes shares one text.
class Names {
public:
    explicit Names(const DegreeTables& tables)
        : tables_(tables),
          stored_(static_cast<size_t>(tables.degreeCount()) + 1),
          trimmed_(stored_.size()) {}
    const QString& stored(int degree) { return get(stored_, degree, false); }
    const QString& trimmed(int degree) { return get(trimmed_, degree, true); }

private:
    const QString& get(std::vector<QString>& cache, int degree, bool trim) {
        QString& text = cache[static_cast<size_t>(degree)];
        if (text.isNull()) {
            const std::string& name = tables_.degreeNames[degree];
            text = cp1252::Decode(trim ? Trim(name) : std::string_view(name));
        }
        return text;
    }
    const DegreeTables& tables_;
    std::vector<QString> stored_;
    std::vector<QString> trimmed_;
};

int AddTop(std::vector<TreeNode>& nodes, const QString& text, int image, int degree) {
    TreeNode node;
    node.text = text;
    node.image = node.selectedImage = image;
    node.degree = degree;
    nodes.push_back(std::move(node));
    return static_cast<int>(nodes.size()) - 1;
}

void AddChild(std::vector<TreeNode>& nodes, int parent, const QString& text, int degree) {
    TreeNode node;
    node.text = text;
    node.parent = parent;
    node.degree = degree;
    nodes.push_back(std::move(node));
    TreeNode& top = nodes[static_cast<size_t>(parent)];
    ++top.childCount;
    top.colour = ColourOf(PaletteColour::Blue);
}

}  // namespace

std::vector<TreeNode> TreeByGroups(const DegreeTables& tables) {
    std::vector<TreeNode> nodes;
    const int n = tables.degreeCount();
    nodes.reserve(static_cast<size_t>(n + tables.degreeGroupNames.count));
    std::vector<bool> seen(static_cast<size_t>(tables.degreeGroupNames.size()) + 1);
    Names names(tables);
    for (int i = 1; i <= n; ++i) {
        const int group = tables.attribute(i, DegreeTables::kGroup);
        if (group == 0) {
            AddTop(nodes, names.trimmed(i), kDegreeImage, i);
            continue;
        }
        if (group < 0 || static_cast<size_t>(group) >= seen.size() ||
            seen[static_cast<size_t>(group)])
            continue;
        seen[static_cast<size_t>(group)] = true;
        const std::string name(Trim(tables.degreeGroupNames[group]));
        const int top = AddTop(nodes, QString(), kHeadingImage, 0);
        for (int j = i; j <= n; ++j)
            if (tables.attribute(j, DegreeTables::kGroup) == group)
                AddChild(nodes, top, names.trimmed(j), j);
        TreeNode& node = nodes[static_cast<size_t>(top)];
        node.text = cp1252::Decode(name + " (" + std::to_string(node.childCount) + ")");
    }
    return nodes;
}

std::vector<TreeNode> TreeByActivity(const DegreeTables& tables) {
    std::vector<TreeNode> nodes;
    const QuestionnaireLoads& keys = tables.questionnaire;
    const int activities = static_cast<int>(keys.activityCodes.size()) - 1;
    const int professions = static_cast<int>(keys.professions.size()) - 1;
    const int n = tables.degreeCount();
    // Room for a degree under each of its four professions' activities; a tree is built in one
    // allocation in the usual case.
    nodes.reserve(static_cast<size_t>(std::max(activities, 0) + 4 * n));
    Names names(tables);
    for (int a = 1; a <= activities; ++a) {
        if (std::find(std::begin(kSkippedActivities), std::end(kSkippedActivities), a) !=
            std::end(kSkippedActivities))
            continue;
        const std::string& code = keys.activityCodes[static_cast<size_t>(a)];
        const int top = AddTop(nodes, cp1252::Decode(keys.activityNames[static_cast<size_t>(a)]),
                               kHeadingImage, 0);
        std::vector<bool> ofActivity(static_cast<size_t>(std::max(professions, 0)) + 1);
        int collected = 0;
        for (int p = 1; p <= professions && collected < DegreeTables::kProfessions; ++p) {
            const ProfessionRecord& profession = keys.professions[static_cast<size_t>(p)];
            if (profession.code == code || profession.activityCode == code) {
                ofActivity[static_cast<size_t>(p)] = true;
                ++collected;
            }
        }
        for (int d = 1; d <= n; ++d) {
            for (int f = DegreeTables::kFirstProfession; f <= DegreeTables::kLastProfession; ++f) {
                const int p = tables.attribute(d, f);
                if (p >= 1 && p <= professions && ofActivity[static_cast<size_t>(p)]) {
                    AddChild(nodes, top, names.stored(d), d);
                    break;
                }
            }
        }
    }
    return nodes;
}

std::vector<TreeNode> TreeByItinerary(const DegreeTables& tables) {
    std::vector<TreeNode> nodes;
    const int n = tables.degreeCount();
    nodes.reserve(static_cast<size_t>(DegreeTables::kItineraries + 2 * n));
    Names names(tables);
    int top = -1;
    for (int i = 1; i <= DegreeTables::kItineraries; ++i) {
        if (i != DegreeTables::kItineraries)
            top = AddTop(nodes, cp1252::Decode(tables.questionnaire.itineraries[i]), kHeadingImage, 0);
        for (int field : {DegreeTables::kFirstItinerary, DegreeTables::kSecondItinerary})
            for (int d = 1; d <= n; ++d)
                if (tables.attribute(d, field) == i) AddChild(nodes, top, names.stored(d), d);
    }
    return nodes;
}

std::vector<TreeNode> AlphabeticalTree(const DegreeTables& tables, bool nonCastilian) {
    const int n = tables.degreeCount();
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 1);
    if (nonCastilian) {
        // Only the first 10 bytes count, compared as unsigned bytes; names equal there keep
        // their file order.
        auto prefix = [&](int d) {
            const std::string& name = tables.degreeNames[d];
            return std::string_view(name).substr(0, kSortedPrefix);
        };
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const std::string_view x = prefix(a);
            const std::string_view y = prefix(b);
            const int c = std::memcmp(x.data(), y.data(), std::min(x.size(), y.size()));
            return c != 0 ? c < 0 : x.size() < y.size();
        });
    }
    std::vector<TreeNode> nodes;
    nodes.reserve(order.size());
    Names names(tables);
    for (int d : order) AddTop(nodes, names.stored(d), kDegreeImage, d);
    return nodes;
}

}  // namespace velmora
