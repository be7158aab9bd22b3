#include "ui/MenuListboxEmployeePrioritySelectorEntry.hpp"

#include "actors/Employee.hpp"
#include "params/Graphics.hpp"
#include "params/Texts.hpp"
#include "ui/MenuSymbolButton.hpp"
#include "ui/MenuTooltipArea.hpp"
#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned CaptionSize = 12;

// The task kinds that have a skill, and which skill they read.
struct SkillOfTask {
    TaskType task;
    SkillType skill;
};
constexpr SkillOfTask SkillsOfTasks[] = {
    {TaskWalk, SkillWalkingSpeed},
    {TaskWork, SkillWorkingSpeed},
    {TaskResearch, SkillResearchSpeed},
};

// What doing each kind of work means on the factory floor.
const char* workOf(TaskType task) {
    if (task == TaskWalk)
        return "Tragen: Waren zwischen Wareneingang, Lager, Werkbänken und Lkw";
    if (task == TaskWork)
        return "Arbeiten: an Werkbank und Schreibtisch";
    if (task == TaskResearch)
        return "Forschen: am Schreibtisch im Büro, für das gewählte Projekt";
    return "Sonstiges";
}

} // namespace

MenuListboxEmployeePrioritySelectorEntry::MenuListboxEmployeePrioritySelectorEntry(
    MenuElement* parent, const sf::Font& font, const Employee& employee)
    : MenuListboxEntry(parent, font), employeeId(employee.getId()), icons(sf::Quads) {
    setText(employee.getFullName());
    rebuild();
}

MenuListboxEmployeePrioritySelectorEntry::~MenuListboxEmployeePrioritySelectorEntry() = default;

std::vector<const sf::Text*> MenuListboxEmployeePrioritySelectorEntry::getWrittenTexts() const {
    std::vector<const sf::Text*> written{&getTextShape()};
    for (const sf::Text& caption : captionTexts)
        written.push_back(&caption);
    return written;
}

std::vector<MenuElement*> MenuListboxEmployeePrioritySelectorEntry::getElements() const {
    std::vector<MenuElement*> list;
    for (const auto& button : swapButtons)
        list.push_back(button.get());
    for (const auto& area : iconAreas)
        list.push_back(area.get());
    return list;
}

std::string MenuListboxEmployeePrioritySelectorEntry::getCaption(std::size_t index) const {
    return index < captions.size() ? captions[index] : std::string();
}

std::string MenuListboxEmployeePrioritySelectorEntry::getIconTooltip(std::size_t index) const {
    if (index >= priorities.size())
        return "";
    std::string text = std::to_string(index + 1) + ". Priorität: " + workOf(priorities[index]);
    for (const SkillOfTask& link : SkillsOfTasks) {
        if (link.task == priorities[index])
            text += "\nFähigkeit " + GameParams::Texts::GetSkillTypeName(link.skill) + ": " +
                    getCaption(index);
    }
    return text + "\nWeiter links wird zuerst getan; die Pfeile tauschen.";
}

bool MenuListboxEmployeePrioritySelectorEntry::swapPriorities(std::size_t index) {
    Employee* employee = Employee::GetById(employeeId);
    if (employee == nullptr || index + 1 >= priorities.size())
        return false;
    std::swap(priorities[index], priorities[index + 1]);
    employee->setTaskPriorities(priorities);
    rebuild();
    return true;
}

void MenuListboxEmployeePrioritySelectorEntry::onElementEvent(MenuEventType type,
                                                              MenuElement* child) {
    if (type != MenuEventType::MousePressed)
        return;
    for (std::size_t i = 0; i < swapButtons.size(); ++i) {
        if (swapButtons[i].get() == child) {
            // Button i sits between priorities i and i + 1. The buttons are
            // kept, only re-laid out, as the walk still holds this one.
            swapPriorities(i);
            return;
        }
    }
}

void MenuListboxEmployeePrioritySelectorEntry::rebuild() {
    const Employee* employee = Employee::GetById(employeeId);
    if (employee != nullptr)
        priorities = employee->getTaskPriorities();
    captions.clear();
    for (TaskType task : priorities) {
        std::string caption = "nv";
        for (const SkillOfTask& link : SkillsOfTasks) {
            if (link.task != task || employee == nullptr)
                continue;
            const auto skill = employee->getSkills().find(link.skill);
            if (skill != employee->getSkills().end())
                caption = std::to_string(static_cast<long long>(std::floor(skill->second)));
        }
        captions.push_back(caption);
    }
    const std::size_t wanted = priorities.empty() ? 0 : priorities.size() - 1;
    while (swapButtons.size() < wanted) {
        auto button = std::make_unique<MenuSymbolButton>(this, getFont());
        button->setSymbol(MenuSymbolButton::SymbolSpread);
        button->setDirection(MenuSymbolButton::DirectionRight);
        button->setTooltipText("Reihenfolge der beiden tauschen");
        swapButtons.push_back(std::move(button));
    }
    // Only ever shrinks when the employee's list did, outside any walk.
    swapButtons.resize(wanted);
    while (iconAreas.size() < priorities.size())
        iconAreas.push_back(std::make_unique<MenuTooltipArea>(this));
    iconAreas.resize(priorities.size());
    for (std::size_t i = 0; i < priorities.size(); ++i)
        iconAreas[i]->setTooltipText(getIconTooltip(i));
    captionTexts.assign(captions.size(), sf::Text());
    for (std::size_t i = 0; i < captions.size(); ++i) {
        captionTexts[i].setFont(getFont());
        captionTexts[i].setCharacterSize(CaptionSize);
        captionTexts[i].setFillColor(sf::Color::Black);
        captionTexts[i].setString(captions[i]);
    }
    const sf::Vector2f size = getBoxSize();
    layoutRow(size.x, size.y);
}

void MenuListboxEmployeePrioritySelectorEntry::update() {
    const sf::Vector2f size = getBoxSize();
    layoutRow(size.x, size.y);
    layoutValid = true;
}

void MenuListboxEmployeePrioritySelectorEntry::setSize(float newWidth, float newHeight) {
    MenuListboxEntry::setSize(newWidth, newHeight);
    layoutRow(newWidth, newHeight);
    layoutValid = true;
}

void MenuListboxEmployeePrioritySelectorEntry::layoutRow(float w, float h) {
    const float side = std::max(0.f, std::min(w, h) - 2.f * smallSpacing);
    icons.clear();
    // From the right edge leftwards: last icon, button, icon, button, ...
    float right = w - edgeSpacing;
    for (std::size_t n = 0; n < priorities.size(); ++n) {
        const std::size_t i = priorities.size() - 1 - n;
        const float left = right - side;
        const sf::IntRect rect = GameParams::Graphics::GetTaskIconTexture(priorities[i]);
        const float tl = static_cast<float>(rect.left);
        const float tt = static_cast<float>(rect.top);
        const float tr = static_cast<float>(rect.left + rect.width);
        const float tb = static_cast<float>(rect.top + rect.height);
        const float top = smallSpacing;
        icons.append(sf::Vertex(sf::Vector2f(left, top), sf::Vector2f(tl, tt)));
        icons.append(sf::Vertex(sf::Vector2f(right, top), sf::Vector2f(tr, tt)));
        icons.append(sf::Vertex(sf::Vector2f(right, top + side), sf::Vector2f(tr, tb)));
        icons.append(sf::Vertex(sf::Vector2f(left, top + side), sf::Vector2f(tl, tb)));
        // The caption sits on the icon's lower edge, centred, so it stays
        // inside the line whatever its height.
        sf::Text& caption = captionTexts[i];
        const sf::FloatRect bounds = TextMeasure::Bounds(caption);
        caption.setOrigin(bounds.left + bounds.width / 2.f, bounds.top + bounds.height);
        caption.setPosition(left + side / 2.f, top + side - smallSpacing);
        iconAreas[i]->setPosition(left, top);
        iconAreas[i]->setSize(side, side);
        right = left - captionSpacing;
        if (i > 0) {
            MenuSymbolButton& button = *swapButtons[i - 1];
            button.setSize(side, side);
            button.setPosition(right - side, smallSpacing);
            right -= side + captionSpacing;
        }
    }
}

void MenuListboxEmployeePrioritySelectorEntry::draw(sf::RenderTarget& target,
                                                    sf::RenderStates states) const {
    if (!isVisible())
        return;
    states.transform *= getTransform();
    drawEntry(target, states);
    target.draw(icons, states);
    for (const sf::Text& caption : captionTexts)
        target.draw(caption, states);
    for (const auto& button : swapButtons)
        target.draw(*button, states);
}
