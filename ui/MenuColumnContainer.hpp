#pragma once

#include "ui/MenuBoxContainer.hpp"

#include <memory>
#include <vector>

// Splits its width into weighted columns and stacks elements in each,
// stretched to the column's width.
class MenuColumnContainer : public MenuBoxContainer {
public:
    explicit MenuColumnContainer(MenuElement* parent = nullptr);

    // New columns get weight 1; removed columns free their elements.
    void setColumnCount(int count);
    int getColumnCount() const { return static_cast<int>(columns.size()); }
    // False for a column that does not exist; the element is then dropped.
    bool addElement(int column, std::unique_ptr<MenuElement> element);
    // Out-of-range columns and non-positive weights are ignored.
    void setColumnWeight(int column, int weight);
    const std::vector<int>& getColumnWeights() const { return columnWeights; }
    const std::vector<float>& getColumnWidths() const { return columnWidths; }

    int getElementCount() const override;
    // Column by column.
    std::vector<MenuElement*> getElements() const override;
    // Runs on every call.
    void update() override;

    void setColumnPadding(float padding);

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    float columnPadding = 5.f;
    std::vector<std::vector<std::unique_ptr<MenuElement>>> columns;
    std::vector<int> columnWeights;
    // Derived by update().
    std::vector<float> columnWidths;
};
