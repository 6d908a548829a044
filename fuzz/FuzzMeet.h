#pragma once

// The meet the meet's own harnesses start from: its folder is the scratch
// directory, so the files a harness places are the meet's files.

#include "FuzzSupport.h"

#include "meet/Meet.h"

#include <initializer_list>

namespace fuzzsupport {

inline constexpr const char* tigers = "Tigers\tTIG\tAnn Loe\tTigers";
inline constexpr const char* lions = "Lions\tLIO\tBo Kerr\tLions";

inline korvanda::Meet scratchMeet(std::initializer_list<const char*> teams)
{
    korvanda::Meet meet;
    meet.directory = scratchDirectory();
    meet.teamList.setRowCount(1);
    for (const char* team : teams)
        meet.teamList.appendRow(team);
    return meet;
}

} // namespace fuzzsupport
