#include "soak/SoakScorer.h"

#include "app/Shell.h"
#include "bouts/ResultEntry.h"
#include "meet/Numbers.h"
#include "meet/RestoreFile.h"
#include "meet/TextFile.h"
#include "meet/Utf8Text.h"
#include "meetcheck/MatOrder.h"
#include "network/NetworkScreen.h"
#include "soak/SoakChecks.h"

#include <httplib.h>
#include <nlohmann/json.hpp>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <future>
#include <thread>

namespace korvanda::soak {

namespace {

// A port no other program (nor another soak running beside this one) holds now.
int freePort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (::bind(probe, reinterpret_cast<sockaddr*>(&address), size) == 0
        && ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    ::close(probe);
    return port;
}

struct Reply {
    int status = 0;
    std::string body;
};

// The phone sends on a thread of its own while this thread turns the
// windows' event loop, as the program's own loop would; `stall` gets the
// longest single turn.
Reply postFromPhone(int port, const std::string& token, const std::string& body, long long& stall)
{
    std::promise<Reply> promise;
    auto answer = promise.get_future();
    std::thread phone([&] {
        httplib::Client client("127.0.0.1", port);
        client.set_read_timeout(30, 0);
        const auto got
            = client.Post("/api/result", httplib::Headers { { "X-Scorer-Token", token } }, body, "application/json");
        promise.set_value(got ? Reply { got->status, got->body } : Reply {});
    });
    stall = 0;
    QElapsedTimer turn;
    while (answer.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) {
        turn.start();
        QApplication::processEvents();
        stall = std::max<long long>(stall, turn.elapsed());
    }
    phone.join();
    return answer.get();
}

std::vector<std::string> rowCells(const Table& table, int row)
{
    std::vector<std::string> cells;
    for (int column = 0; column < table.columnCount(); ++column)
        cells.push_back(table.cell(row, column));
    return cells;
}

} // namespace

PickedResult pickResult(std::mt19937_64& rng)
{
    // The least margin of each kind of win by points: decision, major,
    // superior, technical fall.
    static const std::map<int, std::pair<int, int>> margins = { { ResultType::Decision, { 1, 7 } },
        { ResultType::MajDec, { 8, 11 } }, { ResultType::SupDec, { 12, 14 } }, { ResultType::TechFall, { 15, 20 } } };
    PickedResult picked;
    picked.type = 1 + static_cast<int>(below(rng, 8));
    picked.winner = 1 + static_cast<int>(below(rng, 2));
    if (const auto margin = margins.find(picked.type); margin != margins.end()) {
        const int loser = static_cast<int>(below(rng, 6));
        const auto [least, most] = margin->second;
        picked.points[picked.winner - 1]
            = std::to_string(loser + least + static_cast<int>(below(rng, most - least + 1)));
        picked.points[2 - picked.winner] = std::to_string(loser);
    } else if (picked.type == ResultType::Draw) {
        picked.points[0] = picked.points[1] = std::to_string(below(rng, 8));
    } else if (picked.type == ResultType::Fall && below(rng, 2) == 0) {
        picked.points[0] = std::to_string(below(rng, 12));
        picked.points[1] = std::to_string(below(rng, 12));
    }
    return picked;
}

std::optional<std::string> SoakScorer::send(
    Shell& shell, const Meet& meet, const Meet& before, const std::filesystem::path& folder, std::uint64_t seed)
{
    longestStall_ = 0;
    std::mt19937_64 rng(seed);
    NetworkScreen& network = shell.networkScreen();
    if (!network.serving()) {
        network.findChild<QSpinBox*>(QStringLiteral("PortBox"))->setValue(freePort());
        network.findChild<QPushButton*>(QStringLiteral("StartButton"))->click();
        if (!network.serving())
            return std::nullopt;
    }
    if (token_.empty()) {
        // The card of his mat while there is one, else of any mat there is.
        std::vector<int> mats;
        for (int mat = 1; mat <= 6; ++mat)
            if (network.findChild<QLabel*>(QStringLiteral("ScorerLinkLabel%1").arg(mat)))
                mats.push_back(mat);
        if (mats.empty())
            return std::nullopt;
        if (std::find(mats.begin(), mats.end(), mat_) == mats.end())
            mat_ = anyOf(rng, mats);
        const QString link = network.findChild<QLabel*>(QStringLiteral("ScorerLinkLabel%1").arg(mat_))->text();
        token_ = link.section(QStringLiteral("#t="), 1).toStdString();
    } else if (below(rng, 20) == 0) {
        // The director makes new codes while this scorer holds the old card.
        network.findChild<QPushButton*>(QStringLiteral("NewCodesButton"))->click();
    }

    const auto waiting = std::find_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.waiting; });
    Entry* entry = nullptr;
    if (waiting != entries_.end()) {
        entry = &*waiting;
    } else if (!entries_.empty() && below(rng, 4) == 0) {
        entry = &entries_[below(rng, entries_.size())];
    } else {
        const Table& bouts = meet.boutGrid;
        const auto onMats = boutsByMat(bouts);
        const auto mine = onMats.find(mat_);
        int row = 0;
        // Mostly the mat's first bout without a result, as the scorer page
        // puts it on top; now and then another of the mat's, or any bout.
        if (mine != onMats.end() && below(rng, 10) != 0) {
            const auto& rows = mine->second;
            const auto open = std::find_if(rows.begin(), rows.end(), [&](int r) { return !hasResult(bouts, r); });
            row = open != rows.end() && below(rng, 3) != 0 ? *open : anyOf(rng, rows);
        } else {
            row = 1 + static_cast<int>(below(rng, static_cast<std::size_t>(bouts.rowCount() - 1)));
        }
        // A page loaded before a re-match names the wrestlers it showed then.
        const int named = below(rng, 15) == 0 ? 1 + static_cast<int>(below(rng, bouts.rowCount() - 1)) : row;
        const PickedResult result = pickResult(rng);
        const std::string number = trimmed(bouts.cell(row, BoutColumn::Bout));
        Entry fresh;
        fresh.id = "soak-phone-" + std::to_string(++nextId_);
        fresh.row = row;
        fresh.body = nlohmann::json {
            { "id", fresh.id },
            { "bout", isNumber(number) ? std::stoi(number) : row },
            { "red", utf8FromLatin1(bouts.cell(named, BoutColumn::Name1)) },
            { "green", utf8FromLatin1(bouts.cell(named, BoutColumn::Name2)) },
            { "winner", result.type == ResultType::Draw || result.type == ResultType::Scratch ? 0 : result.winner },
            { "type", result.type },
            { "points1", result.points[0] },
            { "points2", result.points[1] },
        }.dump();
        entries_.push_back(fresh);
        entry = &entries_.back();
    }
    const Reply reply = postFromPhone(network.port(), token_, entry->body, longestStall_);
    return judge(*entry, reply.status, reply.body, before, meet, folder);
}

std::optional<std::string> SoakScorer::judge(Entry& entry, int status, const std::string& body, const Meet& before,
    const Meet& now, const std::filesystem::path& folder)
{
    const auto answer = nlohmann::json::parse(body, nullptr, false);
    const bool stored = status == 200 && answer.is_object() && answer.value("stored", false);
    const bool again = stored && answer.value("again", false);
    const std::string what = "result " + entry.id + " (" + entry.body + ")";
    if (status == 0)
        return what + " got no answer";
    // What the send changed in the tables: at most its own bout's row.
    std::vector<int> changed;
    const Table& bouts = now.boutGrid;
    if (!(now.teamList == before.teamList) || !(now.roster == before.roster)
        || bouts.rowCount() != before.boutGrid.rowCount())
        return what + " changed more than its bout";
    for (int row = 1; row < bouts.rowCount(); ++row)
        if (rowCells(bouts, row) != rowCells(before.boutGrid, row))
            changed.push_back(row);
    if (changed.size() > 1 || (changed.size() == 1 && changed[0] != entry.row))
        return what + " changed another bout";
    const bool storedNow = !changed.empty();
    const auto inRestoreFile = [&] {
        const auto text = readWholeFile(folder / restoreFileName);
        const auto tables = text ? parseRestoreFile(*text) : std::nullopt;
        return tables && entry.row < tables->boutGrid.rowCount()
            && rowCells(tables->boutGrid, entry.row) == entry.storedRow;
    };
    if (storedNow && (hasResult(before.boutGrid, entry.row) || !hasResult(bouts, entry.row)))
        return what + " changed a bout's result instead of adding one";
    // One the laptop could not save may come in again once the table took
    // it out; one confirmed never.
    if (storedNow && entry.confirmed)
        return what + " was stored twice";
    if (storedNow)
        entry.storedRow = rowCells(bouts, entry.row);

    if (stored && !again) {
        if (!storedNow)
            return what + " was answered as stored, yet the bout list did not change";
        if (!inRestoreFile())
            return what + " was confirmed before the restore file held it";
        entry.confirmed = true;
        ++stored_;
    } else if (again) {
        if (storedNow)
            return what + " was answered as stored before, yet stored now";
        // Another entry of the very same result may answer for it.
        if (!entry.confirmed && !entry.unsaved && !hasResult(bouts, entry.row))
            return what + " was answered as stored before, though it never was";
        if (entry.unsaved && !inRestoreFile())
            return what + " was confirmed before the restore file held it";
        entry.confirmed = true;
        entry.unsaved = false;
    } else if (status == 503) {
        // The laptop could not write its restore file: the result may be in
        // the bout list, and waits on the phone to be sent again.
        entry.unsaved = entry.unsaved || storedNow;
    } else if (storedNow) {
        return what + " was refused (" + body + "), yet stored";
    } else if (status == 401) {
        // The card is no longer valid: the scorer fetches the new one, and
        // the result waits on his phone until then.
        token_.clear();
        entry.waiting = true;
        return std::nullopt;
    } else {
        // Refused for good: the scorer reads why, and the phone drops it.
        const std::string id = entry.id;
        std::erase_if(entries_, [&](const Entry& e) { return e.id == id; });
        return std::nullopt;
    }
    entry.waiting = false;
    return std::nullopt;
}

} // namespace korvanda::soak
