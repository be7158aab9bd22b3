#include "ui/MenuEmployeeSelector.hpp"

#include "actors/Employee.hpp"
#include "params/Texts.hpp"
#include "ui/MenuColumnContainer.hpp"
#include "ui/MenuEmployeeSelectorPortrait.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuPropertyBar.hpp"
#include "ui/MenuRowContainer.hpp"
#include "ui/MenuSpacer.hpp"
#include "ui/MenuSymbolButton.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <cmath>
#include <string>

namespace {

constexpr float TitleHeightEmpty = 20.f;
constexpr float TitleHeight = 16.f;
constexpr float ColumnsGap = 5.f;
constexpr int ColumnWeights[] = {30, 270, 270, 30};
constexpr float ArrowWidth = 30.f;
constexpr float ArrowHeight = 366.f;
constexpr float LineWidth = 255.f;
constexpr float BarHeight = 8.f;
constexpr float GroupGap = 30.f;
constexpr float SalaryWidth = 122.5f;
// Caption and amount in one size on one line, whatever their letters.
constexpr float SalaryHeight = 22.f;
constexpr unsigned SalaryCharacterSize = 18;
constexpr const char* NoneText = u8"Keine Angestellten verfügbar.";
const sf::Color Orange(255, 160, 0);

// Letters that reach below the line get a taller box, so every line's
// glyphs come out the same size.
bool hasDescender(const std::string& text) {
    return text.find_first_of("gjpqy") != std::string::npos;
}

float lineHeight(const std::string& text) {
    return hasDescender(text) ? 20.f : 16.f;
}

std::string wholeNumber(float value) {
    return std::to_string(static_cast<int>(std::floor(value)));
}

std::string skillTooltip(SkillType skill, float value) {
    std::string text = GameParams::Texts::GetSkillTypeName(skill) + ": " + wholeNumber(value) +
                       " von 100, höher ist besser";
    switch (skill) {
    case SkillWalkingSpeed:
        return text + "\nläuft und trägt schneller";
    case SkillWorkingSpeed:
        return text + "\narbeitet schneller an Werkbank und Schreibtisch";
    default:
        return text;
    }
}

// The bar shows the need's scale, not its value: the tooltip says how to
// read it and where this person stands.
std::string needTooltip(const Need& need) {
    return GameParams::Texts::GetNeedTypeName(need.getType()) + ": " +
           wholeNumber(need.getValue()) + " (0 = versorgt, 100 = dringend)\nab " +
           wholeNumber(need.getTriggerLow()) + " wird es gesucht, ab " +
           wholeNumber(need.getTriggerHigh()) + " ist es dringend";
}

} // namespace

// The columns tell the selector directly which of its arrows was clicked.
class MenuEmployeeSelector::Columns : public MenuColumnContainer {
public:
    explicit Columns(MenuEmployeeSelector& owner) : MenuColumnContainer(&owner), owner(owner) {}
    void onElementEvent(MenuEventType type, MenuElement* child) override {
        owner.onElementEvent(type, child);
    }

private:
    MenuEmployeeSelector& owner;
};

MenuEmployeeSelector::MenuEmployeeSelector(const sf::Font& sourceFont) : font(sourceFont) {
    buildChildren();
}

MenuEmployeeSelector::MenuEmployeeSelector(const Applicants* applicantList, const sf::Font& font)
    : MenuEmployeeSelector(font) {
    applicants = applicantList;
    update();
}

MenuEmployeeSelector::MenuEmployeeSelector(const Employees* employeeList, const sf::Font& font)
    : MenuEmployeeSelector(font) {
    employees = employeeList;
    update();
}

MenuEmployeeSelector::~MenuEmployeeSelector() = default;

void MenuEmployeeSelector::buildChildren() {
    title = std::make_unique<MenuLabel>(this, font);
    columns = std::make_unique<Columns>(*this);
    columns->setColumnCount(4);
    for (int column = 0; column < 4; ++column)
        columns->setColumnWeight(column, ColumnWeights[column]);

    const auto addLabel = [this](int column, int alignment) {
        auto label = std::make_unique<MenuLabel>(nullptr, font);
        label->setAlignment(alignment);
        MenuLabel* added = label.get();
        columns->addElement(column, std::move(label));
        return added;
    };
    const auto addArrow = [this](int column, int direction) {
        auto arrow = std::make_unique<MenuSymbolButton>(nullptr, font);
        arrow->setSymbol(MenuSymbolButton::SymbolArrow);
        arrow->setDirection(direction);
        arrow->setSize(ArrowWidth, ArrowHeight);
        MenuSymbolButton* added = arrow.get();
        columns->addElement(column, std::move(arrow));
        return added;
    };
    const auto addLine = [&](Line& line) {
        line.label = addLabel(2, MenuLabel::AlignLeft);
        auto bar = std::make_unique<MenuPropertyBar>();
        line.bar = bar.get();
        columns->addElement(2, std::move(bar));
    };

    previousButton = addArrow(0, MenuSymbolButton::DirectionLeft);
    previousButton->setTooltipText("Vorherige Person");
    nameLabel = addLabel(1, MenuLabel::AlignCentre);
    auto spacer = std::make_unique<MenuSpacer>(nullptr, 100.f, 10.f);
    nameSpacer = spacer.get();
    columns->addElement(1, std::move(spacer));
    // The room beside the person's data shows the person.
    auto portraitBox = std::make_unique<MenuEmployeeSelectorPortrait>(256.f, 340.f);
    portrait = portraitBox.get();
    columns->addElement(1, std::move(portraitBox));

    skillsLabel = addLabel(2, MenuLabel::AlignCentre);
    for (Line& line : skillLines)
        addLine(line);
    columns->addElement(2, std::make_unique<MenuSpacer>(nullptr, 100.f, GroupGap));
    needsLabel = addLabel(2, MenuLabel::AlignCentre);
    for (Line& line : needLines)
        addLine(line);
    columns->addElement(2, std::make_unique<MenuSpacer>(nullptr, 100.f, GroupGap));
    auto row = std::make_unique<MenuRowContainer>();
    salaryRow = row.get();
    salaryCaption = row->add(std::make_unique<MenuLabel>(salaryRow, font));
    salaryValue = row->add(std::make_unique<MenuLabel>(salaryRow, font));
    columns->addElement(2, std::move(row));
    nextButton = addArrow(3, MenuSymbolButton::DirectionRight);
    nextButton->setTooltipText("Nächste Person");
}

void MenuEmployeeSelector::setApplicants(const Applicants* applicantList) {
    applicants = applicantList;
    employees = nullptr;
    layoutValid = false;
}

void MenuEmployeeSelector::setEmployees(const Employees* employeeList) {
    employees = employeeList;
    applicants = nullptr;
    layoutValid = false;
}

std::size_t MenuEmployeeSelector::getListSize() const {
    if (applicants != nullptr)
        return applicants->size();
    return employees != nullptr ? employees->size() : 0;
}

const Employee* MenuEmployeeSelector::shown() const {
    if (index >= getListSize())
        return nullptr;
    if (applicants != nullptr)
        return (*applicants)[index].employee.get();
    return (*employees)[index].get();
}

void MenuEmployeeSelector::showPrevious() {
    const std::size_t count = getListSize();
    if (count == 0)
        return;
    index = index == 0 || index >= count ? count - 1 : index - 1;
    update();
}

void MenuEmployeeSelector::showNext() {
    const std::size_t count = getListSize();
    if (count == 0)
        return;
    index = index + 1 >= count ? 0 : index + 1;
    update();
}

std::string MenuEmployeeSelector::getTitleText() const {
    return title->getText();
}

std::string MenuEmployeeSelector::getNameText() const {
    return nameLabel->getText();
}

std::string MenuEmployeeSelector::getSalaryText() const {
    return salaryValue->getText();
}

int MenuEmployeeSelector::getElementCount() const {
    return static_cast<int>(getElements().size());
}

std::vector<MenuElement*> MenuEmployeeSelector::getElements() const {
    // With nobody to show the columns are not there to be clicked either.
    if (getListSize() == 0 || !columns->isVisible())
        return {title.get()};
    return {columns.get(), title.get()};
}

void MenuEmployeeSelector::onElementEvent(MenuEventType type, MenuElement* child) {
    if (type != MenuEventType::MouseReleased)
        return;
    if (child == previousButton)
        showPrevious();
    else if (child == nextButton)
        showNext();
}

void MenuEmployeeSelector::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    layoutValid = false;
}

void MenuEmployeeSelector::update() {
    title->setText(NoneText);
    title->setSize(width, TitleHeightEmpty);
    title->setPosition(0.f, 0.f);
    columns->setVisible(false);
    portrait->clearLooks();
    const Employee* person = shown();
    if (person == nullptr && getListSize() > 0) {
        index = 0;
        person = shown();
    }
    if (person != nullptr) {
        title->setText(std::to_string(index + 1) + " / " + std::to_string(getListSize()));
        title->setSize(width, TitleHeight);
        columns->setVisible(true);
        columns->setPosition(0.f, TitleHeight + ColumnsGap);
        showPerson(*person);
        columns->setSize(width, columns->getSize().y);
    }
    layoutValid = true;
}

void MenuEmployeeSelector::showPerson(const Employee& person) {
    const std::string name = person.getFullName();
    nameLabel->setText(name);
    nameLabel->setSize(LineWidth, lineHeight(name));
    nameSpacer->setSize(100.f, hasDescender(name) ? 6.f : 10.f);
    portrait->setLooks(person.getColours());

    const auto fillLabel = [](MenuLabel& label, const std::string& text) {
        label.setText(text);
        label.setSize(LineWidth, lineHeight(text));
    };
    fillLabel(*skillsLabel, u8"Fähigkeiten");
    std::size_t line = 0;
    for (const auto& [skill, value] : person.getSkills()) {
        if (line == skillLines.size())
            break;
        Line& shownLine = skillLines[line++];
        fillLabel(*shownLine.label, GameParams::Texts::GetSkillTypeName(skill));
        shownLine.bar->setColorStops({});
        shownLine.bar->setValue(value >= 0.f && value <= 100.f ? value : MenuPropertyBar::NoValue);
        shownLine.bar->setSize(LineWidth, BarHeight);
        shownLine.bar->setTooltipText(skillTooltip(skill, value));
    }
    for (; line < skillLines.size(); ++line) {
        skillLines[line].label->setText("");
        skillLines[line].bar->setValue(MenuPropertyBar::NoValue);
        skillLines[line].bar->setTooltipText("");
    }

    fillLabel(*needsLabel, u8"Bedürfnisse");
    line = 0;
    for (const auto& [type, need] : person.getNeeds()) {
        if (type == NeedWork)
            continue;
        if (line == needLines.size())
            break;
        Line& shownLine = needLines[line++];
        fillLabel(*shownLine.label, GameParams::Texts::GetNeedTypeName(type));
        // The need's scale, with markers at its three thresholds.
        shownLine.bar->setColorStops(
            {{0, sf::Color::Green},
             {static_cast<int>(need.getTriggerLow()), sf::Color::Green},
             {static_cast<int>(need.getTriggerMedium()), sf::Color::Yellow},
             {static_cast<int>(need.getTriggerHigh()), Orange},
             {100, sf::Color::Red}});
        shownLine.bar->setValue(MenuPropertyBar::NoValue);
        shownLine.bar->setSize(LineWidth, BarHeight);
        shownLine.bar->setTooltipText(needTooltip(need));
    }
    for (; line < needLines.size(); ++line) {
        needLines[line].label->setText("");
        needLines[line].bar->setColorStops({});
        needLines[line].bar->setValue(MenuPropertyBar::NoValue);
        needLines[line].bar->setTooltipText("");
    }

    salaryCaption->setAlignment(MenuLabel::AlignLeft);
    salaryCaption->setText("Gehalt:");
    salaryValue->setText(person.getSalaryText() + " pro Tag");
    for (MenuLabel* label : {salaryCaption, salaryValue}) {
        label->setSize(SalaryWidth, SalaryHeight);
        label->setLargestCharacterSize(SalaryCharacterSize);
    }
    salaryRow->update();
}

void MenuEmployeeSelector::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    target.draw(*title, states);
    target.draw(*columns, states);
}
