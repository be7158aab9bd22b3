#include "ui/MenuColumnHeader.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

namespace {

constexpr unsigned TitleCharacterSize = 15;
const sf::Color TitleColour(70, 70, 70);

} // namespace

MenuColumnHeader::MenuColumnHeader(const sf::Font& font, float height)
    : font(font), height(height) {
    rule.setFillColor(TitleColour);
}

void MenuColumnHeader::setColumns(const MenuTextColumns& newColumns,
                                  const std::vector<std::string>& newTitles) {
    columns = newColumns;
    titles.clear();
    for (const std::string& title : newTitles) {
        sf::Text text(sf::String::fromUtf8(title.begin(), title.end()), font, TitleCharacterSize);
        text.setFillColor(TitleColour);
        titles.push_back(text);
    }
    place();
}

std::vector<const sf::Text*> MenuColumnHeader::getWrittenTexts() const {
    std::vector<const sf::Text*> written;
    for (const sf::Text& title : titles)
        written.push_back(&title);
    return written;
}

void MenuColumnHeader::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    place();
}

void MenuColumnHeader::place() {
    for (std::size_t k = 0; k < titles.size() && k < columns.size(); ++k)
        TextColumns::Place(titles[k], columns[k], height - 2.f);
    rule.setSize(sf::Vector2f(width, 1.f));
    rule.setPosition(0.f, height - 1.f);
}

void MenuColumnHeader::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    for (const sf::Text& title : titles)
        target.draw(title, states);
    target.draw(rule, states);
}
