#pragma once

#include <string>

// What caused a state of the meet to be kept, in the director's words, as
// the history list shows it. Whoever writes the restore file passes one.
namespace korvanda::causes {

std::string acceptBout(int bout);
// A result sent from a mat's scoring table rather than typed at the desk.
std::string resultFromMat(int mat, int bout);
std::string handMatch(int bout);
std::string editBout(int bout);
// "Add", "Replace" or "Attendance" with the wrestler's name.
std::string wrestler(const std::string& command, const std::string& name);
// The step that brought back the state kept at `clock`.
std::string bringBack(const std::string& clock);

inline const std::string match = "Match";
inline const std::string removeLast = "Remove Last";
inline const std::string loadRosters = "Load Rosters";
inline const std::string saveList = "Save List";
inline const std::string schedule = "Schedule";
inline const std::string scheduleByWeight = "Schedule by Weight";
inline const std::string writeFiles = "Write Files";
inline const std::string updateWeights = "Update Weights";

} // namespace korvanda::causes
