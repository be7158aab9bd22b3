#pragma once

#include "ui/MenuElement.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <string>

// A picture from a file, scaled to fit the element and centred in it, or a
// line of text in its place. The file is untrusted: anything but a PNG of a
// sensible size shows the text. The image is kept in memory and reaches the
// graphics card only when drawn.
class MenuPicture : public virtual MenuElement {
public:
    // Pictures larger than this on either side are not read.
    static constexpr unsigned MaxSide = 2048;

    MenuPicture(const sf::Font& font, float width, float height);

    // False (showing the placeholder) when the file holds no readable picture.
    bool showFile(const std::string& path, const std::string& placeholder);
    void showPlaceholder(const std::string& placeholder);
    bool hasPicture() const { return pictureShown; }
    sf::Vector2u getPictureSize() const { return image.getSize(); }
    std::string getPlaceholder() const { return placeholder; }

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    const sf::Font& font;
    bool visible = true;
    float width;
    float height;
    bool pictureShown = false;
    std::string placeholder;
    sf::Image image;
    mutable sf::Texture texture;
    mutable bool textureStale = false;
};
