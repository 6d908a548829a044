// The soak: runs the whole program under random director's actions and
// checks its promises after each. Without --run or --replay it supervises:
// every run goes to a child process, so a crash or a sanitizer report is
// caught like a broken promise, and a failing run is shrunk to a short
// action list that can be kept as a fixed case.

#include "soak/SoakRunner.h"
#include "support/TempDir.h"

#include <QApplication>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

extern char** environ;

using namespace korvanda::soak;
namespace fs = std::filesystem;

namespace {

constexpr int brokenPromiseExit = 3;
constexpr int thinFlowExit = 4;

// Each "--name value", or "--name" alone.
struct Options : std::map<std::string, std::string> {
    std::string text(const std::string& name, const std::string& fallback = {}) const
    {
        return count(name) ? at(name) : fallback;
    }
    std::uint64_t number(const std::string& name, std::uint64_t fallback) const
    {
        return count(name) ? std::stoull(at(name)) : fallback;
    }
};

std::string readText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

void writeText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// ---- the child: one run of the program -------------------------------------

// The offscreen platform says, for every window, what it cannot do; that
// is no news to the soak.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << std::endl;
}

int runChild(int argc, char** argv, const Options& options)
{
    qInstallMessageHandler(quietPlatform);
    // Thousands of windows flashing on a desktop help nobody.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool replay = options.count("replay");
    const auto soakCase
        = replay ? SoakCase::parse(readText(options.text("replay"))) : SoakCase { options.number("run", 1), {} };
    if (!soakCase) {
        std::cerr << "Not a soak case: " << options.text("replay") << std::endl;
        return 2;
    }
    const std::uint64_t seed = soakCase->meetSeed;
    const std::uint64_t count = replay ? soakCase->actions.size() : options.number("actions", 1000);
    TempDir folder;
    SoakRunner runner(folder.path(), seed);
    runner.setTrace(options.count("trace"));
    std::ofstream record;
    if (options.count("record"))
        record.open(options.text("record"), std::ios::binary | std::ios::trunc);
    record << "meet " << seed << "\n" << std::flush;
    std::mt19937_64 rng(seed);
    for (std::uint64_t i = 0; i < count; ++i) {
        const SoakAction action = replay ? soakCase->actions[i] : runner.pick(rng);
        // Written before it runs, so a crash still leaves it on the list.
        record << action.line() << "\n" << std::flush;
        if (auto broken = runner.perform(action)) {
            std::cout << "Broken promise (" << broken->promise << "): " << broken->detail
                      << "\n  after: " << action.line() << std::endl;
            if (options.count("verdict"))
                writeText(options.text("verdict"), broken->promise);
            return brokenPromiseExit;
        }
    }
    if (replay)
        return 0;
    // A run that seldom gets a meet to its results and schedules, or to
    // another meet, proves little about them: at least one of each in every
    // two thousand actions.
    const SoakStats& s = runner.stats();
    std::cout << "seed " << seed << ": " << count << " actions, " << s.resultsAccepted << " results accepted, "
              << s.schedules << " schedules, " << s.meetSwitches << " meets opened, " << s.phoneResults
              << " results from phones (the windows stood still at most " << s.longestPhoneStall << " ms)" << std::endl;
    const int floor = static_cast<int>(count / 2000);
    if (std::min({ s.resultsAccepted, s.schedules, s.meetSwitches }) < floor) {
        std::cout << "Too little of the meet's flow: fewer than " << floor << " of one of them" << std::endl;
        return thinFlowExit;
    }
    return 0;
}

// ---- the supervisor ------------------------------------------------------------

// Runs this program as a child with `args`; the promise it broke or how it
// died, or nothing when it passed.
std::optional<std::string> runSelf(std::vector<std::string> args, const fs::path& verdict, bool quiet = false)
{
    args.insert(args.begin(), "/proc/self/exe");
    args.insert(args.end(), { "--verdict", verdict.string() });
    std::vector<char*> argv;
    for (auto& word : args)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::error_code error;
    fs::remove(verdict, error);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    for (const int stream : { 1, 2 })
        if (quiet)
            posix_spawn_file_actions_addopen(&files, stream, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started = posix_spawn(&child, "/proc/self/exe", &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    int status = 0;
    if (started != 0)
        return "could not start";
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return std::nullopt;
    if (WIFEXITED(status) && WEXITSTATUS(status) == brokenPromiseExit)
        return readText(verdict);
    if (WIFEXITED(status) && WEXITSTATUS(status) == thinFlowExit)
        return "thin flow";
    if (WIFSIGNALED(status))
        return "crash (signal " + std::to_string(WTERMSIG(status)) + ")";
    return "crash (exit " + std::to_string(WEXITSTATUS(status)) + ")";
}

int supervise(const Options& options)
{
    const auto started = std::chrono::steady_clock::now();
    const fs::path findings = options.text("findings", fs::temp_directory_path().string());
    fs::create_directories(findings);
    TempDir work;
    const fs::path verdict = work.path() / "verdict";
    std::size_t actionsRun = 0;
    int found = 0;

    // A failing run is shrunk to the fewest actions that break the same
    // promise, in the time given, and kept with the findings.
    const auto shrinkAndReport = [&](const SoakCase& failing, const std::string& failure, std::uint64_t seed) {
        const auto deadline = std::chrono::steady_clock::now()
            + std::chrono::duration<double>(static_cast<double>(options.number("shrink-seconds", 600)));
        const fs::path candidateFile = work.path() / "candidate.txt";
        auto caseOf = [&](const std::vector<std::size_t>& picked) {
            SoakCase candidate { failing.meetSeed, {} };
            for (const std::size_t i : picked)
                candidate.actions.push_back(failing.actions[i]);
            return candidate;
        };
        int replays = 0;
        const auto kept = shrinkFailingList(
            failing.actions.size(),
            [&](const std::vector<std::size_t>& picked) {
                ++replays;
                writeText(candidateFile, caseOf(picked).text());
                return runSelf({ "--replay", candidateFile.string() }, verdict, true) == failure;
            },
            [&] { return std::chrono::steady_clock::now() < deadline; });
        const SoakCase shrunk = caseOf(kept);
        const fs::path saved = findings / ("soak-seed-" + std::to_string(seed) + ".txt");
        writeText(saved, "# " + failure + "\n" + shrunk.text());
        std::cout << "Shrunk to " << shrunk.actions.size() << " of " << failing.actions.size() << " actions in "
                  << replays << " replays; kept in " << saved.string() << " (add it to tests/soak/cases to keep it):\n"
                  << shrunk.text() << "Its replay:" << std::endl;
        runSelf({ "--replay", saved.string() }, verdict);
    };
    const auto runSeed = [&](std::uint64_t seed) {
        const fs::path record = work.path() / "record.txt";
        const auto failure = runSelf({ "--run", std::to_string(seed), "--actions",
                                         std::to_string(options.number("actions", 2000)), "--record", record.string() },
            verdict);
        const auto soakCase = SoakCase::parse(readText(record));
        const std::size_t done = soakCase ? soakCase->actions.size() : 0;
        actionsRun += done;
        if (!failure)
            return;
        std::cout << "Seed " << seed << " failed after " << done << " actions: " << *failure << std::endl;
        // A thin flow is the whole run's, no action's to shrink to.
        if (soakCase && *failure != "thin flow")
            shrinkAndReport(*soakCase, *failure, seed);
        ++found;
    };

    if (options.count("cases")) {
        // Every fixed case must keep every promise.
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(options.text("cases")))
            if (entry.path().extension() == ".txt")
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            const auto soakCase = SoakCase::parse(readText(file));
            actionsRun += soakCase ? soakCase->actions.size() : 0;
            if (const auto failure = runSelf({ "--replay", file.string() }, verdict)) {
                std::cout << "Fixed case " << file.filename().string() << " failed: " << *failure << std::endl;
                ++found;
            }
        }
        std::cout << files.size() << " fixed cases replayed" << std::endl;
    } else if (options.count("seeds")) {
        std::stringstream seeds(options.text("seeds"));
        for (std::string seed; std::getline(seeds, seed, ',');)
            if (!seed.empty())
                runSeed(std::stoull(seed));
    } else {
        const auto end = started + std::chrono::duration<double>(std::stod(options.text("minutes", "1")) * 60);
        for (auto seed = options.number("seed", static_cast<std::uint64_t>(std::time(nullptr)));
             std::chrono::steady_clock::now() < end; ++seed)
            runSeed(seed);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << actionsRun << " actions in " << static_cast<int>(seconds) << " s ("
              << static_cast<int>(static_cast<double>(actionsRun) / std::max(seconds, 1.0)) << " actions/s); " << found
              << " found" << std::endl;
    return found == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--", 2) != 0)
            continue;
        std::string& value = options[argv[i] + 2];
        value = i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0 ? argv[++i] : "";
    }
    if (options.count("run") || options.count("replay"))
        return runChild(argc, argv, options);
    return supervise(options);
}
