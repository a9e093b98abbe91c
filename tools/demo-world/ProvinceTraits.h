#pragma once

#include "DemoRandom.h"
#include "DemoWorld.h"
#include "NameMaker.h"

// The sound of names in a region of the world.
NameStyle StyleOfRegion(const std::string& region);

// Gives every province its template values: name, climate from latitude and the dry and wet
// belts, terrain from climate and the mountain ranges, the religion and culture of its area,
// goods drawn from the goods tables, manpower and income, and native values outside the
// settled lands. Sea zones get their climate, ice, storms and galley rights. Fills the area,
// region and culture name lists.
void DescribeProvinces(DemoWorld& world, DemoRandom& random, NameMaker& names);
