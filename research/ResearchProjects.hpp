#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the office can research. The values are stored in save files: never
// renumber them.
enum class ResearchProject : std::int32_t {
    None = 0,
    Production1 = 1,
    Production2 = 2,
    Production3 = 3,
    Logistics = 4,
    Ergonomics = 5,
    Purchasing = 6,
    Sales = 7,
};

// One row of the project table: the description of a project, apart from
// the progress a game has made on it.
struct ResearchProjectInfo {
    ResearchProject project;
    // The runner's name for it.
    const char* key;
    // UTF-8, shown in the research dialog.
    const char* name;
    const char* description;
    // Points needed to finish it.
    float cost;
    // A project that must be finished first, or None.
    ResearchProject prerequisite;
};

namespace Research {

// Every project in the order the research dialog lists them.
const std::vector<ResearchProjectInfo>& Projects();
// Null for None or a value no project has.
const ResearchProjectInfo* Find(ResearchProject project);
const ResearchProjectInfo* FindByKey(const std::string& key);
bool IsProject(std::int32_t value);

} // namespace Research
