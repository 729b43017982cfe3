#pragma once
// The model file: an SQLite database holding a dbs_Database, one SQL table per class
// table (named after the class), with metadata tables for the classes, their
// attribute schemas and the named roots. Saving is atomic (written beside the target,
// synced, renamed over it); opening is read-only and never changes the file. Every
// refusal is a sto_ModelFileException naming the file and the problem.
#include <functional>
#include <string>
#include <string_view>

#include "platform/dbs/dbs_Table.h"
#include "store/sto_ModelFileException.h"

class sto_ModelFile {
public:
    static void Save(dbs_Database const& db, std::string const& path);
    static dbs_Database Open(std::string const& path);

    // The file a save writes before renaming it over the target.
    static std::string TempPath(std::string const& path) { return path + ".saving"; }

    // For tests: called at each stage of a save ("created", "rows", "committed",
    // "synced"); a hook that throws makes the save fail there. Empty to remove.
    static void SetSaveHook(std::function<void(std::string_view stage)> hook);
};
