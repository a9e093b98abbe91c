#include "config/NationsFile.h"

#include <span>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/NameMatch.h"
#include "base/TextFile.h"

namespace tq3 {

namespace {

constexpr std::size_t MaxNationLine = 551;
constexpr std::size_t MaxListItem = 50;

// Walks the ";"-separated columns of one row. A column not followed by ";" runs to the end
// of the row and is the last one.
class ColumnCursor {
  public:
    explicit ColumnCursor(std::string_view row) : row_(row) {}

    bool AtEnd() const { return ended_; }
    // The next column; `followed` tells whether a ";" came after it.
    std::string_view Next(bool* followed = nullptr) {
        if (ended_) {
            if (followed) *followed = false;
            return {};
        }
        const std::size_t semi = row_.find(';', pos_);
        std::string_view column;
        if (semi == std::string_view::npos) {
            column = row_.substr(pos_);
            ended_ = true;
        } else {
            column = row_.substr(pos_, semi - pos_);
            pos_ = semi + 1;
        }
        if (followed) *followed = !ended_;
        return column;
    }

  private:
    std::string_view row_;
    std::size_t pos_ = 0;
    bool ended_ = false;
};

// Calls `use` with each ","-separated item of `text`, cut to its first 50 characters.
template <class Use>
void ForEachCommaItem(std::string_view text, Use&& use) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
        use(text.substr(start, std::min(end - start, MaxListItem)));
        if (comma == std::string_view::npos) return;
        start = comma + 1;
    }
}

// The number of an exactly matching name among `names`, or 0.
int ExactCode(std::span<const std::string> names, std::string_view text) {
    for (std::size_t k = 0; k < names.size(); ++k)
        if (names[k] == text) return static_cast<int>(k) + 1;
    return 0;
}

class NationsReader {
  public:
    // Culture names are indexed once for all rows.
    NationsReader(World& world, Dialogs& dialogs, std::string file)
        : world_(world),
          dialogs_(dialogs),
          file_(std::move(file)),
          cultures_(world.Settings.CultureNames, true, nullptr) {}

    // Reads every nation row; stops at "END", a row without ";", nation 208 or an error.
    void ReadAll(const std::string& text) {
        LineCursor cursor(text);
        ReadNextLine(cursor);  // header
        for (int n = 1; n <= MaxNations; ++n) {
            if (cursor.done) break;
            const std::string_view row = ReadNextLineView(cursor);
            line_ = cursor.lineNumber;
            if (row.size() > MaxNationLine)
                Problem("nation " + std::to_string(n) + ": the row has " +
                        std::to_string(row.size()) + " characters, more than 551");
            if (!ReadRow(n, row)) return;
        }
        if (!cursor.done) {
            // Rows after nation 208 that are not an end marker are left out.
            const std::string_view next = ReadNextLineView(cursor);
            if (next.find(';') != std::string_view::npos && next.substr(0, next.find(';')) != "END")
                Problem("more than 208 nations: the rows from here on are ignored");
        }
    }

  private:
    void Problem(const std::string& text) { dialogs_.Problem(file_, line_, text); }

    // Gives false when loading must stop.
    bool ReadRow(int n, std::string_view row) {
        const TGeneratorSettings& s = world_.Settings;
        TNation& nation = world_.Nations[n];
        if (row.find(';') == std::string_view::npos) return false;
        ColumnCursor cols(row);
        bool followed = false;
        const std::string_view tag = cols.Next();
        if (tag == "END") return false;
        nation.Tag = tag;

        const std::string_view mainColor = cols.Next(&followed);
        if (!followed) return SyntaxError();
        const int main = ExactCode(s.ColorNames, mainColor);
        nation.MainColor = static_cast<int8_t>(main == 0 ? 1 : main);
        const std::string_view fantasiaColor = cols.Next(&followed);
        if (!followed) return SyntaxError();
        if (const int c = ExactCode(s.ColorNames, fantasiaColor); c != 0)
            nation.FantasiaColor = static_cast<int8_t>(c);

        // Columns 4..19 must all be present; a row that ends early keeps the later fields.
        if (!ReadColumns4To19(cols, nation)) return ShortRow(n, 19);

        const std::string_view startText = TrimView(cols.Next());
        const int start = ParseInteger(startText);
        if (start < 1 || start > world_.ProvinceCount()) {
            Problem("nation " + std::to_string(n) + " (" + nation.Tag + "): start province " +
                    std::string(startText) + " is outside provinces 1.." +
                    std::to_string(world_.ProvinceCount()) + "; the nation has no start province");
            nation.OwnedProvinces[1] = 0;
        } else {
            nation.OwnedProvinces[1] = static_cast<int16_t>(start);
            if (world_.Provinces[start].Owner != 0) {
                return Stop(
                    "nation " + std::to_string(n) + " (" + nation.Tag + ") starts in province " +
                        std::to_string(start) + ", the start of nation " +
                        std::to_string(world_.Provinces[start].Owner) + "; loading stops here",
                    "Nations file: two nations with start loc:" + std::to_string(start));
            }
            world_.Provinces[start].Owner = static_cast<int16_t>(n);
        }
        if (cols.AtEnd()) return ShortRow(n, 20);

        const int size = ParseInteger(TrimView(cols.Next()));
        if (size > MaxNationProvinces) {
            return Stop("nation " + std::to_string(n) + " (" + nation.Tag + ") has size " +
                            std::to_string(size) + ", more than 10; loading stops here",
                        "Corrupted nations file: nation with size > 10");
        }
        nation.Size = Low8(size);
        world_.NationsLoaded = static_cast<int16_t>(world_.NationsLoaded + 1);
        ReadColumns22To36(cols, nation);
        return true;
    }

    bool SyntaxError() {
        return Stop("no \";\" after column 2 or 3; loading stops here",
                    "Nations file syntax error!");
    }

    // A problem that stops loading, reported with the error it raises; gives false.
    bool Stop(const std::string& problem, const std::string& error) {
        dialogs_.LoadStopped(file_, line_, problem, error);
        return false;
    }

    // A row that ends before column 21 leaves its nation uncounted; later rows keep their
    // line numbers as nation numbers.
    bool ShortRow(int n, int lastColumn) {
        Problem("nation " + std::to_string(n) + ": the row ends after column " +
                std::to_string(lastColumn) + "; the nation is not counted");
        return true;
    }

    bool ReadColumns4To19(ColumnCursor& cols, TNation& nation) {
        const TGeneratorSettings& s = world_.Settings;
        const int group = ExactCode(s.TechGroupNames, cols.Next());
        nation.TechGroup = static_cast<int8_t>(group == 0 ? 1 : group);
        for (std::string* code : {&nation.LeaderLanguage, &nation.ArmySprite, &nation.ShipSprite,
                                  &nation.CityNationality}) {
            if (cols.AtEnd()) return false;
            *code = cols.Next().substr(0, 3);
        }
        for (int8_t* policy : {&nation.Aristocracy, &nation.Centralisation, &nation.Innovative,
                               &nation.Mercantilism, &nation.Offensive, &nation.Land,
                               &nation.Quality, &nation.Serfdom, &nation.Electors}) {
            if (cols.AtEnd()) return false;
            *policy = Low8(TryParseInteger(TrimView(cols.Next())).value_or(5));
        }
        if (cols.AtEnd()) return false;
        nation.Name = cols.Next();
        if (cols.AtEnd()) return false;
        bool followed = false;
        if (const int r = ExactCode(s.ReligNames, cols.Next(&followed)); r != 0)
            nation.Religion = static_cast<int8_t>(r);
        return followed;
    }

    void ReadColumns22To36(ColumnCursor& cols, TNation& nation) {
        const auto next16 = [&](int16_t& field) {
            if (!cols.AtEnd()) field = Low16(ParseInteger(TrimView(cols.Next())));
        };
        const auto next8 = [&](int8_t& field) {
            if (!cols.AtEnd()) field = Low8(ParseInteger(TrimView(cols.Next())));
        };
        next16(nation.Treasury);
        for (int8_t* f : {&nation.TechLand, &nation.TechNaval, &nation.TechTrade, &nation.TechInfra,
                          &nation.Stability})
            next8(*f);
        for (int16_t* f : {&nation.Infantry, &nation.Cavalry, &nation.Artillery, &nation.Warships,
                           &nation.Galleys, &nation.Transports})
            next16(*f);
        if (cols.AtEnd()) return;
        nation.AiFile = cols.Next();
        if (cols.AtEnd()) return;
        ReadCultures(cols.Next(), nation);
        if (cols.AtEnd()) return;
        ReadSpecifics(cols.Next(), nation);
    }

    // Culture names match without regard to case; the search ends after the first empty
    // name, and matching items fill slots 1..4 in order.
    void ReadCultures(std::string_view column, TNation& nation) {
        int slot = 1;
        ForEachCommaItem(column, [&](std::string_view item) {
            if (slot > CultureSlots) return;
            if (const int code = cultures_.Find(item); code != 0)
                nation.Cultures[slot++] = static_cast<int16_t>(code);
        });
    }

    void ReadSpecifics(std::string_view column, TNation& nation) {
        nation.Specifics = 0;
        ForEachCommaItem(column, [&](std::string_view item) {
            for (const SpecificName& spec : SpecificNames)
                if (item == spec.word) nation.Specifics |= spec.bit;
        });
    }

    World& world_;
    Dialogs& dialogs_;
    std::string file_;
    NameIndex cultures_;
    int line_ = 0;
};

}  // namespace

OperationReport LoadNations(World& world, Dialogs& dialogs) {
    OperationReport report;
    ReportingDialogs reporting(dialogs, report);
    for (int p = 1; p <= world.ProvinceCount(); ++p) world.Provinces[p].Owner = 0;
    for (int n = 1; n <= world.NationCountLoaded(); ++n) world.Nations[n].Specifics = 0;

    const std::string file = world.GamePath(GameFiles::NationsTable);
    std::string text;
    world.NationsLoaded = 0;
    if (!ReadTextFile(reporting, file, text)) {
        report.refused = true;
        return report;
    }
    NationsReader(world, reporting, AbsolutePath(file)).ReadAll(text);
    return report;
}

}  // namespace tq3
