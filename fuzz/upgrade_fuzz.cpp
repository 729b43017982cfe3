// Opening model files of older releases: the demo model with each class that has old
// versions written as one of them (the input's first bytes choose which), then values
// replaced, rows removed and base parts moved as the rest of the input says. Opening must
// give a converted model that saves and opens again, or refuse with the model file's own
// exception; the file must stay byte for byte as it was. Anything else is a finding.
// With UPG_WRITE_SEEDS=<dir> it writes a seed corpus there instead: one input per old
// version of each such class, unmutated.
#include <unistd.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "host/hst_ModelFile.h"
#include "support/tst_OldModels.h"
#include "tools/stepwise/stw_Commands.h"
#include "tools/stepwise/stw_Model.h"

namespace {

std::string Bytes(std::string const& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

[[noreturn]] void Finding(std::string const& what) {
    std::fprintf(stderr, "upgrade_fuzz: %s\n", what.c_str());
    std::abort();
}

std::string Scratch(char const* what) { return "/tmp/upgrade_fuzz_" + std::to_string(getpid()) + what; }

// The demo model as stored today, and the classes in it that have old versions, each
// with those versions (lowest first).
struct Base {
    dbs_Database db;
    std::vector<std::pair<std::uint32_t, std::vector<int>>> olds;
};

Base const& TheBase() {
    static Base const base = [] {
        Base b;
        std::string const demo = Scratch("_demo.swdb");
        std::ostringstream out, err;
        char const* args[] = {"stepwise", "demo", demo.c_str(), "--force"};
        if (stw_Main(4, args, out, err, false) != 0) Finding("the demo file cannot be written: " + err.str());
        b.db = sto_ModelFile::Open(demo);
        std::remove(demo.c_str());
        for (auto const& [id, table] : b.db.Tables()) {
            std::vector<int> versions;
            for (auto const& e : dbc_OldClassRegistrar::ForClass(id)) versions.push_back(e.version->Version());
            if (!versions.empty()) b.olds.emplace_back(id, versions);
        }
        return b;
    }();
    return base;
}

// Reads the input a byte at a time; zeros once it is spent.
struct Input {
    std::uint8_t const* data;
    std::size_t size, at = 0;
    bool More() const { return at < size; }
    unsigned Next() { return at < size ? data[at++] : 0u; }
};

dbs_Value AnyValue(Input& in, dbs_Database const& db) {
    static double const doubles[] = {0.0, -1.0, 2.5, 1e-300, DBL_MAX, -DBL_MAX, INFINITY, NAN, 1e9};
    static char const* const strings[] = {"", "Step-1", "Initial", "NONE", "ON", "FULL_NEWTON", "x\xff"};
    unsigned const kind = in.Next() % 9, pick = in.Next();
    switch (kind) {
        case 0: return dbs_Value();
        case 1: return dbs_Null{};
        case 2: return std::int64_t(int(pick) - 128);
        case 3: return doubles[pick % std::size(doubles)];
        case 4: return std::string(strings[pick % std::size(strings)]);
        case 5: return bool(pick & 1);
        case 6: return dbs_EnumString{strings[pick % std::size(strings)]};
        case 7: {
            auto it = db.Tables().begin();
            std::advance(it, pick % db.Tables().size());
            return dbs_Ref{it->first, std::int64_t(in.Next() % 8)};
        }
        default: return dbs_List{pick & 1 ? dbs_Value(2.0) : dbs_Value(dbs_Null{})};
    }
}

// The model the input describes; the first byte per class with old versions chooses today's
// form (0) or one of its old versions.
dbs_Database Build(Input& in) {
    Base const& base = TheBase();
    std::map<std::uint32_t, int> versions;
    for (auto const& [id, olds] : base.olds)
        if (unsigned const choice = in.Next() % (olds.size() + 1); choice > 0) versions[id] = olds[choice - 1];
    dbs_Database db = tst_OldDatabase(tst_AsOldTables(base.db, versions), base.db.Roots());
    while (in.More()) {
        unsigned const op = in.Next() % 4;
        auto it = db.Tables().begin();
        std::advance(it, in.Next() % db.Tables().size());
        dbs_Table& table = it->second;
        if (table.rows.empty()) continue;
        dbs_Row& row = table.rows[in.Next() % table.rows.size()];
        switch (op) {
            case 0:
            case 1:
                if (!row.fields.empty()) row.fields[in.Next() % row.fields.size()] = AnyValue(in, db);
                break;
            case 2: table.rows.erase(table.rows.begin() + std::ptrdiff_t(&row - table.rows.data())); break;
            default: row.baseOid = std::int64_t(in.Next() % 8) - 1;
        }
    }
    return db;
}

void WriteSeeds(std::string const& dir) {
    auto const& olds = TheBase().olds;
    for (std::size_t c = 0; c < olds.size(); ++c)
        for (std::size_t v = 0; v < olds[c].second.size(); ++v) {
            std::string seed(olds.size(), '\0');
            seed[c] = char(v + 1);
            std::ofstream(dir + "/" + cls_HexId(olds[c].first) + "_" + std::to_string(olds[c].second[v]),
                          std::ios::binary)
                << seed;
        }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static stw_Library library;
    if (char const* dir = std::getenv("UPG_WRITE_SEEDS")) {
        WriteSeeds(dir);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    static std::string const path = Scratch(".swdb"), again = Scratch("_again.swdb");
    Input in{data, size};
    try {
        sto_ModelFile::Save(Build(in), path);
    } catch (std::exception const&) {
        return 0;  // not a model file the store writes; nothing to open
    }
    std::string const before = Bytes(path);
    std::string refusal;
    try {
        dbc_ConversionReport report;
        ddr_Model model = hst_ModelFile::Open(path, &report);
        if (Bytes(path) != before) Finding("opening changed the file");
        try {
            hst_ModelFile::Save(model, again);
            hst_ModelFile::Open(again);
        } catch (std::exception const& e) {
            Finding(std::string("a converted model does not save and open again: ") + e.what());
        }
        return 0;
    } catch (sto_ModelFileException const& e) {
        refusal = e.what();
    } catch (std::exception const& e) {
        Finding(std::string("opening raised another exception: ") + e.what());
    }
    if (Bytes(path) != before) Finding("a refused open changed the file");
    if (refusal.empty() || refusal.find('\n') != std::string::npos) Finding("an unclear refusal: " + refusal);
    return 0;
}
