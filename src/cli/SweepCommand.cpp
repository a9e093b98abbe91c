#include "cli/SweepCommand.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <csignal>
#include <iostream>
#include <memory>
#include <thread>

#include "base/GamePath.h"
#include "base/Numbers.h"
#include "base/Platform.h"
#include "base/TemporaryFile.h"
#include "base/WriteTarget.h"
#include "cli/CliDialogs.h"
#include "cli/GameCommand.h"
#include "cli/PresetCommand.h"
#include "engine/GeneratorMode.h"
#include "session/BalanceSummary.h"
#include "session/SeedSweep.h"
#include "session/SweepCsv.h"
#include "session/SweepRanking.h"
#include "session/SweepRequirements.h"

namespace tq3 {

namespace {
constexpr int kUsageError = 2;
constexpr int kDefaultTop = 10;

struct SweepOptions {
    std::string gameDir;
    int mode = -1;
    std::string seeds;              // "A..B"
    std::vector<std::string> sets;  // --set KEY=VALUE
    std::optional<std::string> preset;
    std::optional<std::string> vary;   // --vary STEP: keep the world of --seed, sweep STEP
    std::optional<uint64_t> seed;      // the kept world's seed
    std::vector<std::string> rerolls;  // --reroll STEP=SEED of the kept world
    int jobs = 0;                      // 0: one per processor
    int top = kDefaultTop;
    std::string sort = "fairness";
    std::optional<std::string> csv;
    std::vector<std::string> requirements;  // --require MEASURE OP VALUE
    uint64_t stopAfter = 0;                 // 0: measure every seed
};
constexpr int kInterrupted = 130;  // 128 + SIGINT, as shells report it
constexpr int kBarWidth = 30;
constexpr auto kBarInterval = std::chrono::milliseconds(100);
constexpr int kSecondsPerMinute = 60;

// Set by Ctrl+C: the one thing a signal handler may touch.
std::atomic<bool> interrupted{false};
extern "C" void OnInterrupt(int) {
    interrupted.store(true);
}

// Ctrl+C stops the sweep instead of the process while this lives.
class InterruptGuard {
  public:
    InterruptGuard() {
        interrupted.store(false);
        previous_ = std::signal(SIGINT, OnInterrupt);
    }
    ~InterruptGuard() { std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_); }

  private:
    void (*previous_)(int) = SIG_DFL;
};

std::string Duration(double seconds) {
    const long whole = static_cast<long>(seconds + 0.5);
    const long minutes = whole / kSecondsPerMinute, rest = whole % kSecondsPerMinute;
    return std::to_string(minutes) + ":" + (rest < 10 ? "0" : "") + std::to_string(rest);
}

// "[#####.....]  45%  900/2000 worlds  1234/s  0:01 left" on one line of stderr.
class ProgressBar {
  public:
    ProgressBar(uint64_t total, bool shown)
        : total_(total), shown_(shown), start_(std::chrono::steady_clock::now()), last_(start_) {}
    void Update(uint64_t done) {
        if (!shown_) return;
        const auto now = std::chrono::steady_clock::now();
        if (done < total_ && now - last_ < kBarInterval) return;
        last_ = now;
        const double elapsed = std::chrono::duration<double>(now - start_).count();
        const double rate = elapsed > 0 ? static_cast<double>(done) / elapsed : 0;
        const int filled = static_cast<int>(kBarWidth * done / std::max<uint64_t>(total_, 1));
        std::string line = "\r[" + std::string(static_cast<std::size_t>(filled), '#') +
                           std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] " +
                           std::to_string(100 * done / std::max<uint64_t>(total_, 1)) + "%  " +
                           std::to_string(done) + "/" + std::to_string(total_) + " worlds  " +
                           std::to_string(static_cast<long>(rate)) + "/s";
        if (rate > 0) line += "  " + Duration(static_cast<double>(total_ - done) / rate) + " left";
        std::cerr << line << "\x1b[K" << std::flush;
    }
    // Clears the bar's line.
    void Done() {
        if (shown_) std::cerr << "\r\x1b[K" << std::flush;
    }

  private:
    uint64_t total_;
    bool shown_;
    std::chrono::steady_clock::time_point start_, last_;
};

std::string ShellQuote(const std::string& text) {
    if (!text.empty() &&
        text.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                               "0123456789_-./=:,+") == std::string::npos)
        return text;
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string PadLeft(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}
std::string PadRight(const std::string& text, std::size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

// The best rows as an aligned table: seed, the world's measures, each major's strength.
std::string Table(const World& loaded, const std::vector<SweepRow>& rows) {
    std::vector<std::vector<std::string>> cells;
    cells.push_back({"seed", "fairness", "income spread", "native land", "closest capitals", "room",
                     "coastal majors"});
    std::size_t majors = 0;
    for (const SweepRow& row : rows) {
        const WorldBalance& b = row.balance;
        const int closest = ClosestRivals(b);
        std::vector<std::string> line = {std::to_string(row.seed),
                                         FixedText(b.fairness, 3),
                                         FixedText(b.incomeGini, 3),
                                         FixedText(b.nativeShare, 1) + "%",
                                         closest < 0 ? "-" : std::to_string(closest),
                                         std::to_string(b.room),
                                         std::to_string(b.coastalMajors)};
        for (const MajorBalance& m : b.majors)
            line.push_back(loaded.Nations[m.nation].Tag + " " + std::to_string(m.Strength()));
        majors = std::max(majors, b.majors.size());
        cells.push_back(std::move(line));
    }
    const std::size_t measures = cells[0].size();
    for (std::size_t m = 1; m <= majors; ++m) cells[0].push_back(m == 1 ? "majors (strength)" : "");
    std::vector<std::size_t> widths;
    for (const auto& line : cells)
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (widths.size() <= c) widths.push_back(0);
            // The majors' heading spans their columns.
            if (&line == &cells[0] && c >= measures) continue;
            widths[c] = std::max(widths[c], line[c].size());
        }
    std::string text;
    for (const auto& line : cells) {
        std::string out;
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (c > 0) out += "  ";
            out += c < measures ? PadLeft(line[c], widths[c]) : PadRight(line[c], widths[c]);
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        text += out + "\n";
    }
    return text;
}

// The command that writes the world of `seed` with the sweep's settings.
std::string GenerateCommand(const SweepOptions& options, const World& loaded, uint64_t seed) {
    std::string command = "tq3gen generate";
    if (!options.gameDir.empty()) command += " --game-dir " + ShellQuote(loaded.ProgramFolder);
    command += " --mode " + std::to_string(loaded.Settings.GeneratorMode);
    if (options.vary) {
        Rerolls rerolls = RerollsOf(options.rerolls);
        SetReroll(rerolls, {*DrawStepNamed(*options.vary), seed});
        command += " --seed " + std::to_string(*options.seed);
        for (const Reroll& r : rerolls) command += " --reroll " + RerollText(r);
    } else {
        command += " --seed " + std::to_string(seed);
    }
    if (options.preset) command += " --preset " + ShellQuote(*options.preset);
    for (const std::string& s : options.sets) command += " --set " + ShellQuote(s);
    return command;
}

int UsageError(const std::string& text) {
    std::cerr << "tq3gen sweep: " << text << "\nRun with --help for more information.\n";
    return kUsageError;
}

// Every --require read; nothing, with why, when one is not a requirement.
std::optional<std::vector<Requirement>> ParseRequirements(const SweepOptions& options,
                                                          std::string& why) {
    std::vector<Requirement> requirements;
    for (const std::string& text : options.requirements) {
        std::optional<Requirement> r = ParseRequirement(text, why);
        if (!r) {
            why = "--require " + why;
            return std::nullopt;
        }
        requirements.push_back(std::move(*r));
    }
    return requirements;
}
}  // namespace

std::optional<std::pair<uint64_t, uint64_t>> ParseSeedRange(const std::string& text,
                                                            std::string& why) {
    const std::size_t dots = text.find("..");
    // Any seed that generate --seed takes: 0 to 2^64-1, digits only.
    const auto number = [](std::string_view part) -> std::optional<uint64_t> {
        uint64_t value = 0;
        const char* end = part.data() + part.size();
        const auto [at, error] = std::from_chars(part.data(), end, value);
        if (part.empty() || error != std::errc() || at != end) return std::nullopt;
        return value;
    };
    const std::optional<uint64_t> first =
        dots == std::string::npos ? std::nullopt : number(std::string_view(text).substr(0, dots));
    const std::optional<uint64_t> last =
        dots == std::string::npos ? std::nullopt : number(std::string_view(text).substr(dots + 2));
    if (!first || !last) {
        why = "--seeds takes a range of seeds as A..B (for example 1..2000), not \"" + text + "\"";
        return std::nullopt;
    }
    if (*last < *first) {
        why = "--seeds " + text + " is empty: the last seed is below the first";
        return std::nullopt;
    }
    if (*last - *first >= MaxSweepSeeds) {
        why = "--seeds " + text + " holds " + std::to_string(*last - *first + 1) +
              " seeds; a sweep measures at most " + std::to_string(MaxSweepSeeds);
        return std::nullopt;
    }
    return std::make_pair(*first, *last);
}

namespace {
// The workers asked for: --jobs, or one per processor.
int Jobs(const SweepOptions& options) {
    return options.jobs > 0 ? options.jobs
                            : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// What the command line asks of a sweep, read before anything is loaded.
struct SweepRequest {
    std::pair<uint64_t, uint64_t> range;
    SweepOrder order{};
    std::vector<Requirement> requirements;
    // --vary: the kept world and the step swept.
    std::optional<SweepVariation> variation;
};

// Reads the options that need no game folder: 0, or the status of a usage error (said).
int ReadRequest(const SweepOptions& options, SweepRequest& request) {
    std::string why;
    const auto range = ParseSeedRange(options.seeds, why);
    if (!range) return UsageError(why);
    const std::optional<SweepOrder> order = SweepOrderFromName(options.sort);
    if (!order) {
        std::string orders;
        for (const SweepOrderName& o : SweepOrders)
            orders += (orders.empty() ? "" : ", ") + std::string(o.name);
        return UsageError("--sort " + options.sort + " is not an order of the sweep (" + orders +
                          ")");
    }
    if (options.jobs < 0) return UsageError("--jobs must be 1 or more");
    if (options.top < 1) return UsageError("--top must be 1 or more");
    auto requirements = ParseRequirements(options, why);
    if (!requirements) return UsageError(why);
    if (options.vary && !options.seed)
        return UsageError("--vary needs --seed: the seed of the world that is kept");
    if (!options.vary && (options.seed || !options.rerolls.empty()))
        return UsageError("--seed and --reroll name a world to keep, and need --vary STEP");
    request = {*range, *order, std::move(*requirements), std::nullopt};
    if (options.vary)
        request.variation = SweepVariation{*options.seed, RerollsOf(options.rerolls),
                                           *DrawStepNamed(*options.vary)};
    return 0;
}

// The table of every seed goes into a temporary beside --csv first; nothing when no --csv.
// False (said) when the target is refused or the temporary cannot be made.
bool OpenTable(const SweepOptions& options, const World& world, Dialogs& dialogs,
               std::unique_ptr<TemporaryFile>& csv) {
    if (!options.csv) return true;
    const std::string path = AbsolutePath(*options.csv);
    const std::string problem =
        WriteTargetProblem(TargetKind::SweepTable, world.ProgramFolder, path, SweepCsvFirstColumns);
    // Temporaries of writes killed in that folder go first.
    if (problem.empty()) RemoveLeftoverTemporaryFiles(NameOf(PathOf(path).parent_path()));
    csv = std::make_unique<TemporaryFile>();
    if (problem.empty() && csv->Open(path)) return true;
    dialogs.Error(problem.empty() ? "Cannot write \"" + path + "\": " + csv->Reason() : problem);
    return false;
}

// Where a stopped sweep's rows go: beside the table, "partial" in the name, so that a
// complete table of an earlier sweep stays.
std::string PartialTableName(const std::string& path) {
    std::filesystem::path name = PathOf(path);
    const std::filesystem::path extension = name.extension();
    name.replace_extension();
    name += PathOf(".partial");
    name += extension;
    return NameOf(name);
}

// How the seeds were measured.
struct SweepProgress {
    uint64_t done = 0;    // rows given
    bool enough = false;  // --stop-after worlds met every requirement
    SweepWorkers workers;
};

// Measures every seed of the range (until Ctrl+C or --stop-after), each row into the table,
// the tally and the best seeds.
SweepProgress MeasureSeeds(const SweepOptions& options, const SweepRequest& request,
                           const World& world, TemporaryFile* csv, BestSeeds& best,
                           RequirementTally& tally) {
    const SeedSweep sweep(world, request.variation);
    const uint64_t total = request.range.second - request.range.first + 1;
    ProgressBar bar(total, IsTerminal(stderr));
    SweepProgress progress;
    InterruptGuard guard;
    sweep.Run(
        request.range.first, request.range.second, Jobs(options),
        [&](const SweepRow& row) {
            // Rows measured ahead of the world that ended the search do not count.
            if (tally.Enough()) return;
            if (csv) {
                if (progress.done == 0)
                    csv->Write(SweepCsvHeader(static_cast<int>(row.balance.majors.size())));
                csv->Write(SweepCsvLine(world, row));
            }
            if (tally.Offer(row.balance)) best.Offer(row);
            bar.Update(++progress.done);
            // Enough worlds found: the sweep stops as Ctrl+C stops it.
            progress.enough = tally.Enough();
            if (progress.enough) interrupted.store(true);
        },
        interrupted, &progress.workers);
    bar.Done();
    return progress;
}

// Puts the table in place: a whole sweep's over --csv, a stopped one's beside it under its
// partial name. False (said) when it cannot.
bool FinishTable(const SweepOptions& options, const World& world, TemporaryFile& csv, bool stopped,
                 uint64_t done, Dialogs& dialogs) {
    const std::string path = AbsolutePath(*options.csv);
    const std::string target = stopped ? PartialTableName(path) : path;
    std::string problem = stopped ? WriteTargetProblem(TargetKind::SweepTable, world.ProgramFolder,
                                                       target, SweepCsvFirstColumns)
                                  : std::string();
    if (problem.empty() && !csv.Commit(target))
        problem = "Cannot write \"" + target + "\": " + csv.Reason();
    if (!problem.empty()) {
        dialogs.Error(problem);
        return false;
    }
    std::cerr << "Wrote " << target << " (" << done << " seeds)"
              << (stopped ? "; the sweep was stopped, so \"" + path + "\" was left as it was" : "")
              << "\n";
    return true;
}

// The best seeds, what stopped the sweep, and how the requirements turned worlds away.
void PrintBest(const SweepOptions& options, const SweepRequest& request, const World& world,
               const BestSeeds& best, const RequirementTally& tally, const SweepProgress& progress,
               bool stopped) {
    const uint64_t total = request.range.second - request.range.first + 1;
    const std::vector<SweepRow> ranked = best.Ranked();
    if (stopped) std::cout << "Stopped after " << progress.done << " of " << total << " seeds.\n";
    if (progress.enough)
        std::cout << "Stopped after " << options.stopAfter << " matching worlds.\n";
    const uint64_t rankedAmong = request.requirements.empty() ? progress.done : tally.MetAll();
    std::cout << "Best " << ranked.size() << " of " << rankedAmong
              << (options.vary ? " " + *options.vary : std::string())
              << (rankedAmong == 1 ? " seed" : " seeds")
              << (request.requirements.empty() ? "" : " that met every requirement") << " by "
              << options.sort << ":\n"
              << Table(world, ranked);
    if (!ranked.empty())
        std::cout << "\nTo write the first: "
                  << GenerateCommand(options, world, ranked.front().seed) << "\n";
    if (!request.requirements.empty()) std::cout << "\n" << ExplainSearch(tally);
    std::cout << std::flush;
}

int RunSweep(const SweepOptions& options) {
    // Usage first: nothing is loaded for a command that cannot run.
    SweepRequest request;
    if (const int usage = ReadRequest(options, request); usage != 0) return usage;

    // The load of `generate`, without its backup: the sweep writes nothing to the folder.
    GameCommand command;
    if (!command.Open(options.gameDir) ||
        !command.AddOverrides(options.preset, options.mode, options.sets) || !command.Load(true))
        return 1;
    World& world = *command.world;
    ReportingDialogs& dialogs = command.dialogs;
    if (SeedSweep::Check(world, dialogs).refused) return 1;
    if (request.variation) {
        // A step that the run does not draw cannot be varied.
        Rerolls all = request.variation->rerolls;
        SetReroll(all, {request.variation->step, 0});
        if (const std::string problem = RerollProblem(all, world.Settings.GeneratorMode);
            !problem.empty()) {
            dialogs.Error(problem);
            return 1;
        }
    }
    std::unique_ptr<TemporaryFile> csv;
    if (!OpenTable(options, world, dialogs, csv)) return 1;

    BestSeeds best(request.order, static_cast<std::size_t>(options.top));
    RequirementTally tally(request.requirements, options.stopAfter);
    const SweepProgress progress = MeasureSeeds(options, request, world, csv.get(), best, tally);
    const uint64_t total = request.range.second - request.range.first + 1;
    const bool stopped = interrupted.load() && !progress.enough && progress.done < total;
    if (progress.workers.started < progress.workers.wanted)
        dialogs.Info("The system allowed " + std::to_string(progress.workers.started) + " of the " +
                     std::to_string(progress.workers.wanted) + " workers asked for; " +
                     (progress.workers.started == 0 ? "the sweep measured on its own thread."
                                                    : "the sweep measured with those."));

    int status = stopped ? kInterrupted : 0;
    if (csv && !FinishTable(options, world, *csv, stopped, progress.done, dialogs) && status == 0)
        status = 1;
    PrintBest(options, request, world, best, tally, progress, stopped);
    return status;
}

}  // namespace

Command AddSweepCommand(CLI::App& app) {
    auto options = std::make_shared<SweepOptions>();
    CLI::App* command = app.add_subcommand(
        "sweep",
        "Draw and measure the world of every seed of a range, as generate would write it, "
        "writing nothing; list the best seeds and the command that writes one.");
    AddGameDirOption(*command, options->gameDir, "Config/");
    command
        ->add_option("--mode", options->mode,
                     "Generator mode: 0 new map and scenario, 2 scenario only on the game's map "
                     "(1, map only, places no nations to measure).")
        ->check(CLI::Range(0, GeneratorModeCount - 1));
    command->add_option("--seeds", options->seeds, "The seeds to measure, as A..B (inclusive).")
        ->required();
    command
        ->add_option("--set", options->sets,
                     "Override one setting of Config/TQ3Gener.csv, as generate --set does "
                     "(repeatable).")
        ->type_name("KEY=VALUE")
        ->check(CLI::Validator(CheckSetting, "KEY=VALUE"));
    AddPresetOption(*command, options->preset);
    std::string steps;
    for (const DrawStepName& n : DrawStepNames)
        steps += (steps.empty() ? "" : ", ") + std::string(n.name);
    command
        ->add_option("--vary", options->vary,
                     "Keep the world of --seed (with its --reroll) and draw only this step anew "
                     "from each seed of --seeds: " +
                         steps + ".")
        ->type_name("STEP")
        ->check(CLI::Validator(
            [steps](const std::string& name) {
                return DrawStepNamed(name)
                           ? std::string()
                           : "\"" + name + "\" is not a step of the run (" + steps + ")";
            },
            "STEP"));
    command->add_option("--seed", options->seed, "The seed of the world that --vary keeps.");
    AddRerollOption(*command, options->rerolls);
    command->add_option("--jobs", options->jobs,
                        "Worlds measured at once, each by its own worker (default: one per "
                        "processor).");
    command->add_option("--top", options->top, "How many of the best seeds to list (default 10).");
    std::string orders;
    for (const SweepOrderName& o : SweepOrders)
        orders += (orders.empty() ? "" : ", ") + std::string(o.name);
    command->add_option("--sort", options->sort,
                        "Which seeds are best: " + orders +
                            " (default fairness). income-spread puts the most even incomes "
                            "first, wildest the least fair worlds, native-land the most land "
                            "left to natives, distance the majors farthest apart.");
    std::string measures;
    for (const RequirementMeasure& m : RequirementMeasures)
        measures += "\n  " + std::string(m.name) + ": " + m.what;
    command
        ->add_option(
            "--require", options->requirements,
            "Keep only worlds that meet this (repeatable), as MEASURE OP VALUE with OP one "
            "of >= <= > < ==, such as 'fairness>=0.8'. The measures:" +
                measures)
        ->type_name("'MEASURE OP VALUE'");
    command
        ->add_option("--stop-after", options->stopAfter,
                     "End the search once this many worlds met every requirement.")
        ->check(CLI::PositiveNumber);
    command->add_option("--csv", options->csv,
                        "Also write every seed's measures to this CSV file (a header row, then "
                        "one row per seed).");
    return {command, [options] { return RunSweep(*options); }};
}

}  // namespace tq3
