#pragma once

#include <cstdint>
#include <vector>

#include "engine/World.h"

namespace tq3 {

// What one major nation received in a generated world.
struct MajorBalance {
    int nation = 0;
    int provinces = 0;      // provinces held, capital included
    int landProvinces = 0;  // of those, the land provinces
    int manpower = 0;       // summed over its provinces
    int income = 0;
    int coastal = 0;
    int goldMines = 0;         // provinces with a mine value above 0
    int tradeGoods = 0;        // distinct goods produced in its provinces
    double religionShare = 0;  // percent of the world's land provinces that follow its religion
    // Neighbour steps over land from its capital to the nearest other major's capital; -1 when
    // no other major's capital can be reached (another continent, or it is the only major).
    int capitalDistance = -1;
    // Land provinces that no scenario nation holds within RoomSteps neighbour steps of its
    // capital: the land it can take without a war.
    int room = 0;

    // Income and manpower with equal weight: both are counted in the same per-province units
    // and a province's income follows its manpower.
    int Strength() const { return income + manpower; }
};

// The balance of a generated world between its majors.
struct WorldBalance {
    std::vector<MajorBalance> majors;  // in nation-number order
    // The weakest major's strength over the strongest's: 1 when all are equal, near 0 when
    // one major has next to nothing. 1 with fewer than two majors.
    double fairness = 1;
    double incomeGini = 0;   // the spread of the majors' income, 0 (equal) to below 1
    double nativeShare = 0;  // percent of land provinces that no scenario nation holds
    int shortNations = 0;    // scenario nations that received fewer provinces than their size
    int room = 0;            // the smallest room of any major; 0 without majors
    int coastalMajors = 0;   // majors that hold a coastal province
};

// How far from its capital a major's room is counted, in neighbour steps.
inline constexpr int RoomSteps = 3;

// Measures a world after its nations were placed and grown, from the province and nation
// tables alone. Distances use the world's neighbour table, so the run's map adjacency.
WorldBalance MeasureBalance(const World& world);

// The weakest value over the strongest: 1 for fewer than two values or when the strongest
// is 0 or less.
double FairnessRatio(const std::vector<int>& strengths);

// The Gini coefficient of the values (mean absolute difference over twice the mean):
// 0 when all are equal or the sum is 0 or less.
double GiniCoefficient(const std::vector<int>& values);

}  // namespace tq3
