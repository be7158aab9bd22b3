#pragma once

#include "ui/MenuSpacer.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <array>

// The person the employee selector shows, standing and facing the player, in
// the room the selector keeps free beside the skills and needs. It is laid out
// as a spacer and only draws the figure inside its own box.
class MenuEmployeeSelectorPortrait : public MenuSpacer {
public:
    MenuEmployeeSelectorPortrait(float width, float height);

    // The colours of skin, hair, upper and lower body, as the employee keeps
    // them; the figure is built from the atlas layers with them.
    void setLooks(const std::array<sf::Color, 4>& colours);
    void clearLooks();
    bool hasLooks() const { return figure.getVertexCount() > 0; }
    const sf::VertexArray& getFigure() const { return figure; }

    void setSize(float newWidth, float newHeight) override;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    // Scales the figure's quads into the box, centred, with a margin.
    void placeFigure();

    sf::VertexArray layers{sf::Quads};
    sf::VertexArray figure{sf::Quads};
    sf::RectangleShape backdrop;
    sf::Color backdropFill{236, 240, 246};
    sf::Color backdropOutline{150, 156, 170};
    float margin = 16.f;
};
