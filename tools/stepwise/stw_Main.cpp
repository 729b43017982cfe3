#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>

#include "store/sto_FormatVersion.h"
#include "tools/stepwise/stw_Commands.h"

namespace {
int Run(int argc, char const* const* argv, std::ostream& out, std::ostream& err, bool colour);
}  // namespace

int stw_Main(int argc, char const* const* argv, std::ostream& out, std::ostream& err, bool colour) {
    int status = Run(argc, argv, out, err, colour);
    // Output that did not arrive (a full disk, a closed pipe) is a failure, not a success.
    errno = 0;
    out.flush();
    if (!out) {
        int const error = errno;
        err << "stepwise: cannot write the output" << (error ? std::string(" (") + std::strerror(error) + ")" : "")
            << "\n";
        return stw_UNREADABLE;
    }
    return status;
}

namespace {
int Run(int argc, char const* const* argv, std::ostream& out, std::ostream& err, bool colour) {
    CLI::App app("Shows, checks and extends the loading history of a Stepwise model file.", "stepwise");
    app.require_subcommand(1);
    app.footer("Exit status: 0 success, 1 something is not valid, 2 a file cannot be read or written,\n"
               "3 the command line is wrong.");

    app.set_version_flag("--version", "stepwise " STEPWISE_VERSION " (model file format " +
                                          std::to_string(sto_FormatVersion) + ")",
                         "Print the program's version and the model file format it writes");

    std::string file = "demo.swdb";
    bool json = false, force = false;
    std::optional<std::string> after;
    std::string newFile;
    auto* demo = app.add_subcommand("demo", "Build the sample model, save it to FILE, read it back and show it.");
    demo->add_option("FILE", file, "Model file to write")->capture_default_str();
    demo->add_flag("--force", force, "Replace FILE even when it is not a model file or is write-protected");
    auto* show = app.add_subcommand("show", "Print the step table and the loading history of a model file.");
    show->add_option("FILE", file, "Model file to read")->required();
    show->add_flag("--json", json, "Write the same content as JSON");
    auto* check = app.add_subcommand("check", "Validate every step and load; exit status 1 when one is not valid.");
    check->add_option("FILE", file, "Model file to read")->required();
    auto* steps = app.add_subcommand("steps", "List the procedures that may follow a step.");
    steps->add_option("FILE", file, "Model file to read")->required();
    steps->add_option("--after", after, "The step to follow (default: the last step)")->type_name("NAME");
    auto* upgrade = app.add_subcommand(
        "upgrade", "Convert a model file of an older release and write it to NEW; OLD is only read.");
    upgrade->add_option("OLD", file, "Model file to read")->required();
    upgrade->add_option("NEW", newFile, "Model file to write (never OLD itself)")->required();
    upgrade->add_flag("--force", force, "Replace NEW even when it is not a model file or is write-protected");

    try {
        app.parse(argc, argv);
    } catch (CLI::CallForHelp const&) {
        out << app.help();
        return stw_OK;
    } catch (CLI::CallForVersion const& e) {
        out << e.what() << "\n";
        return stw_OK;
    } catch (CLI::ParseError const& e) {
        // Without a command, say so in the program's words rather than the parser's.
        std::string message = e.what();
        if (app.get_subcommands().empty() && argc == 1) message = "no command given";
        if (app.get_subcommands().empty() && argc > 1 && argv[1][0] != '-')
            message = "unknown command '" + std::string(argv[1]) + "'";
        err << "stepwise: " << message
            << "\nRun 'stepwise --help' for the commands and their options.\n";
        return stw_USAGE;
    }

    try {
        stw_Library library;
        if (demo->parsed()) return stw_Demo(file, force, colour, out);
        if (show->parsed()) return stw_Show(file, colour, json, out);
        if (check->parsed()) return stw_Check(file, out);
        if (upgrade->parsed()) return stw_Upgrade(file, newFile, force, out);
        return stw_Steps(file, after, out);
    } catch (stw_Failure const& e) {
        err << "stepwise: " << e.what() << "\n";
        return e.exit;
    } catch (std::exception const& e) {
        err << "stepwise: " << e.what() << "\n";
        return stw_UNREADABLE;
    }
}
}  // namespace
