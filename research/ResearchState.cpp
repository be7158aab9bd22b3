#include "research/ResearchState.hpp"

ResearchState::Refusal ResearchState::refusalFor(ResearchProject project) const {
    const ResearchProjectInfo* info = Research::Find(project);
    if (info == nullptr)
        return Refusal::Unknown;
    if (isFinished(project))
        return Refusal::Finished;
    if (info->prerequisite != ResearchProject::None && !isFinished(info->prerequisite))
        return Refusal::NeedsPrerequisite;
    return Refusal::None;
}

bool ResearchState::choose(ResearchProject project) {
    if (refusalFor(project) != Refusal::None)
        return false;
    active = project;
    return true;
}

float ResearchState::pointsOf(ResearchProject project) const {
    if (isFinished(project)) {
        const ResearchProjectInfo* info = Research::Find(project);
        return info != nullptr ? info->cost : 0.f;
    }
    const auto found = points.find(project);
    return found == points.end() ? 0.f : found->second;
}

bool ResearchState::isComplete() const {
    return finished.size() == Research::Projects().size();
}

bool ResearchState::addPoints(float gathered) {
    const ResearchProjectInfo* info = Research::Find(active);
    if (info == nullptr || !(gathered > 0.f))
        return false;
    float& total = points[active];
    total += gathered;
    if (total < info->cost)
        return false;
    // What goes beyond the cost is not carried over: the next project is the
    // player's choice.
    points.erase(active);
    finished.insert(active);
    active = ResearchProject::None;
    effects = ResearchEffects::Of(finished);
    return true;
}

bool ResearchState::isUntouched() const {
    return active == ResearchProject::None && points.empty() && finished.empty();
}

void ResearchState::clear() {
    active = ResearchProject::None;
    points.clear();
    finished.clear();
    effects = ResearchEffects();
}
