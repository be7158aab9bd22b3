#pragma once

#include "params/Enums.hpp"
#include "ui/MenuListboxEntry.hpp"

#include <SFML/Graphics/VertexArray.hpp>

// A list line with an item's atlas image at its left, the item's name and,
// when enabled, the name as a tooltip. The image takes its texture from the
// atlas the menu draws with.
class MenuListboxImageEntry : public virtual MenuListboxEntry,
                              public virtual MenuElementHandlerTooltip {
public:
    MenuListboxImageEntry(MenuElement* parent, const sf::Font& font, ItemType item);

    ItemType getItem() const { return item; }
    std::string getTooltip() const override;
    const sf::VertexArray& getImage() const { return image; }

    // The image is a square of the entry's height at its left edge.
    void setSize(float newWidth, float newHeight) override;

protected:
    float textStart() const override { return imageGap + imageSide; }
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    // The plain entry, then the image.
    void drawImageEntry(sf::RenderTarget& target, const sf::RenderStates& states) const;

private:
    ItemType item;
    sf::VertexArray image;
    float imageGap = 5.f;
    float imageSide = 0.f; // derived by setSize
};
