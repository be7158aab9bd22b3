#include "research/ResearchProjects.hpp"

namespace Research {

namespace {

// A researcher of full skill in a good mood gathers a point per game minute at
// the desk. Two average ones bring some 270 points in a working day (480
// minutes): the first project takes them three days, the last three weeks.
const std::vector<ResearchProjectInfo> ProjectTable = {
    {ResearchProject::Production1, "production1", "Schnellere Fertigung I",
     "Jedes Rezept dauert 10 % weniger.", 800.f, ResearchProject::None},
    {ResearchProject::Purchasing, "purchasing", "Besserer Einkauf", "Einkaufspreise sinken um 5 %.",
     1200.f, ResearchProject::None},
    {ResearchProject::Ergonomics, "ergonomics", "Ergonomie", "Bedürfnisse steigen 15 % langsamer.",
     1600.f, ResearchProject::None},
    {ResearchProject::Production2, "production2", "Schnellere Fertigung II",
     "Jedes Rezept dauert weitere 10 % weniger.", 2400.f, ResearchProject::Production1},
    {ResearchProject::Logistics, "logistics", "Schnellere Logistik",
     "Lkw kommen doppelt so schnell, Fahrer tragen 50 % schneller.", 3200.f, ResearchProject::None},
    {ResearchProject::Sales, "sales", "Besserer Verkauf", "Verkaufspreise steigen um 5 %.", 4000.f,
     ResearchProject::None},
    {ResearchProject::Production3, "production3", "Schnellere Fertigung III",
     "Jedes Rezept dauert weitere 10 % weniger.", 6000.f, ResearchProject::Production2},
};

} // namespace

const std::vector<ResearchProjectInfo>& Projects() {
    return ProjectTable;
}

const ResearchProjectInfo* Find(ResearchProject project) {
    for (const ResearchProjectInfo& info : ProjectTable)
        if (info.project == project)
            return &info;
    return nullptr;
}

const ResearchProjectInfo* FindByKey(const std::string& key) {
    for (const ResearchProjectInfo& info : ProjectTable)
        if (key == info.key)
            return &info;
    return nullptr;
}

bool IsProject(std::int32_t value) {
    return Find(static_cast<ResearchProject>(value)) != nullptr;
}

} // namespace Research
