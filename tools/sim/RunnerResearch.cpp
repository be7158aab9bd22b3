// The research dialog's choice of project, and what the report says of the
// office's research.

#include "Runner.hpp"

#include <sstream>

int Runner::commandResearch(const Line& line) {
    if (!hasWords(line, 2, 2))
        return fail(line, "usage: research PROJECT");
    const ResearchProjectInfo* info = Research::FindByKey(line.words[1]);
    if (info == nullptr)
        return fail(line, "unknown research project '" + line.words[1] + "'");
    // Finished, or its prerequisite is not: the dialog refuses it.
    if (!level->getResearch().choose(info->project))
        refuse(line);
    return SimOk;
}

void Runner::reportResearch(std::map<std::string, std::string>& report) const {
    const ResearchState& research = level->getResearch();
    std::ostringstream points;
    points.imbue(std::locale::classic());
    points << research.activePoints();
    report["research.points"] = points.str();
    const ResearchProjectInfo* active = Research::Find(research.getActive());
    report["research.active"] = active != nullptr ? active->key : "none";
    report["research.done"] = std::to_string(research.getFinished().size());
    for (ResearchProject project : research.getFinished())
        report[std::string("research.done.") + Research::Find(project)->key] = "1";
}
