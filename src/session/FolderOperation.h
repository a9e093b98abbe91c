#pragma once

#include <string>

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "session/FolderLock.h"

namespace tq3 {

// The one opening of every operation on a folder: the folder is held for the operation (the
// caller's lock, or one taken now, which finishes a journal it finds), and the operation
// reports through dialogs that record what it shows into its report. Callers pass their
// plain dialogs; the operation gets the recording ones, so nothing is recorded twice.
// `operation(Dialogs&, Report&)` runs only when the folder could be had; otherwise the report
// says it was refused.
template <class Report = OperationReport, class Operation>
Report RunFolderOperation(const std::string& folder, Dialogs& dialogs, const FolderHold& hold,
                          Operation&& operation) {
    Report report;
    ReportingDialogs reporting(dialogs, report);
    const FolderUse use(folder, reporting, hold);
    if (!use) {
        report.refused = true;
        return report;
    }
    operation(static_cast<Dialogs&>(reporting), report);
    return report;
}

}  // namespace tq3
