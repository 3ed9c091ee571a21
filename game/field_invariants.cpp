#include "game/field_invariants.h"

#include "game/game_field.h"

#include <algorithm>
#include <vector>

namespace {

std::string cellProblem(int index, const char* text) { return "cell " + std::to_string(index) + ": " + text; }

}  // namespace

std::string FieldInvariants::check(const GameField& field, int ms)
{
    std::vector<const Gift*> placed;
    placed.reserve(MAX_CELLS);
    int layers = 0;
    for (int i = 0; i < field.count; ++i) {
        const Cell& c = field.cell(i);
        if (!c.present) {
            if (c.gift)
                return cellProblem(i, "a hole holds a gift");
            continue;
        }
        layers += c.background;
        if (c.gift && c.gift->owner != &field)
            return cellProblem(i, "its gift is not in the gift list");
        if (c.gift)
            placed.push_back(c.gift);
        int& busy = busyMs_[static_cast<std::size_t>(i)];
        busy = c.busy ? busy + ms : 0;
        if (busy > MAX_BUSY_MS)
            return cellProblem(i, "busy for more than 120 seconds");
    }
    std::sort(placed.begin(), placed.end());
    if (std::adjacent_find(placed.begin(), placed.end()) != placed.end())
        return "a gift lies on two cells";
    if (placed.size() != field.giftList().size())
        return "the gift list holds " + std::to_string(field.giftList().size()) + " gifts but the cells " +
               std::to_string(placed.size());
    if (layers != field.layers)
        return "the layer counter is " + std::to_string(field.layers) + " but the cells hold " + std::to_string(layers);
    return "";
}
