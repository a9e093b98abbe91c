#include "session/Rerolls.h"

#include <algorithm>
#include <charconv>

#include "engine/GeneratorMode.h"

namespace tq3 {

const std::array<DrawStepName, DrawStepCount> DrawStepNames = {{
    {DrawStep::Climate, "climate", "climate, ice and storms"},
    {DrawStep::Terrain, "terrain", "terrain"},
    {DrawStep::Values, "values", "province economy and natives"},
    {DrawStep::Goods, "goods", "trade goods and their prices"},
    {DrawStep::Religions, "religions", "religions and cultures"},
    {DrawStep::Majors, "majors", "major nations"},
    {DrawStep::Placement, "placement", "start provinces and growth, manpower and income"},
    {DrawStep::Scenario, "scenario",
     "treasuries, armies, fleets, explorers, technology, policies, centres of trade and leaders"},
}};

const char* NameOf(DrawStep step) {
    return DrawStepNames[static_cast<std::size_t>(step)].name;
}

std::optional<DrawStep> DrawStepNamed(std::string_view name) {
    for (const DrawStepName& n : DrawStepNames)
        if (name == n.name) return n.step;
    return std::nullopt;
}

void SetReroll(Rerolls& rerolls, const Reroll& reroll) {
    const auto at = std::find_if(rerolls.begin(), rerolls.end(),
                                 [&](const Reroll& r) { return r.step >= reroll.step; });
    if (at != rerolls.end() && at->step == reroll.step)
        at->seed = reroll.seed;
    else
        rerolls.insert(at, reroll);
}

std::optional<Reroll> ParseReroll(const std::string& text, std::string& why) {
    const std::size_t eq = text.find('=');
    const std::string name = text.substr(0, eq);
    const std::optional<DrawStep> step = DrawStepNamed(name);
    if (eq == std::string::npos || !step) {
        std::string names;
        for (const DrawStepName& n : DrawStepNames)
            names += (names.empty() ? "" : ", ") + std::string(n.name);
        why = eq == std::string::npos
                  ? "expected STEP=SEED, such as placement=77, not \"" + text + "\""
                  : "\"" + name + "\" is not a step of the run (" + names + ")";
        return std::nullopt;
    }
    const std::string_view digits = std::string_view(text).substr(eq + 1);
    uint64_t seed = 0;
    const char* end = digits.data() + digits.size();
    const auto [at, error] = std::from_chars(digits.data(), end, seed);
    if (digits.empty() || error != std::errc() || at != end) {
        why = "the seed of " + name +
              " must be a whole number from 0 to 18446744073709551615, not \"" +
              std::string(digits) + "\"";
        return std::nullopt;
    }
    return Reroll{*step, seed};
}

std::string RerollText(const Reroll& reroll) {
    return std::string(NameOf(reroll.step)) + "=" + std::to_string(reroll.seed);
}

std::string RerollProblem(const Rerolls& rerolls, int generatorMode, RerollAudience audience) {
    const GeneratorMode mode = ModeOf(generatorMode);
    for (const Reroll& r : rerolls) {
        // The map and the goods are the game's own in scenario-only runs; map-only runs draw
        // no religions, majors or scenario.
        const bool mapStep = r.step <= DrawStep::Goods;
        const bool nationStep = r.step == DrawStep::Religions || r.step == DrawStep::Majors ||
                                r.step == DrawStep::Scenario;
        if (!(mapStep && mode == GeneratorMode::ScenarioOnly) &&
            !(nationStep && mode == GeneratorMode::MapOnly))
            continue;
        const std::string layers = DrawStepNames[static_cast<std::size_t>(r.step)].layers;
        const std::string modeText = std::to_string(generatorMode);
        if (audience == RerollAudience::Window)
            return "This world has the " + layers + " drawn again (seed " + std::to_string(r.seed) +
                   "), which a run in generator mode " + modeText +
                   " does not draw. Choose a generator mode that draws them to generate it.";
        return "--reroll " + RerollText(r) + ": a run in generator mode " + modeText +
               " does not draw the " + layers + ".";
    }
    return {};
}

}  // namespace tq3
