#pragma once
// The conversion of a stored database to today's layout, before any object is read. It
// runs in fixed stages, because what one stage reads another may change:
//   1. refuse a table whose class version is newer than this release knows;
//   2. retired: bring the tables of retired classes (old versions only) to their last
//      version, so that the later stages see one layout per retired class;
//   3. convert: run the old-version changes of every current class from its stored
//      version up to today's, lowest version first (a conversion may read other
//      tables, retired ones included, which have not moved yet);
//   4. move: the rows of a retired class join the table of the class that replaced it,
//      after the rows it holds already (their links offset), attributes renamed; moves
//      of whole objects (no link) first, then those whose rows become the derived part
//      of another stored row: each such row is linked as the derived part of every row
//      of the link table whose link attribute names it (a row two objects share is
//      duplicated, one the link table never names is dropped with every reference to
//      it); a retired table with rows but no link table to read is refused;
//   5. redirect: every reference to a moved row (in fields, lists, maps and roots) now
//      names its new place; one to a row that became another's derived part names the
//      derived row (the object's own class); one to a dropped row becomes null;
//   6. delete: drop the tables of deleted classes and of the moved ones;
//   7. moved rows: the changes of the new class from the version the moved rows are
//      stored as up to today's, on the moved rows only;
//   8. base parts: a row of an older version that stored no base part, where today's
//      class has one, gains a base part whose attributes read as their defaults;
//   9. project: each current table takes today's attributes in today's order, stored
//      values kept by name; attributes it lacks read as their defaults.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/cls/cls_ClassRegistrar.h"
#include "platform/dbc/dbc_OldClassVersion.h"

// The move of a retired class's rows into the class that replaced it.
struct dbc_Move {
    std::uint32_t from = 0, to = 0;
    std::string name;  // the retired class's stored name, in failure messages
    std::map<std::string, std::string> renames;
    // The version of `to` the moved rows are stored as; `to`'s changes from there run on
    // them. INT32_MAX: today's layout already.
    int asVersion = INT32_MAX;
    // When set, each moved row becomes the derived part of the rows of `linkTable` whose
    // `linkAttribute` names it.
    std::uint32_t linkTable = 0;
    std::string linkAttribute;
};

// What a conversion did, for a program to tell its user: tables of current classes brought
// from their stored version to today's, rows moved out of retired classes, and the
// retired tables dropped without a move.
struct dbc_ConversionReport {
    struct Converted {
        std::string className;
        int from, to;
        std::size_t rows;
    };
    struct Moved {
        std::string from, to;
        std::size_t rows;
    };
    struct Deleted {
        std::string className;
        std::size_t rows;
    };
    std::vector<Converted> converted;
    std::vector<Moved> moved;
    std::vector<Deleted> deleted;
    bool Empty() const { return converted.empty() && moved.empty() && deleted.empty(); }
};

class dbc_DatabaseConverter {
public:
    // The old versions to convert with, at most one per class and version.
    void AddVersion(std::shared_ptr<dbc_OldClassVersion const> version);
    // The rows of the retired class `from` move into `to`'s table, attributes renamed.
    void MoveRows(std::uint32_t from, std::uint32_t to, std::map<std::string, std::string> renames = {});
    void MoveRows(dbc_Move move);
    // The retired class's table is dropped after the conversions have read it.
    void DeleteClass(std::uint32_t classId);
    // A class stored under another name is read as `name`.
    void RenameClass(std::uint32_t classId, std::string name);

    // The registered metadata of one old version; null when there is none.
    cls_ClassMetadata const* OldMetadata(std::uint32_t classId, int version) const;

    // Converts `db` in place to the layout of `current`. A table whose class version is
    // newer than `current` knows is refused (nex_TextException naming the class and both
    // versions) before anything changes. What it did is added to `report` when one is given.
    void Convert(dbs_Database& db, cls_ClassRegistrar const& current, dbc_ConversionReport* report = nullptr) const;

private:
    // The changes from the table's version (or `from`) up to `below` on rows [begin, end).
    void RunChanges(dbs_Database& db, dbs_Table& table, int below, dbc_RunState& run) const;
    void RunChanges(dbs_Database& db, dbs_Table& table, int from, int below, std::size_t begin, std::size_t end,
                    dbc_RunState& run) const;

    using Move = dbc_Move;
    std::map<std::pair<std::uint32_t, int>, std::shared_ptr<dbc_OldClassVersion const>> versions_;
    std::map<std::pair<std::uint32_t, int>, cls_ClassMetadata> metadata_;
    std::vector<Move> moves_;
    std::vector<std::uint32_t> deletes_;
    std::map<std::uint32_t, std::string> renames_;
};
