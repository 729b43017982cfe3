// `stepwise upgrade OLD NEW`: the model of a file of any older release, converted as every
// open converts it, written to a new file; OLD itself is only read.
#include <sys/stat.h>

#include "tools/stepwise/stw_Commands.h"

namespace {
std::string Rows(std::size_t n) { return std::to_string(n) + (n == 1 ? " row" : " rows"); }

// Whether the two paths name one file (through a link or another spelling of the path).
bool SameFile(std::string const& a, std::string const& b) {
    struct stat sa{}, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}
}  // namespace

int stw_Upgrade(std::string const& from, std::string const& to, bool force, std::ostream& out) {
    if (SameFile(from, to))
        throw stw_Failure("will not write the upgraded model over '" + from + "' itself ('" + to +
                              "' is the same file); name a new file",
                          stw_USAGE);
    dbc_ConversionReport report;
    ddr_Model const model = stw_Open(from, &report);
    stw_Save(model, to, force);
    if (report.Empty()) {
        out << "'" << from << "' needed no conversion; wrote its model to '" << to << "'.\n";
        return stw_OK;
    }
    out << "Converted '" << from << "' and wrote the model to '" << to << "':\n";
    for (auto const& c : report.converted)
        out << "  " << c.className << ": version " << c.from << " -> " << c.to << ", " << Rows(c.rows) << "\n";
    for (auto const& m : report.moved) out << "  " << m.from << ": " << Rows(m.rows) << " moved into " << m.to << "\n";
    for (auto const& d : report.deleted) out << "  " << d.className << ": deleted, " << Rows(d.rows) << "\n";
    return stw_OK;
}
