#include "ui/MenuStockChart.hpp"

#include "economy/GameTime.hpp"
#include "economy/StockMarket.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuImageButton.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

const std::array<sf::Color, MenuStockChart::PaletteSize> MenuStockChart::Palette = {
    sf::Color(255, 0, 0), sf::Color(255, 128, 0), sf::Color(128, 255, 0), sf::Color(255, 128, 0),
    sf::Color(0, 255, 0), sf::Color(0, 255, 128), sf::Color(0, 255, 255), sf::Color(0, 128, 255),
    sf::Color(0, 0, 255), sf::Color(128, 0, 255), sf::Color(255, 0, 255), sf::Color(255, 0, 128),
};

namespace {

constexpr float DefaultWidth = 400.f;
constexpr float DefaultHeight = 300.f;

// The value axis scale: from `from` upwards the top moves in steps of `step`.
struct AxisBand {
    double from;
    double step;
};
constexpr double SmallestAxisTop = 0.1;
constexpr AxisBand AxisBands[] = {
    {10000.0, 1000.0}, {1000.0, 100.0}, {100.0, 10.0}, {10.0, 1.0}, {1.0, 0.1}, {0.1, 0.01},
};

// Walks count points from the oldest and tells for each whether it stays, so
// that about limit of them remain, evenly spread; the oldest and the newest
// always stay.
class Thinning {
public:
    Thinning(std::size_t count, std::size_t limit)
        : count(count),
          step(count > limit ? static_cast<double>(limit) / static_cast<double>(count) : 1.0) {}
    bool keepNext() {
        const std::size_t index = next++;
        carried += step;
        if (index == 0 || index + 1 >= count)
            return true;
        if (carried < 1.0)
            return false;
        carried -= 1.0;
        return true;
    }

private:
    std::size_t count;
    double step;
    std::size_t next = 0;
    double carried = 0.0;
};

} // namespace

MenuStockChart::MenuStockChart(const sf::Font& sourceFont, MenuElement* parent) : font(sourceFont) {
    setParent(parent);
    width = DefaultWidth;
    height = DefaultHeight;
    setSize(DefaultWidth, DefaultHeight);
    update();
}

MenuStockChart::~MenuStockChart() = default;

void MenuStockChart::setMarket(const StockMarket* newMarket, const GameTime* newClock) {
    market = newMarket;
    clock = newClock;
    layoutValid = false;
}

void MenuStockChart::togglePrices() {
    showBuyPrices = !showBuyPrices;
    update();
}

void MenuStockChart::setHidden(ItemType item, bool isHidden) {
    hidden[item] = isHidden;
}

bool MenuStockChart::isHidden(ItemType item) const {
    const auto found = hidden.find(item);
    return found != hidden.end() && found->second;
}

float MenuStockChart::RoundUpAxisTop(float value) {
    const double v = std::isfinite(value) ? static_cast<double>(value) : 0.0;
    for (const AxisBand& band : AxisBands) {
        if (v < band.from)
            continue;
        // Counted in whole steps, so 1.3 does not become 1.4 by rounding.
        const double steps = std::ceil((v - band.from) / band.step - 1e-6);
        return static_cast<float>(band.from + steps * band.step);
    }
    return static_cast<float>(SmallestAxisTop);
}

void MenuStockChart::ThinOut(Series& points, std::size_t limit) {
    Thinning thinning(points.size(), limit);
    for (auto point = points.begin(); point != points.end();)
        point = thinning.keepNext() ? std::next(point) : points.erase(point);
}

float MenuStockChart::newestPointTime(const StockMarket::PriceHistory& history) const {
    // Buy prices are recorded by the game clock, sell prices by the market's
    // own clock; the current prices are dated by the same clock.
    float now = 0.f;
    if (!showBuyPrices)
        now = market->getMarketClock();
    else if (clock != nullptr)
        now = clock->getTotal();
    if (!std::isfinite(now))
        now = 0.f;
    // The current prices are always a point of their own after the last
    // record: a record of this very minute keeps its price, and the line
    // ends in the step the price has taken since.
    if (!history.empty() && !(now > history.rbegin()->first))
        now = std::nextafter(history.rbegin()->first, std::numeric_limits<float>::max());
    return now;
}

void MenuStockChart::refreshData() {
    series.clear();
    timeMax = 0.f;
    if (market != nullptr) {
        const StockMarket::PriceHistory& history =
            showBuyPrices ? market->getItemBuyPriceHistory() : market->getItemSellPriceHistory();
        const StockMarket::PriceTable current =
            showBuyPrices ? market->getItemBuyPrices() : market->getItemSellPrices();
        // Years of history are thinned while they are read, so only the
        // points the chart keeps are ever copied.
        Thinning thinning(history.size() + (current.empty() ? 0 : 1), maxPoints);
        for (const auto& point : history)
            if (thinning.keepNext())
                series.emplace_hint(series.end(), point);
        if (!current.empty())
            series.emplace_hint(series.end(), newestPointTime(history), current);
        if (!series.empty())
            timeMax = series.rbegin()->first;
    }
    pointCount = series.size();
    float largest = 0.f;
    for (const auto& point : series)
        for (const auto& [item, price] : point.second)
            if (!isHidden(item) && std::isfinite(price))
                largest = std::max(largest, price);
    valueMax = RoundUpAxisTop(largest);
}

std::vector<ItemType> MenuStockChart::legendItems() const {
    std::vector<ItemType> items;
    if (!series.empty())
        for (const auto& entry : series.begin()->second)
            items.push_back(entry.first);
    return items;
}

sf::Color MenuStockChart::colourOf(ItemType item) const {
    // The same colour as the item's legend swatch.
    const auto found = std::find(legendOrder.begin(), legendOrder.end(), item);
    std::size_t index = static_cast<std::size_t>(found - legendOrder.begin());
    if (found == legendOrder.end() && !series.empty()) {
        const auto& newest = series.rbegin()->second;
        index = static_cast<std::size_t>(std::distance(newest.begin(), newest.find(item)));
    }
    return Palette[index % PaletteSize];
}

sf::Vector2f MenuStockChart::getPlotCorner() const {
    return sf::Vector2f(border + marginX + yLabelWidth, border + marginY);
}

void MenuStockChart::computeGeometry() {
    const std::size_t entries = legendItems().size();
    const std::size_t perRow = static_cast<std::size_t>(legendIconsPerRow);
    legendRows = std::max(1, static_cast<int>((entries + perRow - 1) / perRow));
    const float legendHeight = static_cast<float>(legendRows) * legendIconSize.y +
                               static_cast<float>(legendRows - 1) * legendGap;
    areaSize = sf::Vector2f(width, std::max(height - legendHeight - legendGap, 0.f));
    frameSize = areaSize - sf::Vector2f(2.f * border, 2.f * border);
    // A chart too small for its margins plots into nothing, not into a
    // negative box.
    plotSize = sf::Vector2f(std::max(0.f, frameSize.x - 2.f * marginX - yLabelWidth),
                            std::max(0.f, frameSize.y - 2.f * marginY - xLabelHeight));
}

void MenuStockChart::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    refreshData();
    computeGeometry();
    layoutValid = false;
}

void MenuStockChart::update() {
    refreshData();
    computeGeometry();
    buildFrame();
    buildAxes();
    buildSegments();
    buildLegend();
    buildButtons();
    layoutValid = true;
}

int MenuStockChart::getElementCount() const {
    return static_cast<int>(getElements().size());
}

std::vector<MenuElement*> MenuStockChart::getElements() const {
    std::vector<MenuElement*> list;
    for (ItemType item : legendOrder) {
        const auto found = legendButtons.find(item);
        if (found != legendButtons.end())
            list.push_back(found->second.get());
    }
    for (const auto& button : children)
        list.push_back(button.get());
    return list;
}

void MenuStockChart::onElementEvent(MenuEventType type, MenuElement* child) {
    if (type != MenuEventType::MouseReleased)
        return;
    if (auto* icon = dynamic_cast<MenuImageButton*>(child)) {
        if (icon->getImageKind() != CategoryItem)
            return;
        const ItemType item = static_cast<ItemType>(icon->getImageId());
        const auto found = legendButtons.find(item);
        if (found == legendButtons.end() || found->second.get() != icon)
            return;
        setHidden(item, !isHidden(item));
        refreshData();
        buildAxes();
        buildSegments();
        return;
    }
    if (auto* button = dynamic_cast<MenuButton*>(child)) {
        if (button->getKind() != ButtonShowAll && button->getKind() != ButtonHideAll)
            return;
        const bool hide = button->getKind() == ButtonHideAll;
        for (ItemType item : legendOrder)
            setHidden(item, hide);
        update();
    }
}
