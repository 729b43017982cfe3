#include "store/sto_ModelFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <set>

#include "store/sto_FormatVersion.h"
#include "store/sto_Sqlite.h"
#include "store/sto_ValueText.h"

namespace {

std::function<void(std::string_view)>& SaveHook() {
    static std::function<void(std::string_view)> hook;
    return hook;
}

void Stage(std::string_view stage) {
    if (SaveHook()) SaveHook()(stage);
}

constexpr char const* kOidColumn = "##OID";
constexpr char const* kBaseColumn = "##BaseClassOID";

std::string Quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }
std::string Describe(dbs_Table const& t) { return "class " + std::to_string(t.classId) + " (" + Quoted(t.className) + ")"; }

// ---- Consistency: every reference and base link names an existing row -------------------

// The row counts of the tables, looked up once each: every field of every row is checked.
class RowCounts {
public:
    explicit RowCounts(dbs_Database const& db) {
        for (auto const& [id, t] : db.Tables()) counts_.emplace_back(id, t.rows.size());
    }
    bool Exists(std::uint32_t classId, std::int64_t oid) {
        if (classId != lastId_ || !last_) {
            auto at = std::lower_bound(counts_.begin(), counts_.end(), classId,
                                       [](auto const& entry, std::uint32_t id) { return entry.first < id; });
            if (at == counts_.end() || at->first != classId) return false;
            lastId_ = classId;
            last_ = &at->second;
        }
        return oid >= 0 && std::uint64_t(oid) < *last_;
    }

private:
    std::vector<std::pair<std::uint32_t, std::size_t>> counts_;  // by class id, as the database keeps them
    std::uint32_t lastId_ = 0;
    std::size_t const* last_ = nullptr;
};

// The first reference inside a value that names no existing row.
dbs_Value const* DanglingRef(RowCounts& counts, dbs_Value const& v) {
    switch (v.Kind()) {
        case dbs_Kind::Reference: return counts.Exists(v.AsRef().classId, v.AsRef().oid) ? nullptr : &v;
        case dbs_Kind::List:
            for (auto const& item : v.AsList())
                if (auto bad = DanglingRef(counts, item)) return bad;
            return nullptr;
        case dbs_Kind::Map:
            for (auto const& [key, value] : v.AsMap()) {
                auto bad = DanglingRef(counts, key);
                if (bad || (bad = DanglingRef(counts, value))) return bad;
            }
            return nullptr;
        default: return nullptr;
    }
}

// Messages are built only for the failure: this runs over every field of every row.
void CheckRefs(RowCounts& counts, dbs_Value const& v, auto where) {
    if (auto bad = DanglingRef(counts, v))
        throw sto_Problem{where() + ": reference to row " + std::to_string(bad->AsRef().oid) + " of class " +
                          std::to_string(bad->AsRef().classId) + ", which does not exist"};
}

void CheckConsistency(dbs_Database const& db) {
    RowCounts counts(db);
    for (auto const& entry : db.Tables()) {
        auto const& t = entry.second;
        if (entry.first != t.classId)
            throw sto_Problem{"the table kept under class id " + std::to_string(entry.first) + " is " + Describe(t)};
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            auto const& row = t.rows[r];
            auto where = [&] { return Describe(t) + " row " + std::to_string(r); };
            if (row.fields.size() != t.schema.size())
                throw sto_Problem{where() + " has " + std::to_string(row.fields.size()) + " fields but the schema has " +
                                  std::to_string(t.schema.size()) + " attributes"};
            if (row.baseOid != -1 && (t.baseId == dbs_NoBaseId || !counts.Exists(t.baseId, row.baseOid)))
                throw sto_Problem{where() + " refers to base row " + std::to_string(row.baseOid) + " of class " +
                                  std::to_string(t.baseId) + ", which does not exist"};
            for (std::size_t f = 0; f < row.fields.size(); ++f)
                CheckRefs(counts, row.fields[f], [&] { return where() + ", attribute " + Quoted(t.schema[f].name); });
        }
    }
    for (auto const& root : db.Roots())
        CheckRefs(counts, root.second, [&] { return "root " + Quoted(root.first); });
}

// ---- Layout: SQL names of tables and columns ---------------------------------------------

// How a field is kept in its column: values of the column's own kind in plain SQLite
// form, anything else as tagged value text (a BLOB; TEXT in a Json column).
enum class Natural { Plain, Bool, Enum, Ref, Json };

Natural NaturalOf(dbs_Attribute const& a) {
    if (a.collectionKind != 0) return Natural::Json;
    switch (a.typeCode) {
        case dbs_TypeBool: return Natural::Bool;
        case dbs_TypeEnum: return Natural::Enum;
        case dbs_TypeObject: return Natural::Ref;
        default: return Natural::Plain;
    }
}

std::vector<std::string> ColumnsOf(Natural n, std::string const& column) {
    if (n == Natural::Ref) return {column + "#ClassID", column + "#OID"};
    return {column};
}

std::string Folded(std::string s) {
    for (auto& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// SQLite compares names ignoring ASCII case; a name that is empty, holds NUL, or is taken
// falls back to "<fallback>", "<fallback>#2", ...
template <class Names>
std::string UniqueName(std::string const& preferred, std::string const& fallback, std::set<std::string>& used,
                       Names namesOf) {
    auto free = [&](std::string const& candidate) {
        for (auto const& n : namesOf(candidate))
            if (n.find('\0') != std::string::npos || used.count(Folded(n))) return false;
        return true;
    };
    std::string name = preferred;
    for (int k = 2; name.empty() || !free(name); ++k) name = fallback + (k > 2 ? "#" + std::to_string(k - 1) : "");
    for (auto const& n : namesOf(name)) used.insert(Folded(n));
    return name;
}

struct TableLayout {
    std::string sqlName;
    std::vector<Natural> naturals;
    std::vector<std::string> columns;  // per attribute; a reference adds "#ClassID" and "#OID"
};

bool Reserved(std::string const& name) {
    auto f = Folded(name);
    return f.starts_with("sqlite_") || f.starts_with("##");
}

std::map<std::uint32_t, TableLayout> Layout(dbs_Database const& db) {
    std::map<std::uint32_t, TableLayout> out;
    std::set<std::string> tableNames;
    for (auto const& [id, t] : db.Tables()) {
        auto& l = out[id];
        l.sqlName = UniqueName(Reserved(t.className) ? std::string() : t.className, "class#" + std::to_string(id),
                               tableNames, [](std::string const& n) { return std::vector{n}; });
        std::set<std::string> used{Folded(kOidColumn), Folded(kBaseColumn)};
        for (std::size_t i = 0; i < t.schema.size(); ++i) {
            auto n = NaturalOf(t.schema[i]);
            l.naturals.push_back(n);
            l.columns.push_back(UniqueName(t.schema[i].name, "attr#" + std::to_string(i), used,
                                           [n](std::string const& c) { return ColumnsOf(n, c); }));
        }
    }
    return out;
}

// The SQL columns of a class table, in order.
std::vector<std::string> SqlColumns(bool hasBase, std::vector<Natural> const& naturals,
                                    std::vector<std::string> const& columns) {
    std::vector<std::string> out{kOidColumn};
    if (hasBase) out.push_back(kBaseColumn);
    for (std::size_t i = 0; i < columns.size(); ++i)
        for (auto& c : ColumnsOf(naturals[i], columns[i])) out.push_back(std::move(c));
    return out;
}

std::string JoinQuoted(std::vector<std::string> const& names) {
    std::string out;
    for (auto const& n : names) out += (out.empty() ? "" : ",") + sto_QuoteName(n);
    return out;
}

// ---- Fields -------------------------------------------------------------------------------

// `scratch` holds the value text until the row is inserted.
void BindField(sto_Statement& st, int& index, Natural n, dbs_Value const& v, std::string& scratch) {
    auto asText = [&](int column) {
        scratch.clear();
        sto_AppendValueText(scratch, v);
        st.Bind(column, scratch, n == Natural::Json ? SQLITE_TEXT : SQLITE_BLOB);
    };
    if (n == Natural::Ref) {
        if (v.Kind() == dbs_Kind::Reference) {
            st.Bind(index, std::int64_t(v.AsRef().classId));
            st.Bind(index + 1, v.AsRef().oid);
        } else {
            v.IsUndefined() ? st.BindNull(index) : asText(index);
            st.BindNull(index + 1);
        }
        index += 2;
        return;
    }
    bool plainOrEnum = n == Natural::Plain || n == Natural::Enum;
    switch (v.Kind()) {
        // NULL in an enumeration column is refused on reading: an absent value is tagged text there.
        case dbs_Kind::Undefined: n == Natural::Enum ? asText(index) : st.BindNull(index); break;
        case dbs_Kind::Integer: plainOrEnum ? st.Bind(index, v.AsInteger()) : asText(index); break;
        case dbs_Kind::Double:
            n != Natural::Json && !std::isnan(v.AsDouble()) ? st.Bind(index, v.AsDouble()) : asText(index);
            break;
        case dbs_Kind::String:
            n == Natural::Plain || n == Natural::Bool ? st.Bind(index, v.AsString()) : asText(index);
            break;
        case dbs_Kind::Enum: n == Natural::Enum ? st.Bind(index, v.AsEnum()) : asText(index); break;
        case dbs_Kind::Bool: n == Natural::Bool ? st.Bind(index, std::int64_t(v.AsBool())) : asText(index); break;
        default: asText(index); break;
    }
    ++index;
}

[[noreturn]] void BadType(char const* expected) { throw sto_Problem{std::string("expected ") + expected}; }

dbs_Value ReadField(sto_Statement const& st, int& col, Natural n) {
    int type = st.Type(col);
    if (n == Natural::Ref) {
        int second = st.Type(col + 1);
        col += 2;
        if (type == SQLITE_INTEGER && second == SQLITE_INTEGER) {
            auto classId = st.Int(col - 2);
            if (classId < 0 || classId > UINT32_MAX) throw sto_Problem{"class id out of range"};
            return dbs_Ref{std::uint32_t(classId), st.Int(col - 1)};
        }
        if (type == SQLITE_NULL && second == SQLITE_NULL) return {};
        if (type == SQLITE_BLOB && second == SQLITE_NULL) return sto_ParseValueText(st.Text(col - 2));
        BadType("two integers, two nulls, or value text and null");
    }
    ++col;
    switch (type) {
        case SQLITE_NULL:
            // An enumeration always has a value: its string is always written.
            if (n == Natural::Enum) BadType("an enumeration string");
            return {};
        case SQLITE_INTEGER:
            if (n == Natural::Json) BadType("value text");
            if (n != Natural::Bool) return st.Int(col - 1);
            if (st.Int(col - 1) != 0 && st.Int(col - 1) != 1) BadType("0 or 1");
            return st.Int(col - 1) == 1;
        case SQLITE_FLOAT:
            if (n == Natural::Json) BadType("value text");
            return sqlite3_column_double(st.Handle(), col - 1);
        case SQLITE_TEXT:
            if (n == Natural::Enum) return dbs_EnumString{std::string(st.Text(col - 1))};
            if (n == Natural::Json) return sto_ParseValueText(st.Text(col - 1));
            return std::string(st.Text(col - 1));
        default:
            if (n == Natural::Json) BadType("value text");
            return sto_ParseValueText(st.Text(col - 1));
    }
}

// ---- Files ----------------------------------------------------------------------------------

std::string ErrnoText() { return std::strerror(errno); }

void SyncFile(std::string const& path, bool directory) {
    int fd = ::open(path.c_str(), (directory ? O_RDONLY | O_DIRECTORY : O_RDWR) | O_CLOEXEC);
    if (fd < 0) {
        if (directory) return;  // the rename is done; a directory we cannot sync is no failure of the save
        throw sto_Problem{"cannot sync the temporary file (" + ErrnoText() + ")"};
    }
    int rc = ::fsync(fd);
    int err = errno;
    ::close(fd);
    if (rc != 0 && !directory) throw sto_Problem{"cannot sync the temporary file (" + std::string(strerror(err)) + ")"};
}

std::string DirectoryOf(std::string const& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Removes the temporary file unless the save got as far as renaming it.
struct TempFile {
    std::string path;
    bool keep = false;
    ~TempFile() {
        if (!keep && !path.empty()) ::unlink(path.c_str());
    }
};

std::string BaseName(std::string const& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A new, empty file beside the target, "<file>.saving-<pid>-<n>", created exclusively so
// that no two saves (of this process or any other) ever share one. Its mode is the
// default for new files (0666 less the umask).
std::string CreateTempFile(std::string const& path) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string name = sto_ModelFile::TempPrefix(path) + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST) throw sto_Problem{"cannot create a temporary file beside it (" + ErrnoText() + ")"};
    }
    throw sto_Problem{"cannot create a temporary file beside it (every name is taken)"};
}

// Deletes the temporary files that saves of processes no longer running left beside the
// target (a killed save); the target and the files of running saves are not touched.
void RemoveStaleTempFiles(std::string const& path) {
    std::string const prefix = BaseName(sto_ModelFile::TempPrefix(path));
    DIR* dir = ::opendir(DirectoryOf(path).c_str());
    if (!dir) return;
    while (auto* entry = ::readdir(dir)) {
        std::string_view name = entry->d_name;
        if (!name.starts_with(prefix)) continue;
        auto rest = name.substr(prefix.size());
        auto dash = rest.find('-');
        if (dash == 0 || dash == std::string_view::npos || dash > 9 ||
            rest.find_first_not_of("0123456789-") != std::string_view::npos)
            continue;
        long pid = std::stol(std::string(rest.substr(0, dash)));
        if (pid != ::getpid() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            ::unlink((DirectoryOf(path) + "/" + std::string(name)).c_str());
    }
    ::closedir(dir);
}

std::uint32_t BigEndian(unsigned char const* p, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | p[i];
    return v;
}

// The first bytes of a file; fewer when it is shorter, none when it cannot be read.
std::string FirstBytes(std::string const& path, std::size_t n) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    std::string bytes(n, '\0');
    auto got = ::read(fd, bytes.data(), n);
    ::close(fd);
    bytes.resize(got > 0 ? std::size_t(got) : 0);
    return bytes;
}

bool IsOurs(unsigned char const* h, std::size_t size) {
    return size >= 100 && std::memcmp(h, "SQLite format 3", 16) == 0 &&
           BigEndian(h + 68, 4) == std::uint32_t(sto_ApplicationId);
}

// What the 100-byte SQLite header and the files beside it tell before SQLite reads
// anything. Header and size come from one open file, so a save renaming a new file into
// place meanwhile cannot make them disagree. True when the file is in WAL mode (written
// by another program) with nothing waiting beside it: it is then read as immutable, so
// that SQLite creates no files beside it.
bool CheckHeader(std::string const& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) throw sto_Problem{"the file does not exist"};
        throw sto_Problem{"the file cannot be read (" + ErrnoText() + ")"};
    }
    struct stat st{};
    unsigned char h[100];
    ssize_t got = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) got = ::read(fd, h, sizeof h);
    int err = errno;
    ::close(fd);
    if (!S_ISREG(st.st_mode)) throw sto_Problem{"it is not a regular file"};
    if (got < 0) throw sto_Problem{"the file cannot be read (" + std::string(std::strerror(err)) + ")"};
    if (st.st_size == 0) throw sto_Problem{"the file is empty"};
    if (got != sizeof h || std::memcmp(h, "SQLite format 3", 16) != 0) throw sto_Problem{"it is not an SQLite database"};
    auto appId = BigEndian(h + 68, 4);
    if (appId != std::uint32_t(sto_ApplicationId)) {
        char buf[80];
        std::snprintf(buf, sizeof buf, "it is an SQLite database of another application (application_id 0x%08x)",
                      unsigned(appId));
        throw sto_Problem{buf};
    }
    auto version = std::int32_t(BigEndian(h + 60, 4));
    if (version > sto_FormatVersion)
        throw sto_Problem{"it was written by a newer release (format version " + std::to_string(version) +
                          "; this release reads up to " + std::to_string(sto_FormatVersion) + ")"};
    if (version < sto_OldestFormatVersion)
        throw sto_Problem{"its format version " + std::to_string(version) + " is not one this release reads"};
    // Another program may have changed the file in place: its unfinished or unmerged
    // changes lie beside it, and the file is whole again once SQLite has applied them.
    static constexpr unsigned char kJournalMagic[] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
    if (FirstBytes(path + "-journal", 8) == std::string(reinterpret_cast<char const*>(kJournalMagic), 8))
        throw sto_Problem{"a change another program did not finish lies beside it in \"" + BaseName(path) +
                          "-journal\" (a hot journal); open it once with that program or with sqlite3 '" + path +
                          "' 'PRAGMA quick_check', which rolls the change back, then try again"};
    // SQLite takes any journal whose first byte is not zero for a hot one and would want to
    // write to discard it; one that is not a journal at all is no change of ours to apply.
    if (auto const first = FirstBytes(path + "-journal", 1); !first.empty() && first[0] != '\0')
        throw sto_Problem{"a file \"" + BaseName(path) + "-journal\" lies beside it that is not an SQLite journal; " +
                          "move it away, then try again"};
    bool const wal = h[18] == 2 || h[19] == 2;
    if (wal && !FirstBytes(path + "-wal", 1).empty())
        throw sto_Problem{"it is in WAL mode and changes not yet merged into it lie beside it in \"" + BaseName(path) +
                          "-wal\"; once no program is using the file, merge them with sqlite3 '" + path +
                          "' 'PRAGMA wal_checkpoint(TRUNCATE)', then try again"};
    std::uint64_t pageSize = BigEndian(h + 16, 2) == 1 ? 65536 : BigEndian(h + 16, 2);
    std::uint64_t expected = pageSize * BigEndian(h + 28, 4);
    // The page count is valid when the change counter matches "version valid for".
    if (BigEndian(h + 24, 4) == BigEndian(h + 92, 4) && std::uint64_t(st.st_size) != expected)
        throw sto_Problem{std::uint64_t(st.st_size) < expected
                              ? "the file is truncated (" + std::to_string(st.st_size) + " of " +
                                    std::to_string(expected) + " bytes)"
                              : "the file is damaged (" + std::to_string(st.st_size) + " bytes, its header gives " +
                                    std::to_string(expected) + ")"};
    return wal;
}

// ---- Metadata tables -------------------------------------------------------------------------

struct MetaTable {
    char const* name;
    std::vector<std::string> columns;
    char const* types;  // column declarations after the names, for CREATE TABLE
};

MetaTable const kClasses{"##classes", {"classId", "name", "tableName", "version", "baseId", "rows"},
                         "classId INTEGER PRIMARY KEY, name TEXT NOT NULL, tableName TEXT NOT NULL UNIQUE, "
                         "version INTEGER NOT NULL, baseId INTEGER NOT NULL, rows INTEGER NOT NULL"};
MetaTable const kAttributes{"##attributes",
                            {"classId", "position", "ordinal", "name", "typeCode", "typeIdArg", "collectionKind",
                             "column"},
                            "classId INTEGER NOT NULL, position INTEGER NOT NULL, ordinal INTEGER NOT NULL, "
                            "name TEXT NOT NULL, typeCode INTEGER NOT NULL, typeIdArg INTEGER NOT NULL, "
                            "collectionKind INTEGER NOT NULL, \"column\" TEXT NOT NULL, "
                            "PRIMARY KEY(classId, position)"};
MetaTable const kRoots{"##roots", {"name", "classId", "oid"},
                       "name TEXT PRIMARY KEY, classId INTEGER NOT NULL, oid INTEGER NOT NULL"};

std::string InsertSql(std::string const& table, std::vector<std::string> const& columns) {
    std::string marks;
    for (std::size_t i = 0; i < columns.size(); ++i) marks += i ? ",?" : "?";
    return "INSERT INTO " + sto_QuoteName(table) + "(" + JoinQuoted(columns) + ") VALUES(" + marks + ")";
}

std::string SelectSql(std::string const& table, std::vector<std::string> const& columns, std::string const& order) {
    return "SELECT " + JoinQuoted(columns) + " FROM " + sto_QuoteName(table) + " ORDER BY " + order;
}

// Binds the arguments to ?1, ?2, ... and runs the statement.
template <class... A>
void Insert(sto_Statement& st, A const&... args) {
    int i = 0;
    (st.Bind(++i, args), ...);
    st.Run();
}

void WriteTables(sto_Connection& c, dbs_Database const& db);

void WriteFile(dbs_Database const& db, std::string const& tmp) {
    sto_Connection c(sto_FileUri(tmp, "mode=rw"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
    Stage("created");
    // No journal and no syncs inside SQLite: the temporary file is thrown away whole on
    // failure, and it is synced once before the rename that makes it the model file.
    c.Exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA locking_mode=EXCLUSIVE; "
           "PRAGMA cache_size=-131072; PRAGMA application_id=" + std::to_string(sto_ApplicationId) +
           "; PRAGMA user_version=" + std::to_string(sto_FormatVersion) + "; BEGIN");
    for (auto const* m : {&kClasses, &kAttributes, &kRoots})
        c.Exec("CREATE TABLE " + sto_QuoteName(m->name) + "(" + m->types + ")");
    WriteTables(c, db);
    Stage("rows");
    c.Exec("COMMIT");
    Stage("committed");
    c.Close();
}

void WriteTables(sto_Connection& c, dbs_Database const& db) {
    auto layouts = Layout(db);
    sto_Statement classes(c, InsertSql(kClasses.name, kClasses.columns));
    sto_Statement attributes(c, InsertSql(kAttributes.name, kAttributes.columns));
    for (auto const& [id, t] : db.Tables()) {
        auto const& l = layouts[id];
        Insert(classes, std::int64_t(id), std::string_view(t.className), std::string_view(l.sqlName),
               std::int64_t(t.version), std::int64_t(t.baseId), std::int64_t(t.rows.size()));
        for (std::size_t i = 0; i < t.schema.size(); ++i) {
            auto const& a = t.schema[i];
            Insert(attributes, std::int64_t(id), std::int64_t(i), std::int64_t(a.ordinal), std::string_view(a.name),
                   std::int64_t(a.typeCode), std::int64_t(a.typeIdArg), std::int64_t(a.collectionKind),
                   std::string_view(l.columns[i]));
        }
    }
    sto_Statement roots(c, InsertSql(kRoots.name, kRoots.columns));
    for (auto const& [name, ref] : db.Roots())
        Insert(roots, std::string_view(name), std::int64_t(ref.classId), ref.oid);

    std::vector<std::string> scratch;
    for (auto const& [id, t] : db.Tables()) {
        auto const& l = layouts[id];
        bool hasBase = t.baseId != dbs_NoBaseId;
        auto columns = SqlColumns(hasBase, l.naturals, l.columns);
        c.Exec("CREATE TABLE " + sto_QuoteName(l.sqlName) + "(" + sto_QuoteName(kOidColumn) + " INTEGER PRIMARY KEY" +
               (columns.size() > 1 ? "," + JoinQuoted({columns.begin() + 1, columns.end()}) : "") + ")");
        sto_Statement insert(c, InsertSql(l.sqlName, columns));
        scratch.resize(std::max(scratch.size(), t.schema.size()));
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            auto const& row = t.rows[r];
            insert.Bind(1, std::int64_t(r));
            int index = 2;
            if (hasBase) insert.Bind(index++, row.baseOid);
            for (std::size_t f = 0; f < row.fields.size(); ++f)
                BindField(insert, index, l.naturals[f], row.fields[f], scratch[f]);
            insert.Run();
        }
    }
}

// ---- Reading ---------------------------------------------------------------------------------

// Refuses a table that is missing, is not a plain table (a view could run for ever), or
// whose columns are not exactly the expected ones.
void RequireColumns(sto_Connection& c, std::string const& table, std::vector<std::string> const& expected) {
    sto_Statement kind(c, "SELECT type, sql LIKE 'CREATE VIRTUAL%' FROM sqlite_master WHERE name = ?1 COLLATE NOCASE");
    kind.Bind(1, std::string_view(table));
    if (!kind.Step()) throw sto_Problem{"table " + Quoted(table) + " is missing"};
    if (kind.Text(0) != "table" || kind.Int(1) != 0)
        throw sto_Problem{"table " + Quoted(table) + " is " +
                          (kind.Int(1) ? std::string("a virtual table") : "a " + std::string(kind.Text(0))) +
                          ", not a plain table"};
    sto_Statement info(c, "SELECT name FROM pragma_table_info(?1)");
    info.Bind(1, std::string_view(table));
    std::vector<std::string> actual;
    while (info.Step()) actual.emplace_back(info.Text(0));
    if (actual.empty()) throw sto_Problem{"table " + Quoted(table) + " is missing"};
    for (auto const& e : expected)
        if (std::find(actual.begin(), actual.end(), e) == actual.end())
            throw sto_Problem{"table " + Quoted(table) + " has no column " + Quoted(e)};
    for (auto const& a : actual)
        if (std::find(expected.begin(), expected.end(), a) == expected.end())
            throw sto_Problem{"table " + Quoted(table) + " has a column " + Quoted(a) + " that its class does not have"};
    if (actual.size() != expected.size()) throw sto_Problem{"table " + Quoted(table) + " repeats a column"};
}

// Reads the metadata rows of a table, handing each row to the callback; problems are
// reported with the table and the row's position in key order, counted from 0 as the
// object ids of class tables are.
template <class F>
void ReadMeta(sto_Connection& c, MetaTable const& m, std::string const& order, F each) {
    RequireColumns(c, m.name, m.columns);
    sto_Statement st(c, SelectSql(m.name, m.columns, order));
    for (std::int64_t n = 0; st.Step(); ++n) {
        try {
            each(st);
        } catch (sto_Problem const& p) {
            throw sto_Problem{"bad metadata in table " + Quoted(m.name) + ", row " + std::to_string(n) + ": " + p.text};
        }
    }
}

std::int64_t IntIn(sto_Statement const& st, int col, std::int64_t lo, std::int64_t hi) {
    if (st.Type(col) != SQLITE_INTEGER) throw sto_Problem{"column " + Quoted(sqlite3_column_name(st.Handle(), col)) + " is not an integer"};
    auto v = st.Int(col);
    if (v < lo || v > hi) throw sto_Problem{"column " + Quoted(sqlite3_column_name(st.Handle(), col)) + " is out of range"};
    return v;
}

std::string TextOf(sto_Statement const& st, int col) {
    if (st.Type(col) != SQLITE_TEXT) throw sto_Problem{"column " + Quoted(sqlite3_column_name(st.Handle(), col)) + " is not text"};
    return std::string(st.Text(col));
}

constexpr std::int64_t kIntMin = INT32_MIN, kIntMax = INT32_MAX, kIdMax = UINT32_MAX;

dbs_Database ReadFile(std::string const& path) {
    bool const immutable = CheckHeader(path);
    sto_Connection c(sto_FileUri(path, immutable ? "mode=ro&immutable=1" : "mode=ro"),
                     SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX);
    c.Exec("BEGIN");  // one snapshot for all the reads
    dbs_Database db;
    std::map<std::uint32_t, std::pair<std::string, std::int64_t>> tableOf;  // class id -> SQL table, row count
    ReadMeta(c, kClasses, "classId", [&](sto_Statement const& st) {
        dbs_Table t;
        t.classId = std::uint32_t(IntIn(st, 0, 0, kIdMax));
        t.className = TextOf(st, 1);
        t.version = int(IntIn(st, 3, kIntMin, kIntMax));
        t.baseId = std::uint32_t(IntIn(st, 4, 0, kIdMax));
        auto rows = IntIn(st, 5, 0, INT64_MAX);
        if (db.FindTable(t.classId)) throw sto_Problem{"class " + std::to_string(t.classId) + " appears twice"};
        tableOf[t.classId] = {TextOf(st, 2), rows};
        db.AddTable(std::move(t));
    });
    std::map<std::uint32_t, std::vector<std::string>> columnsOf;
    ReadMeta(c, kAttributes, "classId, position", [&](sto_Statement const& st) {
        auto classId = std::uint32_t(IntIn(st, 0, 0, kIdMax));
        auto t = db.FindTable(classId);
        if (!t) throw sto_Problem{"class " + std::to_string(classId) + " is not in table \"##classes\""};
        if (IntIn(st, 1, 0, INT64_MAX) != std::int64_t(t->schema.size()))
            throw sto_Problem{"the positions of class " + std::to_string(classId) + " are not 0, 1, 2, ..."};
        dbs_Attribute a;
        a.ordinal = int(IntIn(st, 2, kIntMin, kIntMax));
        a.name = TextOf(st, 3);
        a.typeCode = int(IntIn(st, 4, kIntMin, kIntMax));
        a.typeIdArg = std::uint32_t(IntIn(st, 5, 0, kIdMax));
        a.collectionKind = int(IntIn(st, 6, kIntMin, kIntMax));
        t->schema.push_back(std::move(a));
        columnsOf[classId].push_back(TextOf(st, 7));
    });
    ReadMeta(c, kRoots, "name", [&](sto_Statement const& st) {
        db.SetRoot(TextOf(st, 0), dbs_Ref{std::uint32_t(IntIn(st, 1, 0, kIdMax)), IntIn(st, 2, INT64_MIN, INT64_MAX)});
    });

    for (auto& [id, t] : db.Tables()) {
        auto const& [sqlName, rowCount] = tableOf[id];
        std::vector<Natural> naturals;
        for (auto const& a : t.schema) naturals.push_back(NaturalOf(a));
        bool hasBase = t.baseId != dbs_NoBaseId;
        auto columns = SqlColumns(hasBase, naturals, columnsOf[id]);
        try {
            RequireColumns(c, sqlName, columns);
        } catch (sto_Problem const& p) {
            throw sto_Problem{Describe(t) + ": " + p.text};
        }
        sto_Statement st(c, SelectSql(sqlName, columns, sto_QuoteName(kOidColumn)));
        t.rows.reserve(std::size_t(std::min<std::int64_t>(rowCount, 1 << 20)));
        while (st.Step()) {
            std::int64_t oid = std::int64_t(t.rows.size());
            if (oid >= rowCount)
                throw sto_Problem{"table " + Quoted(sqlName) + " holds more rows than the " + std::to_string(rowCount) +
                                  " its class lists"};
            int col = 0;
            try {
                if (st.Type(0) != SQLITE_INTEGER || st.Int(0) != oid)
                    throw sto_Problem{"the row ids are not 0, 1, 2, ..."};
                auto& row = t.rows.emplace_back();
                col = 1;
                if (hasBase) {
                    if (st.Type(1) != SQLITE_INTEGER) BadType("an integer");
                    row.baseOid = st.Int(col++);
                }
                row.fields.reserve(naturals.size());
                for (auto n : naturals) {
                    int first = col;
                    try {
                        row.fields.push_back(ReadField(st, col, n));
                    } catch (sto_Problem const&) {
                        col = first;
                        throw;
                    }
                }
            } catch (sto_Problem const& p) {
                throw sto_Problem{"bad value in table " + Quoted(sqlName) + ", row " + std::to_string(oid) +
                                  (col ? ", column " + Quoted(columns[col]) : std::string()) + ": " + p.text};
            }
        }
        if (std::int64_t(t.rows.size()) != rowCount)
            throw sto_Problem{"table " + Quoted(sqlName) + " holds " + std::to_string(t.rows.size()) +
                              " rows but its class lists " + std::to_string(rowCount)};
    }
    c.Exec("COMMIT");
    CheckConsistency(db);
    return db;
}

}  // namespace

bool sto_ModelFile::IsModelFile(std::string const& path) {
    auto const h = FirstBytes(path, 100);
    return IsOurs(reinterpret_cast<unsigned char const*>(h.data()), h.size());
}

std::string sto_ModelFile::ReplaceRefusal(std::string const& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return {};
    if (!S_ISREG(st.st_mode)) return "it is not a regular file";
    if (!IsModelFile(path)) return "it is not a Stepwise model file";
    // No write permission at all counts as protected also for a user whom access() lets write.
    if (::access(path.c_str(), W_OK) != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return "it is write-protected";
    // SQLite locks the bytes from 2^30 on (pending, reserved, shared) while a connection
    // reads or writes; F_GETLK sees other processes' locks without taking one.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    struct flock lock{};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0x40000000;
    lock.l_len = 512;
    bool const busy = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    if (busy) return "another program has it open in a transaction";
    return {};
}

void sto_ModelFile::SetSaveHook(std::function<void(std::string_view)> hook) { SaveHook() = std::move(hook); }

void sto_ModelFile::Save(dbs_Database const& db, std::string const& path) {
    try {
        CheckConsistency(db);
        TempFile tmp{CreateTempFile(path)};
        WriteFile(db, tmp.path);
        SyncFile(tmp.path, false);
        struct stat old{};
        if (::stat(path.c_str(), &old) == 0) ::chmod(tmp.path.c_str(), old.st_mode & 07777);
        Stage("synced");
        if (::rename(tmp.path.c_str(), path.c_str()) != 0)
            throw sto_Problem{"cannot replace the file (" + ErrnoText() + ")"};
        tmp.keep = true;
        SyncFile(DirectoryOf(path), true);
        RemoveStaleTempFiles(path);
    } catch (sto_Problem const& p) {
        throw sto_ModelFileException("Cannot save model file " + Quoted(path) + ": " + p.text);
    } catch (std::bad_alloc const&) {
        throw sto_ModelFileException("Cannot save model file " + Quoted(path) + ": out of memory");
    }
}

dbs_Database sto_ModelFile::Open(std::string const& path) {
    try {
        return ReadFile(path);
    } catch (sto_Problem const& p) {
        throw sto_ModelFileException("Cannot open model file " + Quoted(path) + ": " + p.text);
    } catch (std::bad_alloc const&) {
        throw sto_ModelFileException("Cannot open model file " + Quoted(path) + ": out of memory");
    }
}
