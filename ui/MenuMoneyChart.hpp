#pragma once

#include "ui/MenuElement.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <string>
#include <vector>

// Money by day: income and expenses as a pair of bars per day and the
// day's profit as a line over them, framed as the price chart is, with a
// legend on top, amounts up the left and the days along the bottom.
class MenuMoneyChart : public virtual MenuElement {
public:
    struct Day {
        std::string label; // UTF-8
        double income = 0.0;
        double expenses = 0.0;
        double profit = 0.0;
    };

    explicit MenuMoneyChart(const sf::Font& font, MenuElement* parent = nullptr);

    // Oldest first.
    void setDays(std::vector<Day> newDays);
    const std::vector<Day>& getDays() const { return days; }
    // The value axis: its lowest and highest amount.
    float getAxisBottom() const { return axisBottom; }
    float getAxisTop() const { return axisTop; }
    const std::vector<sf::Text>& getTexts() const { return texts; }

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

    static const sf::Color IncomeColour;
    static const sf::Color ExpensesColour;
    static const sf::Color ProfitColour;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void rebuild();
    void buildScale();
    void buildLegend(float top);
    void buildValueAxis(sf::FloatRect plot);
    void buildDays(sf::FloatRect plot);
    float yOf(double amount, const sf::FloatRect& plot) const;
    sf::Text makeText(const std::string& content, unsigned size) const;

    bool visible = true;
    float width = 0.f;
    float height = 0.f;
    std::vector<Day> days;
    float axisBottom = 0.f;
    float axisTop = 0.f;
    sf::Font font;
    std::vector<sf::RectangleShape> shapes;
    sf::VertexArray profitLine{sf::Lines};
    std::vector<sf::Text> texts;
};
