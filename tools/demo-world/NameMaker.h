#pragma once

#include <set>
#include <string>

#include "DemoRandom.h"

// The sound of the invented names of one part of the world.
enum class NameStyle { West, North, Desert, India, FarEast, Africa, America, Oceania };

// Invents names that are unique among those it has given. A few carry the Latin-1 letters
// e acute (0xE9) and o umlaut (0xF6), as names of the game's own data do.
class NameMaker {
  public:
    explicit NameMaker(DemoRandom& random) : random_(random) {}

    // A capitalised name such as a province or nation takes.
    std::string Name(NameStyle style);
    // A lower-case culture name ("valmorian").
    std::string Culture(NameStyle style);

  private:
    std::string Word(NameStyle style);

    DemoRandom& random_;
    std::set<std::string> used_;
};
