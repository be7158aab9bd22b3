#pragma once

#include "params/Enums.hpp"
#include "ui/MenuElementContainer.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <array>
#include <map>
#include <memory>
#include <vector>

class GameTime;
class MenuButton;
class MenuImageButton;
class StockMarket;

// The market's price history of every item as coloured lines, with dates
// along the bottom, prices up the left, and a legend of item icons below
// that hides or shows single lines. It plots buy prices or sell prices.
//
// Definitions: MenuStockChart.cpp (data, scale, geometry, events),
// MenuStockChartShapes.cpp (axes, lines, legend, drawing).
class MenuStockChart : public virtual MenuElementContainer {
public:
    // Time -> item -> price.
    using Series = std::map<float, std::map<ItemType, float>>;

    explicit MenuStockChart(const sf::Font& font, MenuElement* parent = nullptr);
    ~MenuStockChart() override;

    // Where the prices come from; either may be null. The clock dates the
    // newest buy prices. Both belong to the game and outlive the dialog.
    void setMarket(const StockMarket* newMarket, const GameTime* newClock);
    bool isShowingBuyPrices() const { return showBuyPrices; }
    // Flips between buy and sell prices and rebuilds the chart.
    void togglePrices();
    void setHidden(ItemType item, bool isHidden);
    bool isHidden(ItemType item) const;

    // The top of the value axis for the largest price shown: the next step
    // of a scale that gets coarser as the prices grow (0.05 -> 0.1,
    // 1234 -> 1300, 10001 -> 11000).
    static float RoundUpAxisTop(float value);
    // Drops points evenly until about maxPoints are left, always keeping the
    // oldest and the newest.
    static void ThinOut(Series& series, std::size_t maxPoints);

    const Series& getSeries() const { return series; }
    float getValueMax() const { return valueMax; }
    float getTimeMax() const { return timeMax; }
    sf::Vector2f getAreaSize() const { return areaSize; }
    sf::Vector2f getPlotSize() const { return plotSize; }
    sf::Vector2f getPlotCorner() const;
    std::size_t getXTickCount() const { return xTickLines.size(); }
    std::size_t getYLineCount() const { return yGridLines.size(); }
    const std::vector<sf::Text>& getXLabels() const { return xLabels; }
    const std::vector<sf::Text>& getYLabels() const { return yLabels; }
    // The line pieces of one item, one per pair of neighbouring points.
    const std::vector<sf::RectangleShape>& getSegments(ItemType item) const;
    MenuImageButton* getLegendButton(ItemType item) const;
    int getLegendRows() const { return legendRows; }

    // The legend icons in item order, then "Alle anzeigen" and "Alle ausblenden".
    int getElementCount() const override;
    std::vector<MenuElement*> getElements() const override;
    void onElementEvent(MenuEventType type, MenuElement* child) override;
    // Frame, data, axes, lines, legend and buttons, anew.
    void update() override;

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

    static constexpr std::size_t PaletteSize = 12;
    static const std::array<sf::Color, PaletteSize> Palette;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void refreshData();
    // When the current prices stand on the chart: the clock of the history
    // shown, and always after its last record.
    float newestPointTime(const Series& history) const;
    void computeGeometry();
    void buildFrame();
    void buildAxes();
    void buildSegments();
    void buildLegend();
    void buildButtons();
    // The items of the oldest point, in item order: the legend's entries.
    std::vector<ItemType> legendItems() const;
    sf::Color colourOf(ItemType item) const;
    const sf::Shader* legendShader() const;

    bool visible = true;
    // Made on the first draw that needs it: a shader needs a graphics context.
    mutable std::unique_ptr<sf::Shader> redScaleShader;
    mutable bool shaderTried = false;
    bool showBuyPrices = true;
    const StockMarket* market = nullptr;
    const GameTime* clock = nullptr;

    // Derived from the market by refreshData().
    Series series;
    std::size_t pointCount = 0;
    float valueMax = 0.f;
    float timeMax = 0.f;

    float width = 0.f;
    float height = 0.f;
    // Derived from the size by computeGeometry().
    sf::Vector2f areaSize;
    sf::Vector2f frameSize;
    sf::Vector2f plotSize;

    sf::Font font;
    sf::RectangleShape background;
    sf::RectangleShape plotBackground;
    sf::RectangleShape frame;
    float border = 5.f;
    std::vector<sf::VertexArray> xTickLines;
    std::vector<sf::VertexArray> yGridLines;
    std::vector<sf::Text> xLabels;
    std::vector<sf::Text> yLabels;
    float yLabelWidth = 50.f;
    float xLabelHeight = 20.f;
    float marginX = 10.f;
    float marginY = 10.f;
    std::map<ItemType, std::vector<sf::RectangleShape>> segments;
    std::map<ItemType, bool> hidden;
    std::size_t maxPoints = 100;
    // Made once per item and kept, as the menu's walks may hold them.
    std::map<ItemType, std::unique_ptr<MenuImageButton>> legendButtons;
    std::vector<ItemType> legendOrder;
    std::vector<sf::RectangleShape> legendSwatches;
    sf::Vector2f legendIconSize{32.f, 32.f};
    float legendGap = 5.f;
    int legendRows = 1;
    int legendIconsPerRow = 16;
    std::vector<std::unique_ptr<MenuButton>> children;
    sf::Vector2f buttonSize{200.f, 32.f};

    sf::Color backgroundColor = sf::Color::White;
    sf::Color labelColor = sf::Color::Black;
    sf::Color plotColor = sf::Color::White;
    sf::Color frameColor = sf::Color(232, 180, 0);
    sf::Color gridColor = sf::Color::Black;
};
