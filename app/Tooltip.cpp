#include "app/Tooltip.hpp"

#include "params/PhraseTexts.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

const sf::Color RuleColour(150, 150, 150);

sf::String decoded(const std::string& utf8) {
    return sf::String::fromUtf8(utf8.begin(), utf8.end());
}

// The line broken between words wherever it would run wider than maxWidth.
// A single word wider than that keeps its own line.
std::string wrapped(const std::string& line, const sf::Text& style, float maxWidth) {
    if (style.getFont() == nullptr)
        return line;
    sf::Text measure("", *style.getFont(), style.getCharacterSize());
    const auto width = [&measure](const std::string& utf8) {
        measure.setString(decoded(utf8));
        return measure.getLocalBounds().width;
    };
    if (width(line) <= maxWidth)
        return line;
    std::istringstream words(line);
    std::string word;
    std::string result;
    std::string current;
    while (words >> word) {
        const std::string longer = current.empty() ? word : current + " " + word;
        if (!current.empty() && width(longer) > maxWidth) {
            result += current + "\n";
            current = word;
        } else {
            current = longer;
        }
    }
    return result + current;
}

// The text with every rule line left empty, and where those lines start
// (counted in characters of the decoded string); long lines wrapped.
sf::String withoutRules(const std::string& utf8, const sf::Text& style, float maxWidth,
                        std::vector<std::size_t>& ruleStarts) {
    ruleStarts.clear();
    std::istringstream lines(utf8);
    std::string line;
    std::string kept;
    bool first = true;
    while (std::getline(lines, line)) {
        if (!first) {
            kept += '\n';
        }
        first = false;
        if (line == GameParams::Phrases::TooltipRule) {
            ruleStarts.push_back(decoded(kept).getSize());
        } else {
            kept += wrapped(line, style, maxWidth);
        }
    }
    if (!utf8.empty() && utf8.back() == '\n') {
        kept += '\n';
    }
    return decoded(kept);
}

} // namespace

Tooltip::Tooltip() {
    text.setCharacterSize(12);
    text.setFillColor(sf::Color::Black);
    text.setOutlineColor(sf::Color::White);
    text.setOutlineThickness(0.f);
    text.setPosition(marginX, marginY);
    background.setPosition(0.f, 0.f);
    background.setFillColor(sf::Color::White);
    background.setOutlineColor(sf::Color::Black);
    background.setOutlineThickness(1.f);
    background.setCornersRadius(CornerRadius);
    background.setCornerPointCount(10);
}

void Tooltip::setFont(const sf::Font& font) {
    text.setFont(font);
    source.clear();
}

void Tooltip::setText(const std::string& newText) {
    if (newText.empty()) {
        shown = false;
        return;
    }
    shown = true;
    // The pointer's walk hands the same text over every frame.
    if (newText == source)
        return;
    source = newText;
    text.setString(withoutRules(newText, text, MaxTextWidth, ruleLineStarts));
    updateSize();
    placeText();
}

void Tooltip::updateSize() {
    const sf::FloatRect bounds = text.getLocalBounds();
    // Never smaller than its rounded corners, or the corners would overlap.
    width = std::max(2.f * CornerRadius, 2.f * marginX + bounds.width);
    height = std::max(2.f * CornerRadius, 2.f * marginY + bounds.height + topOffset);
    background.setSize(sf::Vector2f(width, height));
}

void Tooltip::placeText() {
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setPosition(marginX - bounds.left, topOffset + marginY - bounds.top);
    rules.clear();
    for (float y : getRuleHeights()) {
        rules.append(sf::Vertex(sf::Vector2f(marginX, y), RuleColour));
        rules.append(sf::Vertex(sf::Vector2f(width - marginX, y), RuleColour));
    }
}

std::vector<float> Tooltip::getRuleHeights() const {
    std::vector<float> heights;
    const sf::Font* font = text.getFont();
    if (font == nullptr) {
        return heights;
    }
    // Through the middle of the empty line the rule left.
    const float half = font->getLineSpacing(text.getCharacterSize()) / 2.f;
    for (std::size_t start : ruleLineStarts) {
        heights.push_back(std::floor(text.findCharacterPos(start).y + half) + 0.5f);
    }
    return heights;
}

void Tooltip::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!shown)
        return;
    states.transform *= getTransform();
    target.draw(background, states);
    target.draw(rules, states);
    target.draw(text, states);
}
