#pragma once

#include "actors/ApplicantPool.hpp"
#include "ui/MenuElementContainer.hpp"

#include <SFML/Graphics/Font.hpp>

#include <array>
#include <memory>
#include <vector>

class Employee;
class MenuColumnContainer;
class MenuEmployeeSelectorPortrait;
class MenuLabel;
class MenuPropertyBar;
class MenuRowContainer;
class MenuSpacer;
class MenuSymbolButton;

// Pages through the job applicants or the employees one at a time: name,
// skills, needs with their thresholds, and salary. The arrows at both sides
// wrap around. The list belongs to the level; the selector only reads it
// when it updates and keeps no pointer to any person.
class MenuEmployeeSelector : public virtual MenuElementContainer {
public:
    using Applicants = std::vector<ApplicantPool::Applicant>;
    using Employees = std::vector<std::unique_ptr<Employee>>;

    MenuEmployeeSelector(const Applicants* applicants, const sf::Font& font);
    MenuEmployeeSelector(const Employees* employees, const sf::Font& font);
    ~MenuEmployeeSelector() override;

    // A new list (the level's after a load); shown at the next update.
    void setApplicants(const Applicants* applicants);
    void setEmployees(const Employees* employees);
    // The person shown; the hire and dismiss actions act on it.
    std::size_t getIndex() const { return index; }
    void setIndex(std::size_t newIndex) { index = newIndex; }
    std::size_t getListSize() const;
    void showPrevious();
    void showNext();

    std::string getTitleText() const;
    std::string getNameText() const;
    std::string getSalaryText() const;
    const MenuEmployeeSelectorPortrait& getPortrait() const { return *portrait; }

    // The column container (so the walks test its children where they are
    // drawn, and it passes their events on to the selector), then the title.
    int getElementCount() const override;
    std::vector<MenuElement*> getElements() const override;
    void onElementEvent(MenuEventType type, MenuElement* child) override;
    // Shows the person at the index (back to the first past the end).
    void update() override;

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

    static constexpr std::size_t ShownSkills = 3;
    static constexpr std::size_t ShownNeeds = 3;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    class Columns;
    struct Line {
        MenuLabel* label = nullptr;
        MenuPropertyBar* bar = nullptr;
    };

    explicit MenuEmployeeSelector(const sf::Font& font);
    void buildChildren();
    const Employee* shown() const;
    void showPerson(const Employee& person);

    bool visible = true;
    float width = 0.f;
    float height = 0.f;
    sf::Font font;
    const Applicants* applicants = nullptr;
    const Employees* employees = nullptr;
    std::size_t index = 0;

    // Made once and reused: the walks may hold any of them while they tell
    // the selector of a click.
    std::unique_ptr<MenuLabel> title;
    std::unique_ptr<Columns> columns;
    MenuSymbolButton* previousButton = nullptr;
    MenuSymbolButton* nextButton = nullptr;
    MenuLabel* nameLabel = nullptr;
    MenuSpacer* nameSpacer = nullptr;
    MenuEmployeeSelectorPortrait* portrait = nullptr;
    MenuLabel* skillsLabel = nullptr;
    std::array<Line, ShownSkills> skillLines;
    MenuLabel* needsLabel = nullptr;
    std::array<Line, ShownNeeds> needLines;
    MenuRowContainer* salaryRow = nullptr;
    MenuLabel* salaryCaption = nullptr;
    MenuLabel* salaryValue = nullptr;
};
