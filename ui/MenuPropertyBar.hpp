#pragma once

#include "ui/MenuHandlers.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <map>
#include <vector>

// A horizontal bar: either a red-yellow-green scale with a marker at the
// value, or bands shaded between colour stops with markers between them.
// The dialog may give it a tooltip that says what the bar measures.
class MenuPropertyBar : public virtual MenuElementTooltipText {
public:
    explicit MenuPropertyBar(MenuElement* parent = nullptr);

    // Both take effect at the next rebuild().
    void setValue(float percent);
    float getValue() const { return value; }
    void setColorStops(const std::map<int, sf::Color>& stops);
    void invalidate() { layoutValid = false; }
    // Builds the shapes once per invalidation, for a box with positive sides.
    void rebuild();

    const sf::VertexArray& getQuads() const { return quads; }
    const std::vector<sf::RectangleShape>& getMarkers() const { return markers; }

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

    static constexpr float NoValue = -1.f;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void buildScale(float top, float bottom, sf::Vector2f white);
    void buildStops(float top, float bottom, sf::Vector2f white);
    void addMarker(float x);
    void addBand(float left, float right, float top, float bottom, sf::Color leftColor,
                 sf::Color rightColor, sf::Vector2f white);

    bool layoutValid = false;
    bool visible = true;
    float width = 0.f;
    float height = 0.f;
    // Derived by rebuild().
    sf::VertexArray quads;
    std::vector<sf::RectangleShape> markers;
    std::map<int, sf::Color> colorStops;
    float value = NoValue;
    // Share of the height left free above and below the band.
    float bandInset = 0.2f;
};
