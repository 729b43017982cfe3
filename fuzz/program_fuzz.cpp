// The whole program over a model file made of arbitrary bytes: `check`, `show` and
// `show --json` each end with exit status 0, 1 or 2, say at most one line on standard
// error in the program's own words, and leave the file byte for byte as it was. Anything
// else (a crash, a sanitizer report, a hang, a changed file) is a finding.
// With STW_WRITE_SEEDS=<dir> it writes a seed corpus there instead: the demo file and the
// crafted variants the tests keep as regressions (tests/support/tst_CraftedModels.h).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "support/tst_CraftedModels.h"
#include "tools/stepwise/stw_Commands.h"

namespace {

std::string Bytes(std::string const& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

[[noreturn]] void Finding(std::string const& what) {
    std::fprintf(stderr, "program_fuzz: %s\n", what.c_str());
    std::abort();
}

void WriteSeeds(std::string const& dir) {
    std::string const demo = dir + "/demo.swdb";
    std::ostringstream out, err;
    char const* args[] = {"stepwise", "demo", demo.c_str()};
    if (stw_Main(3, args, out, err, false) != 0) Finding("the demo file cannot be written: " + err.str());
    for (auto const& c : tst_CraftedModels()) {
        std::string const path = dir + "/" + c.name + ".swdb";
        std::filesystem::copy_file(demo, path, std::filesystem::copy_options::overwrite_existing);
        // A shorter chain keeps the seed quick to run; it meets the same refusal.
        if (std::string(c.name) == "chain-30000")
            tst_ChainOfSteps(path, 300);
        else
            c.spoil(path);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (char const* dir = std::getenv("STW_WRITE_SEEDS")) {
        WriteSeeds(dir);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    static std::string const path = "/tmp/program_fuzz_" + std::to_string(getpid()) + ".swdb";
    std::string const input(reinterpret_cast<char const*>(data), size);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << input;
    for (auto const& command : {"check", "show", "show --json"}) {
        std::string const name(command);
        std::string const verb = name.substr(0, name.find(' '));
        char const* args[] = {"stepwise", verb.c_str(), path.c_str(), "--json"};
        std::ostringstream out, err;
        int const status = stw_Main(name == verb ? 3 : 4, args, out, err, false);
        std::string const said = err.str();
        if (status < 0 || status > 2) Finding(name + " exited " + std::to_string(status) + ": " + said);
        if (!said.empty() && (!said.starts_with("stepwise: ") || said.find('\n') != said.size() - 1))
            Finding(name + " said more than one line of its own: " + said);
        if (said.find("cls_ReadVisitor:") != std::string::npos || said.find("==0") != std::string::npos)
            Finding(name + " let an internal message through: " + said);
        if (Bytes(path) != input) Finding(name + " changed the file");
    }
    return 0;
}
