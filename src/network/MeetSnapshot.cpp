#include "network/MeetSnapshot.h"

#include "bouts/ScoreTally.h"
#include "meet/Numbers.h"
#include "meet/Utf8Text.h"
#include "meetcheck/MatBoard.h"
#include "meetcheck/MatFigures.h"
#include "meetcheck/MatOrder.h"

#include <nlohmann/json.hpp>

namespace korvanda {

namespace {

using nlohmann::json;

json side(const Table& bouts, int row, int nameColumn, int teamColumn, int pointsColumn, int winnerColumn)
{
    return json { { "name", utf8FromLatin1(bouts.cell(row, nameColumn)) },
        { "team", utf8FromLatin1(bouts.cell(row, teamColumn)) },
        { "points", utf8FromLatin1(bouts.cell(row, pointsColumn)) },
        { "result", utf8FromLatin1(trimmed(bouts.cell(row, winnerColumn))) } };
}

json boutJson(const Table& bouts, int row)
{
    return json { { "bout", utf8FromLatin1(trimmed(bouts.cell(row, BoutColumn::Bout))) },
        { "red", side(bouts, row, BoutColumn::Name1, BoutColumn::Team1, BoutColumn::Points1, BoutColumn::Winner1) },
        { "green", side(bouts, row, BoutColumn::Name2, BoutColumn::Team2, BoutColumn::Points2, BoutColumn::Winner2) },
        { "done", hasResult(bouts, row) } };
}

} // namespace

std::shared_ptr<const MeetSnapshot> makeSnapshot(
    const Meet& meet, const CheckValues& values, std::shared_ptr<const MeetSnapshot> previous)
{
    const Table& bouts = meet.boutGrid;
    const auto mats = boutsByMat(bouts);

    json board = json::array();
    for (const auto& mat : matBoard(bouts)) {
        json next = json::array();
        for (const auto& bout : mat.next)
            next.push_back(boutJson(bouts, bout.bout));
        board.push_back({ { "mat", mat.mat }, { "next", next } });
    }

    // Where each bout stands on its mat, and when it should start if every
    // bout takes the Meet Check's minutes from its start time on.
    std::map<int, std::pair<int, int>> places;
    auto snapshot = std::make_shared<MeetSnapshot>();
    for (const auto& [mat, rows] : mats) {
        json list = json::array();
        for (std::size_t k = 0; k < rows.size(); ++k) {
            places[rows[k]] = { mat, static_cast<int>(k) };
            list.push_back(boutJson(bouts, rows[k]));
        }
        snapshot->matJson[mat] = json { { "mat", mat }, { "bouts", list } }.dump();
    }
    json list = json::array();
    for (int row = 1; row < bouts.rowCount(); ++row) {
        if (trimmed(bouts.cell(row, BoutColumn::Bout)).empty())
            continue;
        json bout = boutJson(bouts, row);
        if (const auto place = places.find(row); place != places.end()) {
            const auto [mat, before] = place->second;
            bout["mat"] = mat;
            bout["before"] = before;
            bout["start"] = clockText(values.startMinutes + before * values.minutesPerBout);
        }
        list.push_back(bout);
    }
    const json content { { "board", board }, { "bouts", list },
        { "tally", utf8FromLatin1(scoreTallyText(meet.teamList, bouts)) } };

    snapshot->content = content.dump();
    if (previous && previous->content == snapshot->content && previous->matJson == snapshot->matJson)
        return previous;
    snapshot->version = previous ? previous->version + 1 : 1;
    json whole = content;
    whole["version"] = snapshot->version;
    snapshot->meetJson = whole.dump();
    return snapshot;
}

} // namespace korvanda
