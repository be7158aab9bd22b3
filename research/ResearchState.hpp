#pragma once

#include "research/ResearchEffects.hpp"
#include "research/ResearchProjects.hpp"

#include <istream>
#include <map>
#include <ostream>
#include <set>

// A game's research: the project the office works on, the points gathered
// for each project not yet finished, and the finished ones. Owned by the
// level and saved with it (ResearchRecord.cpp).
class ResearchState {
public:
    // Stored in save files.
    static constexpr const char* RecordHeader = "RESEARCH";
    static constexpr float RecordVersion = 1.f;

    // Why a project cannot be chosen; None when it can.
    enum class Refusal { None, Unknown, Finished, NeedsPrerequisite };
    Refusal refusalFor(ResearchProject project) const;
    // Makes the project the active one; refused (nothing changes) when it is
    // unknown, finished, or its prerequisite is not finished.
    bool choose(ResearchProject project);

    ResearchProject getActive() const { return active; }
    bool hasActive() const { return active != ResearchProject::None; }
    // Points gathered for the project so far; its cost once finished.
    float pointsOf(ResearchProject project) const;
    float activePoints() const { return pointsOf(active); }
    bool isFinished(ResearchProject project) const { return finished.count(project) > 0; }
    const std::set<ResearchProject>& getFinished() const { return finished; }
    // Whether every project is finished.
    bool isComplete() const;

    // Adds to the active project and finishes it at its cost; the office then
    // waits for the player to choose the next one. True when one finished.
    bool addPoints(float points);

    const ResearchEffects& getEffects() const { return effects; }

    // Nothing chosen, gathered or finished: the save file carries no record,
    // so a game that never researched writes the file it always wrote.
    bool isUntouched() const;
    void clear();

    // A failed load changes nothing.
    bool save(std::ostream& out) const;
    bool load(std::istream& in);

private:
    ResearchProject active = ResearchProject::None;
    // Only projects with points and not finished.
    std::map<ResearchProject, float> points;
    std::set<ResearchProject> finished;
    ResearchEffects effects; // not saved: follows from finished
};
