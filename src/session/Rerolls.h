#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq3 {

// The draws of a run as named steps, in the run's order.
enum class DrawStep { Climate, Terrain, Values, Goods, Religions, Majors, Placement, Scenario };
inline constexpr int DrawStepCount = 8;

// Each step's name as the command line, recipes and the editor give it, and the layers it
// draws, in the run's order.
struct DrawStepName {
    DrawStep step;
    const char* name;
    const char* layers;
};
extern const std::array<DrawStepName, DrawStepCount> DrawStepNames;

const char* NameOf(DrawStep step);
std::optional<DrawStep> DrawStepNamed(std::string_view name);

// One step drawn again from its own seed.
struct Reroll {
    DrawStep step;
    uint64_t seed = 0;
    bool operator==(const Reroll&) const = default;
};
// A world is its seed and its rerolls: at most one per step, in step order. None: the world of
// the seed as a run without rerolls draws it.
using Rerolls = std::vector<Reroll>;

// Adds `reroll` at its step's place; a step rerolled before takes the new seed.
void SetReroll(Rerolls& rerolls, const Reroll& reroll);

// "STEP=SEED", such as "placement=77"; nothing, with why, when the text is not one.
std::optional<Reroll> ParseReroll(const std::string& text, std::string& why);
// The reroll as "STEP=SEED".
std::string RerollText(const Reroll& reroll);

// Who is told why a run cannot take rerolls: the command line names its option, the window
// speaks of the world the user chose.
enum class RerollAudience { CommandLine, Window };
// Why a run in `generatorMode` cannot take these rerolls (a step it does not draw, named);
// empty when it can.
std::string RerollProblem(const Rerolls& rerolls, int generatorMode,
                          RerollAudience audience = RerollAudience::CommandLine);

}  // namespace tq3
