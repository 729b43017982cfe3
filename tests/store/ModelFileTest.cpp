#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <bit>
#include <functional>
#include <set>
#include <stdexcept>

#include "StoreTestSupport.h"
#include "store/sto_FormatVersion.h"
#include "store/sto_ModelFile.h"
#include "store/sto_Sqlite.h"
#include "support/tst_CraftedModels.h"
#include "support/tst_Message.h"

using namespace storetest;

namespace {

std::string OpenError(std::string const& path) {
    return tst_MessageOf<sto_ModelFileException>([&] { sto_ModelFile::Open(path); });
}

std::string SaveError(dbs_Database const& db, std::string const& path) {
    return tst_MessageOf<sto_ModelFileException>([&] { sto_ModelFile::Save(db, path); });
}

class ModelFile : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir / "model.stw";
    void TearDown() override { sto_ModelFile::SetSaveHook(nullptr); }
};

TEST_F(ModelFile, SampleRoundTripsWithBasesReferencesAndRoots) {
    auto db = SampleDatabase();
    sto_ModelFile::Save(db, path);
    auto back = sto_ModelFile::Open(path);
    EXPECT_EQ(back, db);
    EXPECT_EQ(Dump(back), Dump(db));
    EXPECT_EQ(TempFiles(path), 0);
}

TEST_F(ModelFile, EveryKindRoundTripsInEveryKindOfColumn) {
    // One column per way of storing (integer, double, string, bool, enum, object,
    // list, other type code); row i holds value i in every column.
    std::vector<dbs_Attribute> schema{Attr(0, "i", 5),  Attr(1, "d", 10),          Attr(2, "s", 11),
                                      Attr(3, "b", 13), Attr(4, "e", 14),          Attr(5, "o", 15, 9),
                                      Attr(6, "l", 15, 0x230001, 1), Attr(7, "x", 7)};
    double nan = std::bit_cast<double>(std::uint64_t(0x7ff4000000000abc));
    std::vector<dbs_Value> values{
        dbs_Value(), dbs_Null{}, 0, 1, std::numeric_limits<std::int64_t>::min(),
        std::numeric_limits<std::int64_t>::max(), 0.0, -0.0, 1.0, 0.1, 1.7976931348623157e308, 5e-324, HUGE_VAL,
        -HUGE_VAL, nan, "", "text", std::string("nul\0and\xff bytes", 14), "[1]", "null", true, false,
        dbs_EnumString{"ON"}, dbs_EnumString{""}, dbs_Ref{9, 0}, dbs_Ref{9, 3}, dbs_List{}, dbs_List{1, 1.0, "1"},
        dbs_List{dbs_List{dbs_Map{{dbs_Ref{9, 1}, dbs_Value()}}}}, dbs_Map{}, dbs_Map{{1, dbs_Null{}}},
        std::vector<std::int64_t>{}, std::vector<std::int64_t>{-5, 5}, std::vector<double>{-0.0, nan},
        std::vector<std::string>{"a", ""}};
    dbs_Database db;
    dbs_Table t{9, "Everything", 1, 1, schema, {}};
    for (auto const& v : values) t.rows.push_back({-1, std::vector<dbs_Value>(schema.size(), v)});
    db.AddTable(t);
    sto_ModelFile::Save(db, path);
    EXPECT_EQ(Dump(sto_ModelFile::Open(path)), Dump(db));
}

TEST_F(ModelFile, FileIsReadableWithPlainSql) {
    sto_ModelFile::Save(SampleDatabase(), path);
    EXPECT_EQ(tst_Sql(path, "PRAGMA application_id"), std::to_string(sto_ApplicationId) + "\n");
    EXPECT_EQ(tst_Sql(path, "PRAGMA user_version"), std::to_string(sto_FormatVersion) + "\n");
    EXPECT_EQ(tst_Sql(path, "SELECT name FROM sqlite_schema WHERE type = 'table' ORDER BY name"),
              "##attributes\n##classes\n##roots\nkprC_Procedure\nkprC_StaticStep\nkprC_Step\n");
    EXPECT_EQ(tst_Sql(path, "SELECT group_concat(name, ',') FROM pragma_table_info('kprC_StaticStep')"),
              "##OID,##BaseClassOID,timePeriod,nlgeom,maxNumInc,matrixSolver,procedure#ClassID,procedure#OID,"
              "restart#ClassID,restart#OID,order,lcc,timeIncrementation,description\n");
    EXPECT_EQ(tst_Sql(path, "SELECT * FROM \"kprC_StaticStep\""),
              "0|1|1.0|1|100|DIRECT|30|0|null|NULL|[\"Initial\",\"Step-1\"]|{\"map\":[[\"case\",{\"ref\":[10,0]}]]}|"
              "{\"doubles\":[1.7976931348623157e+308,0.25]}|\n");
    EXPECT_EQ(tst_Sql(path, "SELECT typeof(timePeriod), typeof(nlgeom), typeof(matrixSolver), typeof(\"restart#ClassID\"), "
                        "typeof(\"order\") FROM \"kprC_StaticStep\""),
              "real|integer|text|blob|text\n");
    EXPECT_EQ(tst_Sql(path, "SELECT * FROM \"##classes\""),
              "10|kprC_Step|kprC_Step|439|1|2\n20|kprC_StaticStep|kprC_StaticStep|831|10|1\n"
              "30|kprC_Procedure|kprC_Procedure|323|1|1\n");
    EXPECT_EQ(tst_Sql(path, "SELECT * FROM \"##attributes\" WHERE classId = 20 AND position IN (4, 7)"),
              "20|4|4|procedure|15|30|0|procedure\n20|7|-1|lcc|15|2293762|2|lcc\n");
    EXPECT_EQ(tst_Sql(path, "SELECT * FROM \"##roots\""), "initial|10|0\nsteps|20|0\n");
}

TEST_F(ModelFile, NamesFromDataAreQuotedOrReplacedAndRoundTrip) {
    dbs_Database db;
    auto add = [&](std::uint32_t id, std::string name, std::vector<dbs_Attribute> schema) {
        dbs_Table t{id, std::move(name), 1, 1, schema, {}};
        t.rows.push_back({-1, std::vector<dbs_Value>(schema.size(), dbs_Value(dbs_Ref{id, 0}))});
        db.AddTable(t);
    };
    add(1, "Foo", {Attr(0, "a", 15, 1), Attr(1, "a#OID", 5), Attr(2, "A", 5), Attr(3, "##OID", 5)});
    add(2, "foo", {Attr(0, "", 5), Attr(1, "x\"); DROP TABLE \"Foo", 5), Attr(2, std::string("n\0ul", 4), 5)});
    add(3, "##classes", {});
    add(4, "SQLite_master", {});
    add(5, "", {});
    add(6, std::string("a\0b", 3), {Attr(0, "attr#0", 5), Attr(1, "", 5)});
    add(7, "class#6", {});
    sto_ModelFile::Save(db, path);
    EXPECT_EQ(Dump(sto_ModelFile::Open(path)), Dump(db));
    EXPECT_EQ(tst_Sql(path, "SELECT classId, tableName FROM \"##classes\""),
              "1|Foo\n2|class#2\n3|class#3\n4|class#4\n5|class#5\n6|class#6\n7|class#7\n");
    EXPECT_EQ(tst_Sql(path, "SELECT group_concat(name, ',') FROM pragma_table_info('Foo')"),
              "##OID,a#ClassID,a#OID,attr#1,A,attr#3\n");
    EXPECT_EQ(tst_Sql(path, "SELECT group_concat(name, ',') FROM pragma_table_info('class#2')"),
              "##OID,attr#0,x\"); DROP TABLE \"Foo,attr#2\n");
    EXPECT_EQ(tst_Sql(path, "SELECT group_concat(name, ',') FROM pragma_table_info('class#6')"), "##OID,attr#0,attr#1\n");
}

TEST_F(ModelFile, RefusesToSaveAnInconsistentDatabaseAndKeepsTheOldFile) {
    struct Case {
        std::function<void(dbs_Database&)> spoil;
        std::string message;
    } const cases[] = {
        {[](dbs_Database& db) { db.FindTable(10)->rows[0].fields.pop_back(); },
         "class 10 (\"kprC_Step\") row 0 has 1 fields but the schema has 2 attributes"},
        {[](dbs_Database& db) { db.FindTable(20)->rows[0].baseOid = 2; },
         "class 20 (\"kprC_StaticStep\") row 0 refers to base row 2 of class 10, which does not exist"},
        {[](dbs_Database& db) { db.FindTable(30)->rows[0].baseOid = 0; },
         "class 30 (\"kprC_Procedure\") row 0 refers to base row 0 of class 1, which does not exist"},
        {[](dbs_Database& db) { db.FindTable(20)->rows[0].fields[4] = dbs_Ref{31, 0}; },
         "class 20 (\"kprC_StaticStep\") row 0, attribute \"procedure\": reference to row 0 of class 31, which does "
         "not exist"},
        {[](dbs_Database& db) { db.FindTable(20)->rows[0].fields[7] = dbs_Map{{1, dbs_List{dbs_Ref{30, -1}}}}; },
         "class 20 (\"kprC_StaticStep\") row 0, attribute \"lcc\": reference to row -1 of class 30, which does not "
         "exist"},
        {[](dbs_Database& db) { db.SetRoot("loads", dbs_Ref{10, 2}); },
         "root \"loads\": reference to row 2 of class 10, which does not exist"},
        {[](dbs_Database& db) { db.Tables()[40] = *db.FindTable(30); },
         "the table kept under class id 40 is class 30 (\"kprC_Procedure\")"},
        {[](dbs_Database& db) {
             dbs_Value deep = 1;
             for (int i = 0; i <= sto_MaxValueDepth; ++i) deep = dbs_List{deep};
             db.FindTable(20)->rows[0].fields[6] = deep;
         },
         "a value is nested more than 200 levels deep"},
    };
    sto_ModelFile::Save(SampleDatabase(), path);
    auto before = ReadBytes(path);
    for (auto const& c : cases) {
        SCOPED_TRACE(c.message);
        auto db = SampleDatabase();
        c.spoil(db);
        EXPECT_EQ(SaveError(db, path), "Cannot save model file \"" + path + "\": " + c.message);
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(TempFiles(path), 0);
    }
}

TEST_F(ModelFile, SaveFailingAtAnyStageLeavesTheOldFileAndNoTemporaryFile) {
    auto a = SampleDatabase();
    auto b = LargeDatabase(100, 1);
    for (std::string stage : {"created", "rows", "committed", "synced"}) {
        SCOPED_TRACE(stage);
        sto_ModelFile::Save(a, path);
        auto before = ReadBytes(path);
        sto_ModelFile::SetSaveHook([&](std::string_view s) {
            if (s == stage) throw std::runtime_error("injected");
        });
        EXPECT_THROW(sto_ModelFile::Save(b, path), std::runtime_error);
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(TempFiles(path), 0);
        sto_ModelFile::SetSaveHook(nullptr);
        sto_ModelFile::Save(b, path);
        EXPECT_EQ(sto_ModelFile::Open(path), b);
    }
}

TEST_F(ModelFile, SaveIntoAMissingDirectoryOrOverADirectoryFailsCleanly) {
    auto db = SampleDatabase();
    auto missing = dir / "none/model.stw";
    EXPECT_EQ(SaveError(db, missing),
              "Cannot save model file \"" + missing + "\": cannot create a temporary file beside it (No such file or directory)");
    std::filesystem::create_directory(path);
    EXPECT_EQ(SaveError(db, path), "Cannot save model file \"" + path + "\": cannot replace the file (Is a directory)");
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(TempFiles(path), 0);
}

// A killed save leaves its temporary file; the next save removes it when its process is
// gone, and leaves alone those of running processes and files that only look alike.
TEST_F(ModelFile, LitterOfInterruptedSavesGoesWithoutTouchingOthers) {
    pid_t dead = fork();
    if (dead == 0) _exit(0);
    waitpid(dead, nullptr, 0);
    auto const prefix = sto_ModelFile::TempPrefix(path);
    std::string const stale = prefix + std::to_string(dead) + "-0", live = prefix + "1-0", other = prefix + "x-0";
    for (auto const& f : {stale, live, other, stale + "-journal"}) WriteBytes(f, "half a database");
    sto_ModelFile::Save(SampleDatabase(), path);
    EXPECT_EQ(sto_ModelFile::Open(path), SampleDatabase());
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(live) && std::filesystem::exists(other));  // process 1 runs
}

// Ten saves at once: every one succeeds, the file ends as one of them, whole, and a reader
// meanwhile always finds a whole file, the old one or a new one.
TEST_F(ModelFile, ConcurrentSavesLeaveOneWholeFile) {
    sto_ModelFile::Save(LargeDatabase(3000, 0), path);
    std::vector<pid_t> savers;
    for (int v = 1; v <= 10; ++v) {
        pid_t child = fork();
        if (child == 0) {
            try {
                for (int i = 0; i < 3; ++i) sto_ModelFile::Save(LargeDatabase(3000, v), path);
                _exit(0);
            } catch (...) {
                _exit(1);
            }
        }
        savers.push_back(child);
    }
    auto whole = [&] {
        auto db = sto_ModelFile::Open(path);
        for (int v = 0; v <= 10; ++v)
            if (db == LargeDatabase(3000, v)) return true;
        return false;
    };
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(whole());
    for (pid_t child : savers) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_TRUE(whole());
    EXPECT_EQ(TempFiles(path), 0);
}

// A name beginning with "file:" is a file of that name, never an SQLite URI.
TEST_F(ModelFile, AFileColonNameIsAPath) {
    auto const cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    sto_ModelFile::Save(LargeDatabase(5, 0), "victim.db");
    auto const victim = ReadBytes("victim.db");
    sto_ModelFile::Save(SampleDatabase(), "file:victim.db?x=");
    EXPECT_EQ(ReadBytes("victim.db"), victim);
    EXPECT_EQ(sto_ModelFile::Open("file:victim.db?x="), SampleDatabase());
    EXPECT_TRUE(std::filesystem::exists(dir / "file:victim.db?x="));
    EXPECT_TRUE(sto_ModelFile::IsModelFile("victim.db"));
    WriteBytes("notes.txt", "notes");
    EXPECT_FALSE(sto_ModelFile::IsModelFile("notes.txt") || sto_ModelFile::IsModelFile("missing"));
    std::filesystem::current_path(cwd);
}

TEST_F(ModelFile, SaveKeepsTheFileMode) {
    sto_ModelFile::Save(SampleDatabase(), path);
    std::filesystem::permissions(path, std::filesystem::perms(0600));
    sto_ModelFile::Save(SampleDatabase(), path);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0600));
}

TEST_F(ModelFile, OpeningChangesNothingInTheDirectory) {
    sto_ModelFile::Save(SampleDatabase(), path);
    auto before = ReadBytes(path);
    auto time = std::filesystem::last_write_time(path);
    sto_ModelFile::Open(path);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(std::filesystem::last_write_time(path), time);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    std::string missing = dir / "missing.stw";
    EXPECT_EQ(OpenError(missing), "Cannot open model file \"" + missing + "\": the file does not exist");
    EXPECT_FALSE(std::filesystem::exists(missing));
    // A name that needs escaping in an SQLite URI.
    std::string odd = dir / "a model?mode=rw#%41.stw";
    sto_ModelFile::Save(SampleDatabase(), odd);
    EXPECT_EQ(sto_ModelFile::Open(odd), SampleDatabase());
    EXPECT_EQ(sto_ModelFile::Open("/" + odd), SampleDatabase());
}

TEST_F(ModelFile, BadFilesAreRefusedWithTheirProblemAndLeftAsTheyWere) {
    struct Case {
        std::string name;
        std::function<void(std::string const&)> make;  // spoils a saved sample
        std::string message;
    };
    auto sql = [](std::string statements) { return [statements](std::string const& p) { tst_Sql(p, statements); }; };
    auto bytes = [](std::string content) { return [content](std::string const& p) { WriteBytes(p, content); }; };
    auto patch = [](std::size_t offset, std::string with) {
        return [offset, with](std::string const& p) {
            auto b = ReadBytes(p);
            b.replace(offset, with.size(), with);
            WriteBytes(p, b);
        };
    };
    auto const size = [&] {
        sto_ModelFile::Save(SampleDatabase(), path);
        return ReadBytes(path).size();
    }();
    Case const cases[] = {
        {"empty", bytes(""), "the file is empty"},
        {"text", bytes("steps = [Initial, Step-1]\n"), "it is not an SQLite database"},
        {"short", bytes("SQLite format 3"), "it is not an SQLite database"},
        {"other application", sql("PRAGMA application_id = 1234"),
         "it is an SQLite database of another application (application_id 0x000004d2)"},
        {"plain SQLite", [](std::string const& p) {
             std::filesystem::remove(p), tst_Sql(p, "CREATE TABLE t(x)", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
         },
         "it is an SQLite database of another application (application_id 0x00000000)"},
        {"newer", sql("PRAGMA user_version = 3"),
         "it was written by a newer release (format version 3; this release reads up to 2)"},
        {"unknown older", sql("PRAGMA user_version = 0"), "its format version 0 is not one this release reads"},
        {"truncated",
         [](std::string const& p) { std::filesystem::resize_file(p, std::filesystem::file_size(p) / 2); },
         "the file is truncated (" + std::to_string(size / 2) + " of " + std::to_string(size) + " bytes)"},
        {"grown", [](std::string const& p) { std::filesystem::resize_file(p, std::filesystem::file_size(p) + 10); },
         "the file is damaged (" + std::to_string(size + 10) + " bytes, its header gives " + std::to_string(size) + ")"},
        {"corrupt page", patch(4096, std::string(4, '\xa5')), "the file is damaged (database disk image is malformed)"},
        {"corrupt schema", patch(100, std::string(3000, '\x17')), "the file is damaged (database disk image is malformed)"},
        {"no roots", sql("DROP TABLE \"##roots\""), "table \"##roots\" is missing"},
        {"no classes", sql("DROP TABLE \"##classes\""), "table \"##classes\" is missing"},
        {"class table missing", sql("DROP TABLE kprC_Procedure"),
         "class 30 (\"kprC_Procedure\"): table \"kprC_Procedure\" is missing"},
        {"extra column", sql("ALTER TABLE kprC_Step ADD COLUMN note"),
         "class 10 (\"kprC_Step\"): table \"kprC_Step\" has a column \"note\" that its class does not have"},
        {"missing column", sql("ALTER TABLE kprC_Step DROP COLUMN stepId"),
         "class 10 (\"kprC_Step\"): table \"kprC_Step\" has no column \"stepId\""},
        {"metadata column missing", sql("ALTER TABLE \"##roots\" DROP COLUMN oid"), "table \"##roots\" has no column \"oid\""},
        {"bad bool", sql("UPDATE kprC_StaticStep SET nlgeom = 7"),
         "bad value in table \"kprC_StaticStep\", row 0, column \"nlgeom\": expected 0 or 1"},
        {"bad list", sql("UPDATE kprC_StaticStep SET \"order\" = '[1,'"),
         "bad value in table \"kprC_StaticStep\", row 0, column \"order\": missing value at offset 3 of value text"},
        {"list as integer", sql("UPDATE kprC_StaticStep SET \"order\" = 5"),
         "bad value in table \"kprC_StaticStep\", row 0, column \"order\": expected value text"},
        {"half a reference", sql("UPDATE kprC_StaticStep SET \"procedure#OID\" = NULL"),
         "bad value in table \"kprC_StaticStep\", row 0, column \"procedure#ClassID\": expected two integers, two "
         "nulls, or value text and null"},
        {"bad base", sql("UPDATE kprC_StaticStep SET \"##BaseClassOID\" = 'one'"),
         "bad value in table \"kprC_StaticStep\", row 0, column \"##BaseClassOID\": expected an integer"},
        {"dangling reference", sql("UPDATE kprC_StaticStep SET \"procedure#OID\" = 9"),
         "class 20 (\"kprC_StaticStep\") row 0, attribute \"procedure\": reference to row 9 of class 30, which does "
         "not exist"},
        {"dangling base", sql("UPDATE kprC_StaticStep SET \"##BaseClassOID\" = 5"),
         "class 20 (\"kprC_StaticStep\") row 0 refers to base row 5 of class 10, which does not exist"},
        {"dangling root", sql("UPDATE \"##roots\" SET classId = 99"),
         "root \"initial\": reference to row 0 of class 99, which does not exist"},
        {"missing base class", sql("DELETE FROM \"##classes\" WHERE classId = 10; DROP TABLE kprC_Step; "
                                   "DELETE FROM \"##attributes\" WHERE classId = 10"),
         "class 20 (\"kprC_StaticStep\") row 0 refers to base row 1 of class 10, which does not exist"},
        {"attributes of unknown class", sql("UPDATE \"##attributes\" SET classId = 77 WHERE classId = 30"),
         "bad metadata in table \"##attributes\", row 12: class 77 is not in table \"##classes\""},
        {"attribute position gap", sql("DELETE FROM \"##attributes\" WHERE classId = 10 AND position = 0"),
         "bad metadata in table \"##attributes\", row 0: the positions of class 10 are not 0, 1, 2, ..."},
        {"bad version", sql("UPDATE \"##classes\" SET version = 'new'"),
         "bad metadata in table \"##classes\", row 0: column \"version\" is not an integer"},
        {"class id out of range", sql("UPDATE \"##roots\" SET classId = -1"),
         "bad metadata in table \"##roots\", row 0: column \"classId\" is out of range"},
        {"recursive view for metadata",
         sql("DROP TABLE \"##roots\"; CREATE VIEW \"##roots\"(name, classId, oid) AS WITH RECURSIVE r(n) AS "
             "(SELECT 1 UNION ALL SELECT n + 1 FROM r) SELECT 'x', 10, n FROM r"),
         "table \"##roots\" is a view, not a plain table"},
        {"view for a class table",
         sql("ALTER TABLE kprC_Procedure RENAME TO p; CREATE VIEW kprC_Procedure AS SELECT * FROM p"),
         "class 30 (\"kprC_Procedure\"): table \"kprC_Procedure\" is a view, not a plain table"},
        {"null enumeration", sql("UPDATE kprC_StaticStep SET matrixSolver = NULL"),
         "bad value in table \"kprC_StaticStep\", row 0, column \"matrixSolver\": expected an enumeration string"},
        {"row added", sql("INSERT INTO kprC_Step(\"##OID\", name, stepId) VALUES(2, 'x', 2)"),
         "table \"kprC_Step\" holds more rows than the 2 its class lists"},
        {"row missing", sql("DELETE FROM kprC_Step WHERE \"##OID\" = 1"),
         "table \"kprC_Step\" holds 1 rows but its class lists 2"},
        {"row id gap", sql("UPDATE kprC_Step SET \"##OID\" = 5 WHERE \"##OID\" = 0"),
         "bad value in table \"kprC_Step\", row 0: the row ids are not 0, 1, 2, ..."},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        sto_ModelFile::Save(SampleDatabase(), path);
        c.make(path);
        auto before = ReadBytes(path);
        EXPECT_EQ(OpenError(path), "Cannot open model file \"" + path + "\": " + c.message);
        EXPECT_EQ(ReadBytes(path), before);
        std::filesystem::remove(path);
    }
    std::filesystem::create_directory(path);
    EXPECT_EQ(OpenError(path), "Cannot open model file \"" + path + "\": it is not a regular file");
}

// Files another program changed in place: a WAL-mode file opens without a file appearing
// beside it; unmerged WAL changes, a hot journal and a lock are reported with the way out.
TEST_F(ModelFile, FilesChangedByOtherProgramsSayWhatToDo) {
    auto const listing = [&] {
        std::set<std::string> names;
        for (auto const& e : std::filesystem::directory_iterator(dir.Path())) names.insert(e.path().filename());
        return names;
    };
    sto_ModelFile::Save(SampleDatabase(), path);
    tst_Sql(path, "PRAGMA journal_mode = WAL");
    auto const files = listing();
    auto const bytes = ReadBytes(path);
    EXPECT_EQ(sto_ModelFile::Open(path), SampleDatabase());
    EXPECT_EQ(listing(), files);
    EXPECT_EQ(ReadBytes(path), bytes);

    sqlite3* writer = nullptr;
    sqlite3_open(path.c_str(), &writer);
    sqlite3_exec(writer, "PRAGMA wal_autocheckpoint = 0; UPDATE kprC_Step SET name = 'changed'", nullptr, nullptr, nullptr);
    EXPECT_EQ(OpenError(path), "Cannot open model file \"" + path + "\": it is in WAL mode and changes not yet merged "
              "into it lie beside it in \"model.stw-wal\"; once no program is using the file, merge them with sqlite3 '" +
              path + "' 'PRAGMA wal_checkpoint(TRUNCATE)', then try again");
    sqlite3_close(writer);

    sto_ModelFile::Save(SampleDatabase(), path);
    WriteBytes(path + "-journal", std::string("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8) + std::string(504, '\0'));
    EXPECT_EQ(OpenError(path), "Cannot open model file \"" + path + "\": a change another program did not finish lies "
              "beside it in \"model.stw-journal\" (a hot journal); open it once with that program or with sqlite3 '" +
              path + "' 'PRAGMA quick_check', which rolls the change back, then try again");
    WriteBytes(path + "-journal", "garbage");
    EXPECT_EQ(OpenError(path), "Cannot open model file \"" + path + "\": a file \"model.stw-journal\" lies beside it "
              "that is not an SQLite journal; move it away, then try again");
    EXPECT_EQ(ReadBytes(path + "-journal"), "garbage");
    WriteBytes(path + "-journal", std::string(512, '\0'));  // an emptied journal, which SQLite ignores
    EXPECT_EQ(sto_ModelFile::Open(path), SampleDatabase());
    std::filesystem::remove(path + "-journal");

    sqlite3_open(path.c_str(), &writer);
    sqlite3_exec(writer, "BEGIN EXCLUSIVE; UPDATE kprC_Step SET name = 'x'", nullptr, nullptr, nullptr);
    EXPECT_EQ(OpenError(path), "Cannot open model file \"" + path + "\": the file is in use by another program (it is "
              "locked); try again when that program has finished with it");
    sqlite3_close(writer);
    EXPECT_EQ(sto_ModelFile::Open(path), SampleDatabase());
}

// A statement that would run for ever is stopped at its budget.
TEST_F(ModelFile, EveryStatementIsBounded) {
    sto_ModelFile::Save(SampleDatabase(), path);
    sto_Connection c(sto_FileUri(path, "mode=ro"), SQLITE_OPEN_READONLY);
    sto_Statement endless(c, "WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r) SELECT count(*) FROM r");
    try {
        endless.Step();
        ADD_FAILURE() << "ran to the end";
    } catch (sto_Problem const& p) {
        EXPECT_EQ(p.text, "reading it takes too long: a statement ran past its limit of 100000000 steps");
    }
}

}  // namespace
