#include "ui/MenuPicture.hpp"

#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>

namespace {

constexpr unsigned PlaceholderCharacterSize = 16;
const sf::Color FrameColour(120, 120, 120);

unsigned BigEndian(const unsigned char* bytes) {
    return (static_cast<unsigned>(bytes[0]) << 24) | (static_cast<unsigned>(bytes[1]) << 16) |
           (static_cast<unsigned>(bytes[2]) << 8) | static_cast<unsigned>(bytes[3]);
}

// A PNG's sides are in its first chunk; reading them first keeps a file that
// claims a huge picture from being unpacked at all.
bool IsSmallPng(const std::string& path) {
    static const std::array<unsigned char, 8> Signature = {0x89, 'P',  'N',  'G',
                                                           '\r', '\n', 0x1A, '\n'};
    std::ifstream file(path, std::ios::binary);
    std::array<unsigned char, 24> head{};
    if (!file.read(reinterpret_cast<char*>(head.data()), head.size()))
        return false;
    if (!std::equal(Signature.begin(), Signature.end(), head.begin()) ||
        std::string(head.begin() + 12, head.begin() + 16) != "IHDR")
        return false;
    const unsigned pictureWidth = BigEndian(head.data() + 16);
    const unsigned pictureHeight = BigEndian(head.data() + 20);
    return pictureWidth > 0 && pictureHeight > 0 && pictureWidth <= MenuPicture::MaxSide &&
           pictureHeight <= MenuPicture::MaxSide;
}

} // namespace

MenuPicture::MenuPicture(const sf::Font& font, float width, float height)
    : font(font), width(width), height(height) {}

bool MenuPicture::showFile(const std::string& path, const std::string& text) {
    sf::Image loaded;
    if (!IsSmallPng(path) || !loaded.loadFromFile(path)) {
        showPlaceholder(text);
        return false;
    }
    image = loaded;
    pictureShown = true;
    textureStale = true;
    placeholder.clear();
    return true;
}

void MenuPicture::showPlaceholder(const std::string& text) {
    pictureShown = false;
    image = sf::Image();
    placeholder = text;
}

void MenuPicture::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
}

void MenuPicture::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    if (!pictureShown) {
        sf::Text text(sf::String::fromUtf8(placeholder.begin(), placeholder.end()), font,
                      PlaceholderCharacterSize);
        text.setFillColor(FrameColour);
        const sf::FloatRect ink = TextMeasure::Bounds(text);
        text.setPosition(std::round((width - ink.width) / 2.f - ink.left),
                         std::round((height - ink.height) / 2.f - ink.top));
        target.draw(text, states);
        return;
    }
    if (textureStale) {
        texture.loadFromImage(image);
        texture.setSmooth(true);
        textureStale = false;
    }
    const sf::Vector2u size = image.getSize();
    const float scale =
        std::min(width / static_cast<float>(size.x), height / static_cast<float>(size.y));
    const sf::Vector2f shown(size.x * scale, size.y * scale);
    const sf::Vector2f corner(std::round((width - shown.x) / 2.f),
                              std::round((height - shown.y) / 2.f));
    sf::Sprite sprite(texture);
    sprite.setScale(scale, scale);
    sprite.setPosition(corner);
    target.draw(sprite, states);
    sf::RectangleShape frame(shown);
    frame.setPosition(corner);
    frame.setFillColor(sf::Color::Transparent);
    frame.setOutlineColor(FrameColour);
    frame.setOutlineThickness(1.f);
    target.draw(frame, states);
}
