#pragma once

#include "bouts/WriteFiles.h"
#include "meet/Meet.h"
#include "meet/RestoreFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"
#include "teams/RosterImport.h"
#include "teams/TeamFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

// Two versions of one meet, and everything the program writes of a meet.

// The same teams "Tigers" and "Lions" with data files of those names in both
// versions; the coaches, wrestlers, bouts and results differ.
inline korvanda::Meet meetVersion(int version, const std::filesystem::path& directory)
{
    korvanda::Meet meet;
    meet.directory = directory;
    const std::string v = std::to_string(version);
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Tigers\tTIG\tCoach " + v + "\tTigers");
    meet.teamList.appendRow("Lions\tLIO\tCoach " + v + "\tLions");
    meet.roster.setRowCount(1);
    meet.boutGrid.setRowCount(1);
    const int wrestlers = 60 + 10 * version;
    for (int w = 1; w <= wrestlers; ++w)
        meet.roster.appendRow("Wrestler " + v + "-" + std::to_string(w) + "\t" + std::to_string(6 + w % 9) + ".0\t"
            + std::to_string(50 + w % 60) + "\t" + std::to_string(1 + w % 5) + ".0\t" + (w % 2 ? "TIG" : "LIO") + "\t"
            + std::to_string(60 + w % 40) + (w % 7 ? "\tYes\t" : "\t\t") + std::to_string((w + 1) / 2));
    for (int b = 1; b <= wrestlers / 2; ++b)
        meet.boutGrid.appendRow(std::to_string(b) + "\t" + std::to_string(1 + b % 3) + "\t\t"
            + meet.roster.cell(2 * b - 1, 0) + "\t9.0\t60\t2.0\tTIG" + (version == 2 ? "\t6\tDecision\t\t" : "\t\t\t\t")
            + meet.roster.cell(2 * b, 0) + "\t9.0\t61\t2.0\tLIO\t" + (version == 2 ? "2" : ""));
    return meet;
}

// The team files, then "Write Files": restore file, printed lists, tally.
inline void writeEverything(const korvanda::Meet& meet, korvanda::Dialogs& dialogs)
{
    korvanda::savePermFiles(meet, dialogs);
    korvanda::writeFiles(meet, { .omitAbsents = true, .skillsOnBLists = true, .skillsOnBSheets = true },
        korvanda::PrintDate { "Saturday", "Dec", 5, 2026 }, dialogs);
}

using Files = std::map<std::string, std::string>;

// The file a backup holds a version of; any other file stands for itself.
inline std::string sourceOf(const std::string& name)
{
    return name.ends_with(".Bak") ? name.substr(0, name.size() - 4) + ".Csv" : name;
}

// Every file of the directory with its bytes; temporaries (".new") are only
// counted, directories left out.
inline Files filesIn(const std::filesystem::path& directory, int* temporaries = nullptr)
{
    Files files;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".new") && temporaries)
            ++*temporaries;
        else if (!name.ends_with(".new") && !entry.is_directory()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[name] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return files;
}
