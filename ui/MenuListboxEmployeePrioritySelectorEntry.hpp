#pragma once

#include "params/Enums.hpp"
#include "ui/MenuElementContainer.hpp"
#include "ui/MenuListboxEntry.hpp"

#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <memory>
#include <vector>

class Employee;
class MenuSymbolButton;
class MenuTooltipArea;

// A line of the staff dialog: an employee's name and work priorities, shown
// as icons from the right edge leftwards (the last priority rightmost), with
// a button between neighbours that swaps them.
//
// It keeps the employee's id, not a pointer: an employee dismissed while the
// dialog still holds the line is simply no longer found.
class MenuListboxEmployeePrioritySelectorEntry : public virtual MenuElementContainer,
                                                 public virtual MenuListboxEntry {
public:
    MenuListboxEmployeePrioritySelectorEntry(MenuElement* parent, const sf::Font& font,
                                             const Employee& employee);
    ~MenuListboxEmployeePrioritySelectorEntry() override;

    int getEmployeeId() const { return employeeId; }
    const std::vector<TaskType>& getPriorities() const { return priorities; }
    // Swaps the priorities at index and index + 1 and writes the order to the
    // employee; false when there is no such pair or the employee is gone.
    bool swapPriorities(std::size_t index);
    // The caption under a priority's icon: the matching skill, or "nv".
    std::string getCaption(std::size_t index) const;
    // The priority icons, four corners each, from the last priority leftwards.
    const sf::VertexArray& getIcons() const { return icons; }

    // What the priority's icon means, shown while the pointer is on it.
    std::string getIconTooltip(std::size_t index) const;

    // The swap buttons, from the rightmost pair leftwards, then one tooltip
    // area over each icon in priority order.
    int getElementCount() const override {
        return static_cast<int>(swapButtons.size() + iconAreas.size());
    }
    std::vector<MenuElement*> getElements() const override;
    std::vector<const sf::Text*> getWrittenTexts() const override;
    void onElementEvent(MenuEventType type, MenuElement* child) override;
    void update() override;

    void setSize(float newWidth, float newHeight) override;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    // Reads the employee's priorities and skills and builds the row anew.
    void rebuild();
    void layoutRow(float w, float h);

    int employeeId;
    std::vector<TaskType> priorities;
    std::vector<std::string> captions;
    sf::VertexArray icons;
    std::vector<sf::Text> captionTexts;
    std::vector<std::unique_ptr<MenuSymbolButton>> swapButtons;
    std::vector<std::unique_ptr<MenuTooltipArea>> iconAreas;
    float edgeSpacing = 8.f;
    float captionSpacing = 8.f;
    float smallSpacing = 2.f;
};
