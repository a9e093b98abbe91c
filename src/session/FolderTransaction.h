#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Dialogs.h"
#include "base/GamePath.h"
#include "base/OperationReport.h"
#include "base/ReplaceJournal.h"
#include "verify/GameFileVerifier.h"

namespace tq3 {

// One file of a transaction: its game path under the folder ("\DB\Goods.csv"), where it
// lands, and its whole new text.
struct TransactionFile {
    std::string relative;
    std::string target;  // absolute, resolved once when the file is added
    std::string text;
    bool listed = true;  // named in report.written once in place
    std::string keeps;   // for a keeping copy: the original it keeps (absolute)
};

// Every command that changes files of a folder (a run, a restore, a scenario copy, --out)
// changes them through one transaction: all of them or none. Files are added whole; Commit
// writes each under a temporary name beside its target and syncs it, adds the keeping copies
// of the originals it is about to replace, and only then renames them all through the
// folder's journal, which the next command finishes when this one is killed half-way. A
// transaction that never commits (the map editor's Abort) leaves the folder as it was.
class FolderTransaction {
  public:
    explicit FolderTransaction(const std::string& folder, JournalFolder kind = JournalFolder::Game);

    const std::string& folder() const { return folder_; }
    // Names added from now on take the spelling they have in `folder` (a game folder whose
    // files this transaction writes elsewhere, as --out does), where it holds them.
    void SpellAs(const std::string& folder) { spelling_ = AbsolutePath(folder); }

    // Adds a file by its game path under the folder with its whole text; a path added before
    // takes the new text.
    void Add(const std::string& relative, std::string text);
    // Adds a file whose new content is the whole content of `from`, read now. When it cannot
    // be read, the failure goes into `report` with `message` (or the reading's own), and the
    // transaction will commit nothing.
    bool AddCopy(const std::string& relative, const std::string& from, OperationReport& report,
                 const std::string& message = {});

    // Before a database file of DB/ is replaced, a keeping copy of the original goes into
    // Backup/ (an existing copy is never replaced); before a scenario of Scenarios/ that this
    // program did not write is replaced, into Backup/Scenarios/, and the scenario is added to
    // the list of those it wrote. The copies land in the same journal as the files.
    void KeepOriginals() { keepOriginals_ = true; }
    // Completes Backup/ with each of the six database files it lacks, from DB/ (a file that
    // has no keeping copy yet was never replaced by a run, so DB/ holds its original). Makes
    // Backup/ when `create` is set and it is missing; without Backup/ and `create`, nothing.
    void CompleteBackup(bool create);

    // The last look at the staged files before anything is replaced: a check that gives false
    // stops the commit (it has reported why). It sees every file with its final text.
    using Check =
        std::function<bool(const std::vector<TransactionFile>&, Dialogs&, OperationReport&)>;
    void SetCheck(Check check) { check_ = std::move(check); }

    bool empty() const { return files_.empty(); }
    // Every file's text by its game path, as it will land.
    GameFileTexts Texts() const;
    bool broken() const { return broken_; }

    // Lands every file, as said above. When any file cannot be staged, any copy made or the
    // check fails, nothing is replaced: gives false with the failures named in `report` (and
    // shown). A rename that fails half-way says which files are already new and which are
    // still old; the journal stays for the next command. The files written go into
    // report.written in the order they were added.
    bool Commit(Dialogs& dialogs, OperationReport& report);

  private:
    std::string Resolve(const std::string& relative) const;
    void AddKeepingCopies(OperationReport& report);
    void Keep(const std::string& original, const std::string& keep, OperationReport& report);

    std::string folder_;
    std::string spelling_;
    // Each game path is looked up once in the transaction's folder and in the spelling one.
    mutable GamePaths paths_, spellings_;
    JournalFolder kind_;
    std::vector<TransactionFile> files_;
    std::vector<TransactionFile> keeping_;  // copies of originals and the written list
    bool keepOriginals_ = false;
    bool broken_ = false;
    Check check_;
};

}  // namespace tq3
