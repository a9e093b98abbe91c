#pragma once

#include <string>

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "engine/World.h"

namespace tq3 {

// Loads Config/TQ3GenerProvince.csv into provinces 0..ProvinceCount. With a restriction set,
// only the rows of European (and/or Asian) provinces are read. Without one,
// ProvinceTemplateRead says whether the file was read with a row for every province. The
// report says what was shown; it is refused when the file could not be read.
OperationReport LoadProvinceTemplate(World& world, Dialogs& dialogs, bool europeanOnly,
                                     bool asianOnly);

// LoadProvinceTemplate on a text already read (as ReadTextFile gives it); problems are
// reported against `file`. False when the text holds no province, or ends before the last
// province in a line cut short: a run cannot use such a template.
bool ReadProvinceTemplate(World& world, Dialogs& dialogs, const std::string& text,
                          const std::string& file, bool europeanOnly, bool asianOnly);

}  // namespace tq3
