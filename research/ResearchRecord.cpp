// The research record at the end of the level's file: the active project,
// the points of the projects begun, the finished projects. The file is
// untrusted: every number is checked, and a record that does not hold
// together is refused whole.

#include "research/ResearchState.hpp"

#include "persist/ExactNumber.hpp"
#include "persist/RecordStart.hpp"

#include <cmath>
#include <cstdint>
#include <iostream>
#include <string>

namespace {

void Report(const std::string& message) {
    std::cout << "ResearchState::load() - " << message << std::endl;
}

bool ReadProject(std::istream& in, ResearchProject& project) {
    std::int32_t value = 0;
    if (!(in >> value) || !Research::IsProject(value))
        return false;
    project = static_cast<ResearchProject>(value);
    return true;
}

// A count of entries, each a different project.
bool ReadCount(std::istream& in, std::size_t& count) {
    std::int32_t value = 0;
    if (!(in >> value) || value < 0 ||
        static_cast<std::size_t>(value) > Research::Projects().size())
        return false;
    count = static_cast<std::size_t>(value);
    return true;
}

} // namespace

bool ResearchState::save(std::ostream& out) const {
    using GameParams::Save::Exact;
    out << RecordHeader << ' ' << RecordVersion << ' ' << static_cast<std::int32_t>(active) << ' '
        << points.size();
    for (const auto& [project, gathered] : points)
        out << ' ' << static_cast<std::int32_t>(project) << ' ' << Exact<float>{gathered};
    out << ' ' << finished.size();
    for (ResearchProject project : finished)
        out << ' ' << static_cast<std::int32_t>(project);
    return !out.fail();
}

bool ResearchState::load(std::istream& in) {
    if (!GameParams::Load::RecordStart(in, "ResearchState::load()", RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::Refuse))
        return false;
    ResearchState loaded;
    std::int32_t activeValue = 0;
    if (!(in >> activeValue) || (activeValue != 0 && !Research::IsProject(activeValue))) {
        Report("active ungueltig!");
        return false;
    }
    std::size_t count = 0;
    if (!ReadCount(in, count)) {
        Report("points ungueltig!");
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        ResearchProject project = ResearchProject::None;
        float gathered = 0.f;
        if (!ReadProject(in, project) || !(in >> gathered) || !std::isfinite(gathered) ||
            gathered < 0.f || gathered >= Research::Find(project)->cost ||
            !loaded.points.emplace(project, gathered).second) {
            Report("points ungueltig!");
            return false;
        }
    }
    if (!ReadCount(in, count)) {
        Report("finished ungueltig!");
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        ResearchProject project = ResearchProject::None;
        if (!ReadProject(in, project) || loaded.points.count(project) > 0 ||
            !loaded.finished.insert(project).second) {
            Report("finished ungueltig!");
            return false;
        }
    }
    for (ResearchProject project : loaded.finished) {
        const ResearchProject before = Research::Find(project)->prerequisite;
        if (before != ResearchProject::None && !loaded.isFinished(before)) {
            Report("finished ungueltig!");
            return false;
        }
    }
    const auto chosen = static_cast<ResearchProject>(activeValue);
    if (chosen != ResearchProject::None && !loaded.choose(chosen)) {
        Report("active ungueltig!");
        return false;
    }
    loaded.effects = ResearchEffects::Of(loaded.finished);
    *this = loaded;
    return true;
}
