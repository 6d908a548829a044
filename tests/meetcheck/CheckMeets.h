#pragma once

#include "handmatch/HandMatchMeets.h"
#include "matching/MatchSettings.h"
#include "matching/PairingMeasures.h"
#include "meet/Meet.h"

#include <string>

// A bout row: number, mat, then Red's and Green's name and team.
inline std::string boutRow(int bout, int mat, const std::string& red, const std::string& redTeam,
    const std::string& green, const std::string& greenTeam)
{
    return std::to_string(bout) + "\t" + std::to_string(mat) + "\t\t" + red + "\t9.0\t60\t1.0\t" + redTeam + "\t\t\t\t"
        + green + "\t9.0\t60\t1.0\t" + greenTeam;
}

// Forty wrestlers of two teams spread over ages, weights and skills, every
// seventh one absent.
inline korvanda::Meet spreadMeet()
{
    Texts roster;
    for (int i = 1; i <= 40; ++i) {
        const std::string age = std::to_string(8 + (i * 7) % 5) + "." + std::to_string((i * 3) % 10);
        const std::string weight = std::to_string(50 + (i * 37) % 60);
        const std::string skill = std::to_string((i * 3) % 5) + ".0";
        const std::string team = i % 2 ? "TIG" : "LIO";
        roster.push_back("W" + std::to_string(i) + "\t" + age + "\t" + weight + "\t" + skill + "\t" + team + "\t"
            + korvanda::compositeValue(age, weight, skill) + "\t" + (i % 7 ? "Yes" : "") + "\t");
    }
    return meetWith(roster);
}

// Limits that leave a good part of spreadMeet() short of two bouts.
inline korvanda::MatchSettings tightSettings()
{
    korvanda::MatchSettings settings;
    settings.limits = { "0", "0.5", "3", "6", "0", "1", "2", "2" };
    settings.mats = "2";
    return settings;
}
