// The shapes of MenuStockChart: frame, axes with their labels, the price
// lines, the legend and the two buttons, and how they are drawn.
#include "ui/MenuStockChart.hpp"

#include "economy/GameTime.hpp"
#include "params/Shaders.hpp"
#include "params/Texts.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuImageButton.hpp"
#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

namespace {

constexpr float TickSpacing = 100.f;
constexpr float GridSpacing = 50.f;
constexpr float OddTickDrop = 12.f;
constexpr float LabelGap = 5.f;
constexpr unsigned XLabelSize = 10;
constexpr unsigned YLabelSize = 12;
constexpr float LineThickness = 2.f;
constexpr float SwatchOutline = 2.f;
constexpr float ButtonGap = 5.f;
constexpr float Pi = 3.14159265f;

sf::VertexArray line(sf::Vector2f from, sf::Vector2f to, sf::Color colour) {
    sf::VertexArray shape(sf::Lines, 2);
    shape[0] = sf::Vertex(from, colour);
    shape[1] = sf::Vertex(to, colour);
    return shape;
}

std::string twoDecimals(float value) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << value;
    return text.str();
}

} // namespace

void MenuStockChart::buildFrame() {
    background.setPosition(border, border);
    background.setSize(frameSize);
    background.setFillColor(backgroundColor);
    background.setOutlineThickness(0.f);
    plotBackground.setPosition(getPlotCorner());
    plotBackground.setSize(plotSize);
    plotBackground.setFillColor(plotColor);
    frame.setPosition(border, border);
    frame.setSize(frameSize);
    frame.setFillColor(sf::Color::Transparent);
    frame.setOutlineColor(frameColor);
    frame.setOutlineThickness(border);
}

void MenuStockChart::buildAxes() {
    const sf::Vector2f corner = getPlotCorner();
    const float w = plotSize.x;
    const float h = plotSize.y;
    xTickLines.clear();
    xLabels.clear();
    const int ticks = std::max(2, static_cast<int>(std::floor(w / TickSpacing)));
    for (int i = 0; i < ticks; ++i) {
        const float share = static_cast<float>(i) / static_cast<float>(ticks - 1);
        const float x = corner.x + share * w;
        // Every other tick reaches lower, so neighbouring dates never overlap.
        const float bottom = corner.y + h + (i % 2 == 1 ? OddTickDrop : 0.f);
        xTickLines.push_back(line({x, corner.y}, {x, bottom}, gridColor));
        if (i == ticks - 1)
            continue;
        const std::string date = GameTime::timeText(timeMax * share);
        sf::Text label(sf::String::fromUtf8(date.begin(), date.end()), font, XLabelSize);
        label.setFillColor(labelColor);
        const sf::FloatRect bounds = TextMeasure::Bounds(label);
        const float left = i == 0 ? corner.x - yLabelWidth : x - bounds.width / 2.f;
        label.setPosition(std::round(left - bounds.left),
                          std::round(bottom + LabelGap - bounds.top));
        xLabels.push_back(label);
    }

    yGridLines.clear();
    yLabels.clear();
    const int lines = std::max(2, static_cast<int>(std::floor(h / GridSpacing)));
    for (int s = 0; s < lines; ++s) {
        const float share = static_cast<float>(s) / static_cast<float>(lines - 1);
        const float y = corner.y + h * share;
        yGridLines.push_back(line({corner.x, y}, {corner.x + w, y}, gridColor));
        const float value =
            valueMax * static_cast<float>(lines - 1 - s) / static_cast<float>(lines - 1);
        sf::Text label(twoDecimals(value), font, YLabelSize);
        label.setFillColor(labelColor);
        const sf::FloatRect bounds = TextMeasure::Bounds(label);
        label.setPosition(std::round(corner.x - LabelGap - bounds.width - bounds.left),
                          std::round(y - bounds.height / 2.f - bounds.top));
        yLabels.push_back(label);
    }
}

void MenuStockChart::buildSegments() {
    segments.clear();
    // A single point or a flat zero scale has no lines to draw.
    if (series.size() < 2 || timeMax <= 0.f || valueMax <= 0.f)
        return;
    const sf::Vector2f corner = getPlotCorner();
    const float sx = plotSize.x / timeMax;
    const float sy = plotSize.y / valueMax;
    auto previous = series.begin();
    for (auto current = std::next(previous); current != series.end(); previous = current++) {
        for (const auto& [item, price] : current->second) {
            const auto before = previous->second.find(item);
            if (before == previous->second.end())
                continue;
            const float x = corner.x + previous->first * sx;
            const float y = corner.y + plotSize.y - std::max(before->second * sy, 1.f);
            const float dx = (current->first - previous->first) * sx;
            const float dy = (before->second - price) * sy;
            sf::RectangleShape piece(
                sf::Vector2f(std::sqrt(dx * dx + dy * dy) + LineThickness, LineThickness));
            piece.setOrigin(LineThickness / 2.f, LineThickness / 2.f);
            piece.setPosition(x, y);
            piece.setRotation(std::atan2(dy, dx) * 180.f / Pi);
            piece.setFillColor(colourOf(item));
            piece.setOutlineThickness(0.f);
            segments[item].push_back(piece);
        }
    }
}

void MenuStockChart::buildLegend() {
    legendOrder = legendItems();
    legendSwatches.clear();
    const float stride = legendIconSize.x + legendGap;
    for (std::size_t k = 0; k < legendOrder.size(); ++k) {
        const ItemType item = legendOrder[k];
        const std::size_t perRow = static_cast<std::size_t>(legendIconsPerRow);
        const float column = static_cast<float>(k % perRow);
        const float row = static_cast<float>(k / perRow);
        const sf::Vector2f place(column * stride,
                                 row * (legendGap + legendIconSize.y) + areaSize.y + legendGap);
        auto& button = legendButtons[item];
        if (!button) {
            button = std::make_unique<MenuImageButton>(this, nullptr, CategoryItem, item);
            button->setSize(legendIconSize.x, legendIconSize.y);
            button->setTooltipText(GameParams::Texts::GetItemTypeName(item) +
                                   "\nKlick: Linie ein- oder ausblenden");
        }
        button->setPosition(place);
        sf::RectangleShape swatch(legendIconSize);
        swatch.setPosition(place);
        swatch.setFillColor(sf::Color::Transparent);
        swatch.setOutlineColor(Palette[k % PaletteSize]);
        swatch.setOutlineThickness(SwatchOutline);
        legendSwatches.push_back(swatch);
    }
}

void MenuStockChart::buildButtons() {
    if (children.empty()) {
        for (int kind : {ButtonShowAll, ButtonHideAll}) {
            children.push_back(std::make_unique<MenuButton>(this, nullptr, font, kind));
            children.back()->setSize(buttonSize.x, buttonSize.y);
        }
    }
    float y = areaSize.y + legendGap;
    for (const auto& button : children) {
        button->setPosition(width - buttonSize.x, y);
        y += buttonSize.y + ButtonGap;
    }
}

const sf::Shader* MenuStockChart::legendShader() const {
    if (!shaderTried) {
        shaderTried = true;
        if (sf::Shader::isAvailable())
            redScaleShader.reset(GameParams::Graphics::Shaders::GetRedScaleShader());
        if (redScaleShader)
            redScaleShader->setUniform("texture", sf::Shader::CurrentTexture);
    }
    return redScaleShader.get();
}

const std::vector<sf::RectangleShape>& MenuStockChart::getSegments(ItemType item) const {
    static const std::vector<sf::RectangleShape> none;
    const auto found = segments.find(item);
    return found != segments.end() ? found->second : none;
}

MenuImageButton* MenuStockChart::getLegendButton(ItemType item) const {
    const auto found = legendButtons.find(item);
    return found != legendButtons.end() ? found->second.get() : nullptr;
}

void MenuStockChart::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible || !layoutValid)
        return;
    states.transform *= getTransform();
    // Lines take no texture; the menu's atlas is only for the legend icons.
    sf::RenderStates plain = states;
    plain.texture = nullptr;
    target.draw(background, plain);
    target.draw(plotBackground, plain);
    for (const sf::VertexArray& tick : xTickLines)
        target.draw(tick, plain);
    for (const sf::Text& label : xLabels)
        target.draw(label, plain);
    for (const sf::VertexArray& gridLine : yGridLines)
        target.draw(gridLine, plain);
    for (const sf::Text& label : yLabels)
        target.draw(label, plain);
    for (const auto& [item, pieces] : segments) {
        if (isHidden(item))
            continue;
        for (const sf::RectangleShape& piece : pieces)
            target.draw(piece, plain);
    }
    target.draw(frame, plain);
    for (std::size_t k = 0; k < legendOrder.size() && k < legendSwatches.size(); ++k) {
        const MenuImageButton* icon = getLegendButton(legendOrder[k]);
        if (icon != nullptr) {
            sf::RenderStates iconStates = states;
            if (isHidden(legendOrder[k]))
                iconStates.shader = legendShader();
            target.draw(*icon, iconStates);
        }
        target.draw(legendSwatches[k], plain);
    }
    for (const auto& button : children)
        target.draw(*button, states);
}
