#include "config/Adjacency.h"

#include <vector>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/TextFile.h"

namespace tq3 {

namespace {

constexpr std::size_t RecordSize = 4;
// A broken index can send every province over the same records: each record beyond the map is
// reported once, and after this many only their number is given.
constexpr int MaxNeighbourReports = 100;

// The first two bytes of record r, as a signed 16-bit little-endian number.
int RecordValue(const std::string& data, std::size_t r) {
    const auto lo = static_cast<unsigned char>(data[r * RecordSize]);
    const auto hi = static_cast<unsigned char>(data[r * RecordSize + 1]);
    return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

// Fills `table` from the index file and the chosen data file; false when either cannot be read.
bool ReadAdjacency(const World& world, Dialogs& dialogs, bool mapTable, NeighbourTable& table) {
    const std::string indexFile = world.GamePath(GameFiles::AdjacencyIndex);
    const std::string dataFile =
        world.GamePath(mapTable ? GameFiles::MapAdjacency : GameFiles::PlacementAdjacency);
    std::string index, data;
    if (!ReadWholeFile(dialogs, indexFile, index)) return false;
    if (!ReadWholeFile(dialogs, dataFile, data)) return false;

    const int provinceCount = world.ProvinceCount();
    const std::size_t indexRecords = index.size() / RecordSize;
    const std::size_t dataRecords = data.size() / RecordSize;
    bool reportedIndex = false, reportedData = false;
    std::vector<bool> reportedRecord;
    int beyondReported = 0, beyondUnreported = 0;

    // start(p) for p = 0..ProvinceCount + 1; a missing or negative start gives an empty list.
    const auto start = [&](int p) -> std::size_t {
        if (static_cast<std::size_t>(p) >= indexRecords) {
            if (!reportedIndex) {
                dialogs.Problem(AbsolutePath(indexFile), 0,
                                "the index holds " + std::to_string(indexRecords) + " records; " +
                                    std::to_string(provinceCount + 2) +
                                    " are needed, provinces without one have no neighbours");
                reportedIndex = true;
            }
            return dataRecords;
        }
        const int value = RecordValue(index, static_cast<std::size_t>(p));
        return value < 0 ? dataRecords : static_cast<std::size_t>(value);
    };

    for (int p = 1; p <= provinceCount; ++p) {
        NeighbourRow& row = table[p];
        int j = 1;
        const std::size_t first = start(p), last = start(p + 1);
        for (std::size_t r = first; r < last; ++r) {
            if (r >= dataRecords) {
                if (!reportedData) {
                    dialogs.Problem(AbsolutePath(dataFile), 0,
                                    "province " + std::to_string(p) +
                                        ": its list runs past the end of the "
                                        "data (" +
                                        std::to_string(dataRecords) +
                                        " records); the rest is left out");
                    reportedData = true;
                }
                break;
            }
            const int n = RecordValue(data, r);
            if (n <= 0) continue;
            if (n > provinceCount) {
                if (reportedRecord.empty()) reportedRecord.resize(dataRecords);
                if (reportedRecord[r]) continue;
                reportedRecord[r] = true;
                if (beyondReported == MaxNeighbourReports) {
                    ++beyondUnreported;
                    continue;
                }
                ++beyondReported;
                dialogs.Problem(AbsolutePath(dataFile), 0,
                                "record " + std::to_string(r) + " (province " + std::to_string(p) +
                                    "): neighbour " + std::to_string(n) + " is beyond province " +
                                    std::to_string(provinceCount) + "; it is left out");
                continue;
            }
            if (!world.Provinces[p].IsLand() || !world.Provinces[n].IsLand()) continue;
            row[j] = static_cast<int16_t>(n);
            if (j == NeighbourSlots) break;
            ++j;
        }
        for (int k = j; k <= NeighbourSlots; ++k) row[k] = 0;
    }
    if (beyondUnreported > 0)
        dialogs.Problem(AbsolutePath(dataFile), 0,
                        std::to_string(beyondUnreported) +
                            " more records name a neighbour beyond province " +
                            std::to_string(provinceCount) + "; they are left out too");
    return true;
}

}  // namespace

OperationReport LoadAdjacency(World& world, Dialogs& dialogs, bool mapTable) {
    OperationReport report;
    ReportingDialogs reporting(dialogs, report);
    const bool read = ReadAdjacency(world, reporting, mapTable, world.Neighbours);
    if (mapTable) world.MapAdjacencyRead = read;
    report.refused = !read;
    return report;
}

OperationReport ReadPlacementAdjacency(const World& world, Dialogs& dialogs,
                                       NeighbourTable& table) {
    OperationReport report;
    ReportingDialogs reporting(dialogs, report);
    report.refused = !ReadAdjacency(world, reporting, false, table);
    return report;
}

}  // namespace tq3
