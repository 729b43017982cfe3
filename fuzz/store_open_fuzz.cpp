// Opening a model file made of arbitrary bytes either succeeds or raises the store's
// exception; anything else (a crash, a sanitizer report, another exception) is a finding.
// With STO_WRITE_SEEDS=<dir> it writes a seed corpus there instead: a valid model and
// broken variants of it.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "store/sto_ModelFile.h"

namespace {

std::string ScratchPath() { return "/tmp/store_open_fuzz_" + std::to_string(getpid()) + ".stw"; }

void WriteSeeds(std::string const& dir) {
    dbs_Database db;
    dbs_Table base{10, "kprC_Step", 439, 1, {{0, "name", 11, 1, 0}, {1, "on", 13, 1, 0}}, {}};
    base.rows = {{-1, {"Initial", true}}, {-1, {"Step-1", dbs_Value()}}};
    dbs_Table step{20, "kprC_StaticStep", 831, 10,
                   {{0, "timePeriod", 10, 1, 0}, {1, "solver", 14, 1, 0}, {2, "base", 15, 10, 0},
                    {3, "order", 15, 0x230001, 55}},
                   {}};
    step.rows = {{1, {1.7976931348623157e308, dbs_EnumString{"DIRECT"}, dbs_Ref{10, 0},
                      dbs_List{dbs_Map{{"k", std::vector<double>{0.5}}}, dbs_Null{}}}}};
    db.AddTable(base);
    db.AddTable(step);
    db.SetRoot("steps", dbs_Ref{20, 0});
    std::string valid = dir + "/valid.stw";
    sto_ModelFile::Save(db, valid);
    std::ifstream in(valid, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto write = [&](std::string const& name, std::string content) {
        std::ofstream(dir + "/" + name, std::ios::binary) << content;
    };
    write("truncated.stw", bytes.substr(0, bytes.size() / 2));
    write("header.stw", bytes.substr(0, 100));
    auto patched = [&](std::size_t offset, char c) {
        auto b = bytes;
        b[offset] = c;
        return b;
    };
    write("other_application.stw", patched(71, 0x11));
    write("newer.stw", patched(63, 0x09));
    write("bad_page.stw", patched(4096, 0x42));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (char const* dir = std::getenv("STO_WRITE_SEEDS")) {
        WriteSeeds(dir);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    static std::string const path = ScratchPath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<char const*>(data), std::streamsize(size));
    }
    try {
        sto_ModelFile::Open(path);
    } catch (sto_ModelFileException const&) {
    }
    return 0;
}
