#include "session/Recipe.h"

#include <algorithm>
#include <set>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/TextFile.h"
#include "config/SettingsFile.h"
#include "engine/GeneratorMode.h"
#include "session/FileDigest.h"
#include "session/SettingsJson.h"
#include "session/WorldChanges.h"

#ifndef TQ3GEN_PROGRAM_VERSION
#define TQ3GEN_PROGRAM_VERSION "unknown"
#endif

namespace tq3 {

namespace {

constexpr std::size_t MaxRecipeSize = 1 << 20;  // bytes; a recipe is a few KB
constexpr std::size_t Sha256HexDigits = 64;
// The recipe's members lie at most two levels deep: the recipe, then its settings and files.
constexpr std::size_t MaxNesting = 2;
constexpr int LowestMode = 0, HighestMode = GeneratorModeCount - 1;

// "\Config\TQ3Gener.csv" as a recipe names it: "Config/TQ3Gener.csv".
std::string RecipeName(const char* gamePath) {
    std::string name(gamePath + 1);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

// Whether a file name of a recipe stays inside the game folder: relative, "/" between
// components, none of them empty, "." or "..", and no backslash.
bool InsideGameFolder(const std::string& path) {
    if (path.empty() || path.front() == '/' || path.find('\\') != std::string::npos) return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = path.find('/', start);
        const std::string part = path.substr(start, slash - start);
        if (part.empty() || part == "." || part == "..") return false;
        if (slash == std::string::npos) return true;
        start = slash + 1;
    }
}

// The reading of one recipe; every check throws its message.
struct RecipeReader {
    const Json& root;

    static void Fail(const std::string& message) { throw std::runtime_error(message); }

    const Json& Member(const char* name) const {
        const auto it = root.find(name);
        if (it == root.end()) Fail("it has no member " + Quoted(name));
        return *it;
    }

    uint64_t Whole(const char* name, uint64_t lowest, uint64_t highest) const {
        const Json& v = Member(name);
        const std::string range = " must be a whole number from " + std::to_string(lowest) +
                                  " to " + std::to_string(highest);
        if (v.is_number_unsigned()) {
            const uint64_t n = v.get<uint64_t>();
            if (n < lowest || n > highest)
                Fail(Quoted(name) + range + ", not " + std::to_string(n));
            return n;
        }
        // -0 reads as 0, yet a whole number here carries no sign.
        if (v.is_number_integer())
            Fail(Quoted(name) + range + ", not " + (v.get<int64_t>() == 0 ? "-0" : v.dump()));
        Fail(Quoted(name) + range);
        return 0;
    }

    Recipe Read() const {
        if (!root.is_object()) Fail("it is not a JSON object");
        static const std::set<std::string> known = {"recipeVersion", "programVersion", "drawOrder",
                                                    "generatorMode", "seed",           "rerolls",
                                                    "settings",      "files"};
        for (const auto& [name, value] : root.items())
            if (!known.contains(name)) Fail("it has an unknown member " + Quoted(name));

        Recipe recipe;
        const Json& version = Member("programVersion");
        if (!version.is_string() || version.get<std::string>().empty())
            Fail("\"programVersion\" must be the text of a program version");
        recipe.programVersion = version.get<std::string>();
        const Json& drawOrder = Member("drawOrder");
        if (!drawOrder.is_number_integer() || drawOrder.get<int64_t>() != RecipeDrawOrder)
            Fail("it was made by tq3gen " + recipe.programVersion +
                 ", whose random draws follow another order (draw order " + drawOrder.dump() +
                 ", this program's " + std::to_string(RecipeDrawOrder) +
                 "): its world cannot be made again by this program");
        recipe.drawOrder = RecipeDrawOrder;
        recipe.generatorMode = static_cast<int>(Whole("generatorMode", LowestMode, HighestMode));
        recipe.seed = Whole("seed", 0, UINT64_MAX);
        ReadRerolls(recipe);
        ReadSettings(recipe);
        ReadFiles(recipe);
        return recipe;
    }

    // A recipe of the first version has neither its version nor rerolls.
    void ReadRerolls(Recipe& recipe) const {
        const bool versioned = root.contains("recipeVersion");
        if (!versioned && !root.contains("rerolls")) return;
        if (!versioned) Fail("it has \"rerolls\" but no \"recipeVersion\"");
        const Json& version = Member("recipeVersion");
        if (!version.is_number_integer() || version.get<int64_t>() != RecipeVersion)
            Fail("\"recipeVersion\" is " + version.dump() +
                 "; this program reads recipes of version 1 "
                 "and " +
                 std::to_string(RecipeVersion));
        const Json& rerolls = Member("rerolls");
        if (!rerolls.is_array())
            Fail("\"rerolls\" must be a list of \"STEP=SEED\" texts, such as \"placement=77\"");
        for (const Json& r : rerolls) {
            std::string why;
            const std::optional<Reroll> reroll =
                r.is_string() ? ParseReroll(r.get<std::string>(), why) : std::nullopt;
            if (!reroll)
                Fail("its reroll " + r.dump() + " is not STEP=SEED" +
                     (why.empty() ? std::string() : ": " + why));
            if (!recipe.rerolls.empty() && recipe.rerolls.back().step >= reroll->step)
                Fail("its reroll " + r.dump() +
                     " is out of the steps' order or names a step twice");
            recipe.rerolls.push_back(*reroll);
        }
    }

    void ReadSettings(Recipe& recipe) const {
        recipe.settings = ReadSettingsJson(Member("settings"));
    }

    void ReadFiles(Recipe& recipe) const {
        const Json& files = Member("files");
        if (!files.is_object())
            Fail("\"files\" must be an object of \"FILE\": \"SHA-256\" members");
        const std::vector<std::string> inputs = RecipeInputFiles(recipe.generatorMode);
        for (const auto& [path, hash] : files.items()) {
            if (!InsideGameFolder(path))
                Fail("it names the file " + Quoted(path) +
                     ", which is not inside the game folder (a file there is named like "
                     "\"Config/TQ3Gener.csv\")");
            if (std::find(inputs.begin(), inputs.end(), path) == inputs.end())
                Fail("it names the file " + Quoted(path) + ", which a run in generator mode " +
                     std::to_string(recipe.generatorMode) + " does not read");
            RecipeFile file{path, std::nullopt};
            if (!hash.is_null()) {
                const std::string text = hash.is_string() ? hash.get<std::string>() : "";
                const bool hex = text.size() == Sha256HexDigits &&
                                 std::all_of(text.begin(), text.end(), [](char c) {
                                     return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
                                 });
                if (!hex)
                    Fail("the hash of " + path +
                         " must be a SHA-256 as 64 lowercase hexadecimal digits, or null for a "
                         "file that was not there");
                file.sha256 = text;
            }
            recipe.files.push_back(std::move(file));
        }
        for (const std::string& input : inputs) {
            const bool listed = std::any_of(recipe.files.begin(), recipe.files.end(),
                                            [&](const RecipeFile& f) { return f.path == input; });
            if (!listed) Fail("it has no hash of " + input + ", which the run reads");
        }
    }
};

// The file a run reads for an input the recipe names. The kept province table of a folder
// that has none yet is the game's own one, which a run keeps (or, with --out, reads) first.
// `resolve` gives the file of a game path.
template <class Resolve>
std::string InputPath(Resolve&& resolve, const std::string& name) {
    const std::string path = resolve("\\" + name);
    if (name == RecipeName(GameFiles::BackupFolder) + "Province.csv" && !FileExists(path))
        return resolve(std::string(GameFiles::DatabaseFolder) + "Province.csv");
    return path;
}

}  // namespace

std::vector<std::string> RecipeInputFiles(int generatorMode) {
    std::vector<std::string> files;
    for (const char* f :
         {GameFiles::SettingsTable, GameFiles::ProvinceTemplate, GameFiles::NationsTable,
          GameFiles::AdjacencyIndex, GameFiles::MapAdjacency, GameFiles::PlacementAdjacency,
          GameFiles::FixedProvinceTable, GameFiles::FixedCountryTable})
        files.push_back(RecipeName(f));
    if (generatorMode == ModeValue(GeneratorMode::ScenarioOnly))
        files.push_back(RecipeName(GameFiles::BackupFolder) + "Province.csv");
    return files;
}

RecipeResult RecipeOfRun(const World& world, uint64_t seed, const Rerolls& rerolls) {
    Recipe recipe;
    recipe.programVersion = TQ3GEN_PROGRAM_VERSION;
    recipe.generatorMode = world.Settings.GeneratorMode;
    recipe.seed = seed;
    recipe.rerolls = rerolls;

    // The settings the run uses that differ from the file on disk; the mode is held apart.
    WorldChanges changes = ChangesOfWorld(world, "recipe");
    if (!changes.settings) return {std::nullopt, changes.error};
    for (auto& [key, value] : *changes.settings)
        if (key != "GeneratorMode") recipe.settings.emplace_back(key, std::move(value));

    for (const std::string& path : RecipeInputFiles(recipe.generatorMode))
        recipe.files.push_back(
            {path,
             FileSha256(InputPath(
                 [&](const std::string& relative) { return world.GamePath(relative); }, path))});
    return {std::move(recipe), {}};
}

std::string RecipeJson(const Recipe& recipe) {
    Json files = Json::object();
    for (const RecipeFile& f : recipe.files)
        files[f.path] = f.sha256 ? Json(*f.sha256) : Json(nullptr);
    Json rerolls = Json::array();
    for (const Reroll& r : recipe.rerolls) rerolls.push_back(RerollText(r));
    Json root = Json::object();
    root["recipeVersion"] = RecipeVersion;
    root["programVersion"] = recipe.programVersion;
    root["drawOrder"] = recipe.drawOrder;
    root["generatorMode"] = recipe.generatorMode;
    root["seed"] = recipe.seed;
    root["rerolls"] = std::move(rerolls);
    root["settings"] = SettingsJson(recipe.settings);
    root["files"] = std::move(files);
    return root.dump(2) + "\n";
}

RecipeResult ParseRecipe(const std::string& text) {
    RecipeResult result;
    result.error =
        ReadStrictJson(text, "a recipe", MaxRecipeSize, MaxNesting,
                       [&](const Json& root) { result.recipe = RecipeReader{root}.Read(); });
    return result;
}

std::vector<DifferingFile> DifferingFiles(const Recipe& recipe, const std::string& programFolder) {
    std::vector<DifferingFile> differing;
    for (const RecipeFile& f : recipe.files) {
        const std::optional<std::string> now = FileSha256(InputPath(
            [&](const std::string& relative) { return GamePath(programFolder, relative); },
            f.path));
        if (now == f.sha256) continue;
        const char* how = !now        ? "missing"
                          : !f.sha256 ? "present, but absent in the recorded run"
                                      : "changed";
        differing.push_back({f.path, how});
    }
    return differing;
}

SettingValues RecipeOverrides(const Recipe& recipe) {
    SettingValues overrides = {{"GeneratorMode", std::to_string(recipe.generatorMode)}};
    overrides.insert(overrides.end(), recipe.settings.begin(), recipe.settings.end());
    return overrides;
}

}  // namespace tq3
