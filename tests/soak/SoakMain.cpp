// The soak: runs the whole program under random director's actions and
// checks its promises after each. Without --run or --replay it supervises:
// every run goes to a child process, so a crash or a sanitizer report is
// caught like a broken promise, and a failing run is shrunk to a short
// action list that can be kept as a fixed case.

#include "soak/ActionShrinker.h"
#include "soak/SoakRunner.h"
#include "support/TempDir.h"

#include <QApplication>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>

extern char** environ;

using namespace korvanda::soak;
namespace fs = std::filesystem;

namespace {

constexpr int brokenPromiseExit = 3;

struct Options {
    std::map<std::string, std::string> values;

    bool has(const std::string& name) const { return values.count(name) != 0; }
    std::string text(const std::string& name, const std::string& fallback = {}) const
    {
        const auto found = values.find(name);
        return found == values.end() ? fallback : found->second;
    }
    std::uint64_t number(const std::string& name, std::uint64_t fallback) const
    {
        return has(name) ? std::stoull(text(name)) : fallback;
    }
};

Options readOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word.rfind("--", 0) != 0)
            continue;
        const bool valued = i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0;
        options.values[word.substr(2)] = valued ? argv[++i] : "";
    }
    return options;
}

std::string readText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

void writeText(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

// ---- the child: one run of the program -------------------------------------

int reportBroken(const BrokenPromise& broken, const SoakAction& action, const Options& options)
{
    std::cout << "Broken promise (" << broken.promise << "): " << broken.detail << "\n  after: " << action.line()
              << std::endl;
    if (options.has("verdict"))
        writeText(options.text("verdict"), broken.promise);
    return brokenPromiseExit;
}

// The offscreen platform says, for every window, what it cannot do; that
// is no news to the soak.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << std::endl;
}

int runChild(int argc, char** argv, const Options& options)
{
    qInstallMessageHandler(quietPlatform);
    // Thousands of windows flashing on a desktop help nobody.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TempDir folder;
    std::ofstream record;
    if (options.has("record"))
        record.open(options.text("record"), std::ios::binary | std::ios::trunc);

    if (options.has("replay")) {
        const auto soakCase = SoakCase::parse(readText(options.text("replay")));
        if (!soakCase) {
            std::cerr << "Not a soak case: " << options.text("replay") << std::endl;
            return 2;
        }
        SoakRunner runner(folder.path(), soakCase->meetSeed);
        runner.setTrace(options.has("trace"));
        for (const auto& action : soakCase->actions)
            if (auto broken = runner.perform(action))
                return reportBroken(*broken, action, options);
        return 0;
    }

    const std::uint64_t seed = options.number("run", 1);
    const std::uint64_t count = options.number("actions", 1000);
    SoakRunner runner(folder.path(), seed);
    runner.setTrace(options.has("trace"));
    record << "meet " << seed << "\n" << std::flush;
    std::mt19937_64 rng(seed);
    for (std::uint64_t i = 0; i < count; ++i) {
        const SoakAction action = runner.pick(rng);
        // Written before it runs, so a crash still leaves it on the list.
        record << action.line() << "\n" << std::flush;
        if (auto broken = runner.perform(action))
            return reportBroken(*broken, action, options);
    }
    std::cout << "seed " << seed << ": " << count << " actions, " << runner.restarts() << " restarts, "
              << runner.messagesShown() << " messages, up to " << runner.mostBouts() << " bouts and "
              << runner.mostResults() << " results; " << runner.resultsAccepted() << " results accepted, "
              << runner.schedules() << " schedules, " << runner.filesWritten() << " Write Files with bouts, "
              << runner.meetSwitches() << " meets opened; slowest action " << runner.slowestSeconds() << " s"
              << std::endl;
    return 0;
}

// ---- the supervisor ------------------------------------------------------------

struct ChildResult {
    bool passed = false;
    // The promise broken, or how the child died.
    std::string failure;
};

ChildResult runSelf(const std::vector<std::string>& args, const fs::path& verdict, bool quiet)
{
    std::vector<std::string> words = { "/proc/self/exe" };
    words.insert(words.end(), args.begin(), args.end());
    words.insert(words.end(), { "--verdict", verdict.string() });
    std::vector<char*> argv;
    for (auto& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::error_code error;
    fs::remove(verdict, error);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    if (quiet) {
        posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    }
    pid_t child = 0;
    const int started = posix_spawn(&child, "/proc/self/exe", &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (started != 0)
        return { false, "could not start" };
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return { true, {} };
    if (WIFEXITED(status) && WEXITSTATUS(status) == brokenPromiseExit)
        return { false, readText(verdict) };
    if (WIFSIGNALED(status))
        return { false, "crash (signal " + std::to_string(WTERMSIG(status)) + ")" };
    return { false, "crash (exit " + std::to_string(WEXITSTATUS(status)) + ")" };
}

class Supervisor {
public:
    explicit Supervisor(const Options& options)
        : options_(options)
        , findings_(options.text("findings", fs::temp_directory_path().string()))
        , shrinkSeconds_(static_cast<double>(options.number("shrink-seconds", 600)))
    {
        fs::create_directories(findings_);
    }

    // Runs one seed; a failure is shrunk and reported. False when it failed.
    bool runSeed(std::uint64_t seed, std::uint64_t actions)
    {
        const fs::path record = work_.path() / "record.txt";
        const auto result = runSelf(
            { "--run", std::to_string(seed), "--actions", std::to_string(actions), "--record", record.string() },
            work_.path() / "verdict", false);
        const auto soakCase = SoakCase::parse(readText(record));
        const std::size_t done = soakCase ? soakCase->actions.size() : 0;
        actionsRun_ += done;
        if (result.passed)
            return true;
        std::cout << "Seed " << seed << " failed after " << done << " actions: " << result.failure << std::endl;
        if (soakCase)
            shrinkAndReport(*soakCase, result.failure, "seed-" + std::to_string(seed));
        ++findings_count_;
        return false;
    }

    // Replays a fixed case; it must keep every promise.
    bool replayCase(const fs::path& file)
    {
        const auto result = runSelf({ "--replay", file.string() }, work_.path() / "verdict", false);
        const auto soakCase = SoakCase::parse(readText(file));
        actionsRun_ += soakCase ? soakCase->actions.size() : 0;
        if (!result.passed) {
            std::cout << "Fixed case " << file.filename().string() << " failed: " << result.failure << std::endl;
            ++findings_count_;
        }
        return result.passed;
    }

    std::size_t actionsRun() const { return actionsRun_; }
    int findings() const { return findings_count_; }

private:
    void shrinkAndReport(const SoakCase& failing, const std::string& failure, const std::string& name)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(shrinkSeconds_);
        const fs::path candidateFile = work_.path() / "candidate.txt";
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
                const auto result = runSelf({ "--replay", candidateFile.string() }, work_.path() / "verdict", true);
                return !result.passed && result.failure == failure;
            },
            [&] { return std::chrono::steady_clock::now() < deadline; });
        const SoakCase shrunk = caseOf(kept);
        const fs::path saved = findings_ / ("soak-" + name + ".txt");
        writeText(saved, "# " + failure + "\n" + shrunk.text());
        std::cout << "Shrunk to " << shrunk.actions.size() << " of " << failing.actions.size() << " actions in "
                  << replays << " replays; kept in " << saved.string() << " (add it to tests/soak/cases to keep it):\n"
                  << shrunk.text() << "Its replay:" << std::endl;
        runSelf({ "--replay", saved.string() }, work_.path() / "verdict", false);
    }

    const Options& options_;
    TempDir work_;
    fs::path findings_;
    double shrinkSeconds_;
    std::size_t actionsRun_ = 0;
    int findings_count_ = 0;
};

std::vector<std::uint64_t> seedList(const std::string& text)
{
    std::vector<std::uint64_t> seeds;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ','))
        if (!item.empty())
            seeds.push_back(std::stoull(item));
    return seeds;
}

int supervise(const Options& options)
{
    Supervisor supervisor(options);
    const auto started = std::chrono::steady_clock::now();
    const std::uint64_t actions = options.number("actions", 2000);
    if (options.has("cases")) {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(options.text("cases")))
            if (entry.path().extension() == ".txt")
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto& file : files)
            supervisor.replayCase(file);
        std::cout << files.size() << " fixed cases replayed" << std::endl;
    } else if (options.has("seeds")) {
        for (const auto seed : seedList(options.text("seeds")))
            supervisor.runSeed(seed, actions);
    } else {
        const double minutes = std::stod(options.text("minutes", "1"));
        std::uint64_t seed = options.number("seed", static_cast<std::uint64_t>(std::time(nullptr)));
        const auto end = started + std::chrono::duration<double>(minutes * 60);
        while (std::chrono::steady_clock::now() < end)
            supervisor.runSeed(seed++, actions);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << supervisor.actionsRun() << " actions in " << static_cast<int>(seconds) << " s ("
              << static_cast<int>(static_cast<double>(supervisor.actionsRun()) / std::max(seconds, 1.0))
              << " actions/s); " << supervisor.findings() << " found" << std::endl;
    return supervisor.findings() == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = readOptions(argc, argv);
    if (options.has("run") || options.has("replay"))
        return runChild(argc, argv, options);
    return supervise(options);
}
