#pragma once
// Helpers of the model file tests: a scratch directory, file bytes, a readable dump of
// a database, and sample databases.
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/dbs/dbs_Table.h"
#include "store/sto_ValueText.h"
#include "support/tst_Files.h"

namespace storetest {

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "sto_test_XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string operator/(std::string const& name) const { return path_ + "/" + name; }
    std::string const& Path() const { return path_; }

private:
    std::string path_;
};

inline std::string ReadBytes(std::string const& path) { return tst_ReadFile(path); }

inline void WriteBytes(std::string const& path, std::string const& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The temporary files of saves lying beside `path`.
inline int TempFiles(std::string const& path) {
    auto const prefix = std::filesystem::path(path).filename().string() + ".saving-";
    int n = 0;
    for (auto const& e : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()))
        n += e.path().filename().string().starts_with(prefix);
    return n;
}

// Every table, attribute, row and field, with the field's tagged text: two databases
// with equal dumps are equal kind for kind and bit for bit (doubles included).
inline std::string Dump(dbs_Database const& db) {
    std::ostringstream out;
    for (auto const& [id, t] : db.Tables()) {
        out << "class " << id << " " << sto_ValueText(t.className) << " v" << t.version << " base " << t.baseId << "\n";
        for (auto const& a : t.schema)
            out << "  attr " << a.ordinal << " " << sto_ValueText(a.name) << " " << a.typeCode << " " << a.typeIdArg
                << " " << a.collectionKind << "\n";
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            out << "  row " << r << " base " << t.rows[r].baseOid;
            for (auto const& f : t.rows[r].fields) out << " " << sto_ValueText(f);
            out << "\n";
        }
    }
    for (auto const& [name, ref] : db.Roots()) out << "root " << sto_ValueText(name) << " " << sto_ValueText(ref) << "\n";
    return out.str();
}

inline dbs_Attribute Attr(int ordinal, std::string name, int typeCode, std::uint32_t typeIdArg = 1, int collection = 0) {
    return {ordinal, std::move(name), typeCode, typeIdArg, collection};
}

// A step-like hierarchy: a base class, a derived class with every kind of attribute and
// a reference to a third class, and the named roots.
inline dbs_Database SampleDatabase() {
    dbs_Database db;
    dbs_Table base{10, "kprC_Step", 439, 1, {Attr(0, "name", 11), Attr(1, "stepId", 5)}, {}};
    base.rows = {{-1, {"Initial", 0}}, {-1, {"Step-1", 1}}};
    dbs_Table proc{30, "kprC_Procedure", 323, 1, {Attr(0, "solver", 14)}, {{-1, {dbs_EnumString{"DIRECT"}}}}};
    dbs_Table derived{20, "kprC_StaticStep", 831, 10,
                      {Attr(0, "timePeriod", 10), Attr(1, "nlgeom", 13), Attr(2, "maxNumInc", 5),
                       Attr(3, "matrixSolver", 14), Attr(4, "procedure", 15, 30), Attr(5, "restart", 15, 9),
                       Attr(6, "order", 15, 0x230001, 55), Attr(-1, "lcc", 15, 0x230002, 2),
                       Attr(7, "timeIncrementation", 10, 1, 3), Attr(8, "description", 11)},
                      {}};
    derived.rows = {{1,
                     {1.0, true, 100, dbs_EnumString{"DIRECT"}, dbs_Ref{30, 0}, dbs_Null{},
                      dbs_List{"Initial", "Step-1"}, dbs_Map{{"case", dbs_Ref{10, 0}}},
                      std::vector<double>{1.7976931348623157e308, 0.25}, ""}}};
    db.AddTable(base);
    db.AddTable(derived);
    db.AddTable(proc);
    db.SetRoot("steps", dbs_Ref{20, 0});
    db.SetRoot("initial", dbs_Ref{10, 0});
    return db;
}

// Many small rows; `variant` changes every value and the row count.
inline dbs_Database LargeDatabase(int rows, int variant) {
    dbs_Database db;
    dbs_Table t{7, "kloC_Pressure", 203, 1,
                {Attr(0, "magnitude", 10), Attr(1, "stepId", 5), Attr(2, "name", 11), Attr(3, "states", 15, 0x230001, 1)},
                {}};
    for (int i = 0; i < rows + variant; ++i)
        t.rows.push_back({-1, {i * 0.5 + variant, std::int64_t(i) * 3 + variant, "load-" + std::to_string(i + variant),
                               dbs_List{variant, dbs_Ref{7, i}}}});
    db.AddTable(std::move(t));
    db.SetRoot("loads", dbs_Ref{7, variant});
    return db;
}

}  // namespace storetest
