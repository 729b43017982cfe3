#pragma once
// The model file: an SQLite database holding a dbs_Database, one SQL table per class
// table (named after the class), with metadata tables for the classes, their
// attribute schemas and the named roots. Saving is atomic (written to a temporary file
// of its own beside the target, synced, renamed over it), so concurrent saves leave one
// of them whole and readers see an old or a new whole file; opening is read-only and
// never changes the file or creates one beside it. A path is always a path, never an
// SQLite URI. Every refusal is a sto_ModelFileException naming the file and the problem.
#include <functional>
#include <string>
#include <string_view>

#include "platform/dbs/dbs_Table.h"
#include "store/sto_ModelFileException.h"

class sto_ModelFile {
public:
    static void Save(dbs_Database const& db, std::string const& path);
    static dbs_Database Open(std::string const& path);

    // Every save writes "<prefix><pid>-<n>" before renaming it over the target; a save
    // removes those that killed saves (of processes no longer running) left behind.
    static std::string TempPrefix(std::string const& path) { return path + ".saving-"; }

    // Whether the file begins as a model file of this program does (SQLite, our application
    // id), whatever its version or state.
    static bool IsModelFile(std::string const& path);

    // Why a save should not replace what is at `path` unless the user insists: it is not a
    // regular file, not a model file, write-protected, or open in another program's SQLite
    // transaction (whose commit would go to the replaced file and be lost). Empty when
    // nothing is there or it may be replaced.
    static std::string ReplaceRefusal(std::string const& path);

    // For tests: called at each stage of a save ("created", "rows", "committed",
    // "synced"); a hook that throws makes the save fail there. Empty to remove.
    static void SetSaveHook(std::function<void(std::string_view stage)> hook);
};
