#include "ui/MenuColumnContainer.hpp"

#include "ui/MenuSpacer.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

MenuColumnContainer::MenuColumnContainer(MenuElement* parent) {
    setParent(parent);
}

void MenuColumnContainer::setColumnCount(int count) {
    layoutValid = false;
    const std::size_t wanted = static_cast<std::size_t>(std::max(count, 0));
    columns.resize(wanted);
    columnWeights.resize(wanted, 1);
}

bool MenuColumnContainer::addElement(int column, std::unique_ptr<MenuElement> element) {
    if (column < 0 || column >= getColumnCount() || !element)
        return false;
    layoutValid = false;
    element->setParent(this);
    columns[static_cast<std::size_t>(column)].push_back(std::move(element));
    return true;
}

void MenuColumnContainer::setColumnWeight(int column, int weight) {
    if (column < 0 || column >= getColumnCount() || weight <= 0)
        return;
    columnWeights[static_cast<std::size_t>(column)] = weight;
    layoutValid = false;
}

int MenuColumnContainer::getElementCount() const {
    std::size_t count = 0;
    for (const auto& column : columns)
        count += column.size();
    return static_cast<int>(count);
}

std::vector<MenuElement*> MenuColumnContainer::getElements() const {
    std::vector<MenuElement*> list;
    for (const auto& column : columns)
        for (const std::unique_ptr<MenuElement>& element : column)
            list.push_back(element.get());
    return list;
}

void MenuColumnContainer::update() {
    if (columns.empty())
        return;
    int sumWeights = 0;
    for (int weight : columnWeights)
        sumWeights += weight;
    const float columnCount = static_cast<float>(columns.size());
    const float available = width - (columnCount - 1.f) * 2.f * columnPadding;
    columnWidths.assign(columns.size(), 0.f);
    for (std::size_t i = 0; i < columns.size(); ++i)
        columnWidths[i] =
            static_cast<float>(columnWeights[i]) / static_cast<float>(sumWeights) * available;

    float x = 0.f;
    float maxColumnHeight = 0.f;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const auto& column = columns[i];
        float y = 0.f;
        bool previousWasSpacer = false;
        for (std::size_t j = 0; j < column.size(); ++j) {
            MenuElement* element = column[j].get();
            const float ownHeight = element->getSize().y;
            element->setSize(columnWidths[i], ownHeight);
            const bool isSpacer = dynamic_cast<MenuSpacer*>(element) != nullptr;
            if (isSpacer && j > 0 && !previousWasSpacer)
                y -= spacing;
            element->setPosition(x, y);
            y += spacing + ownHeight;
            if (isSpacer && j + 1 < column.size())
                y -= spacing;
            previousWasSpacer = isSpacer;
        }
        maxColumnHeight = std::max(maxColumnHeight, y - spacing);
        x += columnWidths[i] + 2.f * columnPadding;
    }
    height = maxColumnHeight;
    layoutValid = true;
}

void MenuColumnContainer::setColumnPadding(float padding) {
    columnPadding = padding;
    layoutValid = false;
}

void MenuColumnContainer::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible || !layoutValid)
        return;
    states.transform *= getTransform();
    for (const auto& column : columns)
        for (const std::unique_ptr<MenuElement>& element : column)
            target.draw(*element, states);
}
