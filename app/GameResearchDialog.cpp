// The research dialog: every project with what it does, its cost and the
// points gathered for it; the player chooses the one the office works on.

#include "app/Game.hpp"

#include "app/DialogLayout.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuListboxProgressEntry.hpp"

#include <cmath>
#include <iomanip>
#include <memory>
#include <sstream>

namespace {

using DialogLayout::DialogLine;

// Two rows of text each; all projects show without scrolling.
constexpr float EntryHeight = 56.f;
const sf::Color ActiveColour(0, 110, 180);
const sf::Color DoneColour(0, 125, 40);
const sf::Color LockedColour(120, 120, 120);

// Whole points in the player's locale ("1.234" for a German player).
std::string PointsText(float points) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(0) << std::floor(points);
    return text.str();
}

std::string Quoted(const char* name) {
    return std::string("„") + name + "“";
}

std::string NameOf(ResearchProject project) {
    const ResearchProjectInfo* info = Research::Find(project);
    return info != nullptr ? info->name : "";
}

void ShowProject(MenuListboxProgressEntry& entry, const ResearchProjectInfo& info,
                 const ResearchState& research) {
    const float points = research.pointsOf(info.project);
    std::string state;
    sf::Color colour = sf::Color::Black;
    switch (research.refusalFor(info.project)) {
    case ResearchState::Refusal::Finished:
        state = "Erforscht";
        colour = DoneColour;
        break;
    case ResearchState::Refusal::NeedsPrerequisite:
        state = "Erst " + Quoted(Research::Find(info.prerequisite)->name) + " erforschen";
        colour = LockedColour;
        break;
    default:
        if (research.getActive() == info.project) {
            state = "Wird erforscht";
            colour = ActiveColour;
        }
        break;
    }
    entry.setDetails(state, colour, info.description,
                     PointsText(points) + " / " + PointsText(info.cost) + " Punkte",
                     points / info.cost);
}

} // namespace

void Game::buildResearchMenu() {
    const float width = dialogWidthLarge;
    DialogLayout::Start(researchMenu, this, font, "Forschung", width);
    auto list = std::make_unique<MenuListbox>(font);
    list->setEntryHeight(EntryHeight);
    // Every line whole inside the list's border.
    list->setSize(width, list->heightForLines(static_cast<int>(Research::Projects().size())));
    MenuListbox* shown = researchMenu.add(std::move(list));
    for (const ResearchProjectInfo& info : Research::Projects())
        shown->addProgressEntry(static_cast<int>(info.project), info.name);
    DialogLayout::AddLine(researchMenu, DialogLine::Note, width);
    MenuButton* choose =
        DialogLayout::AddButtonRow(researchMenu, ButtonChooseResearch, ButtonCloseResearch, width)
            .first;
    // A double click chooses the project at once.
    shown->setLinkedButton(choose);
    DialogLayout::Finish(researchMenu);
    refreshResearchMenu();
}

void Game::refreshResearchMenu() {
    auto* list = DialogLayout::FindFirst<MenuListbox>(researchMenu);
    if (list == nullptr)
        return;
    const ResearchState& research = level->getResearch();
    // The project in work is selected, or none once it is finished: a
    // highlight left on a finished project reads as still in work.
    MenuListboxEntry* active = nullptr;
    for (auto* entry : DialogLayout::FindAll<MenuListboxProgressEntry>(researchMenu)) {
        const auto project = static_cast<ResearchProject>(entry->getTag());
        if (const ResearchProjectInfo* info = Research::Find(project))
            ShowProject(*entry, *info, research);
        if (research.hasActive() && project == research.getActive())
            active = entry;
    }
    list->select(active);
    list->update();
}

bool Game::openResearchMenu() {
    if (researchMenu.isOpen())
        return false;
    refreshResearchMenu();
    showResearchState();
    return openMenu(researchMenu);
}

bool Game::chooseSelectedResearch() {
    MenuListboxProgressEntry* selected = nullptr;
    for (auto* entry : DialogLayout::FindAll<MenuListboxProgressEntry>(researchMenu))
        if (entry->isSelected())
            selected = entry;
    if (selected == nullptr) {
        DialogLayout::ShowLine(researchMenu, DialogLine::Note, "Bitte erst ein Projekt wählen.",
                               true);
        return false;
    }
    ResearchState& research = level->getResearch();
    const auto project = static_cast<ResearchProject>(selected->getTag());
    const ResearchState::Refusal refusal = research.refusalFor(project);
    if (refusal == ResearchState::Refusal::Finished) {
        DialogLayout::ShowLine(researchMenu, DialogLine::Note,
                               Quoted(NameOf(project).c_str()) + " ist schon erforscht.", true);
        return false;
    }
    if (refusal != ResearchState::Refusal::None) {
        const ResearchProjectInfo* info = Research::Find(project);
        const std::string before = info != nullptr ? NameOf(info->prerequisite) : "";
        DialogLayout::ShowLine(researchMenu, DialogLine::Note,
                               "Dafür muss erst " + Quoted(before.c_str()) + " erforscht sein.",
                               true);
        return false;
    }
    research.choose(project);
    refreshResearchMenu();
    showResearchState();
    return true;
}

void Game::showResearchState() {
    const std::string hindrance = level->researchHindrance();
    const ResearchState& research = level->getResearch();
    std::string state = hindrance;
    if (hindrance.empty() && research.hasActive())
        state = "Im Büro wird an " + Quoted(NameOf(research.getActive()).c_str()) + " geforscht.";
    else if (hindrance.empty() && research.isComplete())
        state = "Alle Projekte sind erforscht.";
    DialogLayout::ShowLine(researchMenu, DialogLine::Note, state, !hindrance.empty());
}
