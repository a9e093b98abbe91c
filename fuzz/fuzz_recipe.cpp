// The recipe reader: any text as a recipe. What it accepts must be written back by the
// recipe writer as a text it reads to the same recipe.

#include <cstdlib>
#include <string>

#include "session/Recipe.h"

using namespace tq3;

namespace {
bool Same(const Recipe& a, const Recipe& b) {
    if (a.programVersion != b.programVersion || a.drawOrder != b.drawOrder ||
        a.generatorMode != b.generatorMode || a.seed != b.seed || a.settings != b.settings ||
        a.files.size() != b.files.size())
        return false;
    for (std::size_t i = 0; i < a.files.size(); ++i)
        if (a.files[i].path != b.files[i].path || a.files[i].sha256 != b.files[i].sha256)
            return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const RecipeResult read = ParseRecipe(std::string(reinterpret_cast<const char*>(data), size));
    if (!read.recipe) {
        if (read.error.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    const RecipeResult again = ParseRecipe(RecipeJson(*read.recipe));
    if (!again.recipe || !Same(*read.recipe, *again.recipe)) std::abort();
    return 0;
}
