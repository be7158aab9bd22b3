#include "ui/MenuMoneyChart.hpp"

#include "ui/MenuStockChart.hpp"
#include "ui/FilledBox.hpp"
#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

namespace {

constexpr float Border = 5.f;
constexpr float Margin = 10.f;
constexpr float LegendHeight = 22.f;
constexpr float ValueLabelWidth = 70.f;
constexpr float DayLabelHeight = 20.f;
constexpr float LabelGap = 5.f;
constexpr unsigned LabelSize = 12;
constexpr unsigned LegendSize = 14;
constexpr int GridSteps = 4;
// Each day's slot: the two bars take this much of it, side by side.
constexpr float BarsShare = 0.7f;
constexpr float MaxBarWidth = 28.f;
constexpr float DotSize = 5.f;
const sf::Color FrameColour(232, 180, 0);
const sf::Color GridColour(210, 212, 220);
const sf::Color ZeroColour(60, 60, 70);

// Whole amounts in the player's own locale, as the balance is shown.
std::string Amount(float value) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(0) << value;
    return text.str();
}

} // namespace

const sf::Color MenuMoneyChart::IncomeColour(64, 168, 80);
const sf::Color MenuMoneyChart::ExpensesColour(214, 72, 60);
const sf::Color MenuMoneyChart::ProfitColour(40, 90, 200);

MenuMoneyChart::MenuMoneyChart(const sf::Font& sourceFont, MenuElement* parent) : font(sourceFont) {
    setParent(parent);
}

void MenuMoneyChart::setDays(std::vector<Day> newDays) {
    days = std::move(newDays);
    rebuild();
}

void MenuMoneyChart::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    rebuild();
}

sf::Text MenuMoneyChart::makeText(const std::string& content, unsigned size) const {
    sf::Text text(sf::String::fromUtf8(content.begin(), content.end()), font, size);
    text.setFillColor(sf::Color::Black);
    return text;
}

float MenuMoneyChart::yOf(double amount, const sf::FloatRect& plot) const {
    const double span = static_cast<double>(axisTop) - axisBottom;
    const double share = span > 0.0 ? (amount - axisBottom) / span : 0.0;
    return plot.top + plot.height - static_cast<float>(share) * plot.height;
}

void MenuMoneyChart::buildScale() {
    double highest = 0.0;
    double lowest = 0.0;
    for (const Day& day : days) {
        highest = std::max({highest, day.income, day.expenses, day.profit});
        lowest = std::min(lowest, day.profit);
    }
    axisTop = highest > 0.0 ? MenuStockChart::RoundUpAxisTop(static_cast<float>(highest)) : 0.f;
    axisBottom = lowest < 0.0 ? -MenuStockChart::RoundUpAxisTop(static_cast<float>(-lowest)) : 0.f;
    // With nothing booked yet the axis still needs a span to draw.
    if (axisTop <= axisBottom)
        axisTop = axisBottom + 100.f;
}

void MenuMoneyChart::buildLegend(float top) {
    const std::pair<const char*, sf::Color> entries[] = {
        {"Einnahmen", IncomeColour}, {"Ausgaben", ExpensesColour}, {"Gewinn", ProfitColour}};
    float x = Border + Margin + ValueLabelWidth;
    for (const auto& [title, colour] : entries) {
        const float swatch = 12.f;
        sf::RectangleShape box =
            FilledBox(x, top + (LegendHeight - swatch) / 2.f, swatch, swatch, colour);
        shapes.push_back(box);
        sf::Text text = makeText(title, LegendSize);
        const sf::FloatRect bounds = TextMeasure::Bounds(text);
        sf::Text capital = makeText("H", LegendSize);
        const sf::FloatRect capitalBounds = TextMeasure::Bounds(capital);
        text.setPosition(
            std::round(x + swatch + LabelGap - bounds.left),
            std::round(top + (LegendHeight - capitalBounds.height) / 2.f - capitalBounds.top));
        texts.push_back(text);
        x += swatch + LabelGap + bounds.width + 3.f * Margin;
    }
}

void MenuMoneyChart::buildValueAxis(sf::FloatRect plot) {
    for (int step = 0; step <= GridSteps; ++step) {
        const float value =
            axisBottom + (axisTop - axisBottom) * static_cast<float>(step) / GridSteps;
        const float y = std::round(yOf(value, plot));
        shapes.push_back(FilledBox(plot.left, y, plot.width, 1.f, GridColour));
        sf::Text label = makeText(Amount(value), LabelSize);
        const sf::FloatRect bounds = TextMeasure::Bounds(label);
        label.setPosition(std::round(plot.left - LabelGap - bounds.width - bounds.left),
                          std::round(y - bounds.height / 2.f - bounds.top));
        texts.push_back(label);
    }
}

void MenuMoneyChart::buildDays(sf::FloatRect plot) {
    profitLine.clear();
    if (days.empty())
        return;
    const float slot = plot.width / static_cast<float>(days.size());
    // A few days in a wide chart would make slabs of the bars.
    const float bar = std::clamp(std::floor(slot * BarsShare / 2.f), 1.f, MaxBarWidth);
    const float zero = yOf(0.0, plot);
    // Labels only as often as they fit beside each other.
    float widest = 0.f;
    for (const Day& day : days)
        widest = std::max(widest, TextMeasure::Bounds(makeText(day.label, LabelSize)).width);
    const std::size_t every = std::max<std::size_t>(
        1, static_cast<std::size_t>(std::ceil((widest + 2 * LabelGap) / std::max(slot, 1.f))));
    sf::Vector2f previous;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const Day& day = days[i];
        const float centre = plot.left + slot * (static_cast<float>(i) + 0.5f);
        const float incomeTop = yOf(std::max(0.0, day.income), plot);
        const float expensesTop = yOf(std::max(0.0, day.expenses), plot);
        shapes.push_back(FilledBox(centre - bar, incomeTop, bar, zero - incomeTop, IncomeColour));
        shapes.push_back(FilledBox(centre, expensesTop, bar, zero - expensesTop, ExpensesColour));
        const sf::Vector2f point(centre, yOf(day.profit, plot));
        shapes.push_back(FilledBox(point.x - DotSize / 2.f, point.y - DotSize / 2.f, DotSize,
                                   DotSize, ProfitColour));
        if (i > 0) {
            // Two pixels thick, so the line holds its own over the bars.
            for (float dy : {-0.5f, 0.5f}) {
                profitLine.append(sf::Vertex(previous + sf::Vector2f(0.f, dy), ProfitColour));
                profitLine.append(sf::Vertex(point + sf::Vector2f(0.f, dy), ProfitColour));
            }
        }
        previous = point;
        // The newest day is always labelled; the others as room allows.
        if ((days.size() - 1 - i) % every != 0)
            continue;
        sf::Text label = makeText(day.label, LabelSize);
        const sf::FloatRect bounds = TextMeasure::Bounds(label);
        const float left = std::clamp(centre - bounds.width / 2.f, plot.left - ValueLabelWidth,
                                      plot.left + plot.width - bounds.width);
        label.setPosition(std::round(left - bounds.left),
                          std::round(plot.top + plot.height + LabelGap - bounds.top));
        texts.push_back(label);
    }
    shapes.push_back(FilledBox(plot.left, std::round(zero), plot.width, 1.f, ZeroColour));
}

void MenuMoneyChart::rebuild() {
    shapes.clear();
    texts.clear();
    profitLine.clear();
    if (width <= 0.f || height <= 0.f)
        return;
    buildScale();
    sf::RectangleShape frame =
        FilledBox(Border, Border, width - 2.f * Border, height - 2.f * Border, sf::Color::White);
    frame.setOutlineColor(FrameColour);
    frame.setOutlineThickness(Border);
    shapes.push_back(frame);
    const float top = Border + Margin;
    buildLegend(top);
    sf::FloatRect plot;
    plot.left = Border + Margin + ValueLabelWidth;
    plot.top = top + LegendHeight + Margin;
    plot.width = std::max(1.f, width - plot.left - Border - Margin);
    plot.height = std::max(1.f, height - plot.top - Border - Margin - DayLabelHeight);
    buildValueAxis(plot);
    buildDays(plot);
}

void MenuMoneyChart::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    for (const sf::RectangleShape& shape : shapes)
        target.draw(shape, states);
    sf::RenderStates lineStates = states;
    lineStates.texture = nullptr;
    target.draw(profitLine, lineStates);
    for (const sf::Text& text : texts)
        target.draw(text, states);
}
