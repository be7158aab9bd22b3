#include "ui/MenuTextbox.hpp"

#include "ui/ClipView.hpp"
#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <cstring>

namespace {

constexpr float CaretWidth = 2.f;
constexpr unsigned DefaultCharacterSize = 20;

// Printable ASCII and the accented letters of Latin-1. DEL (127) is left
// out: it is invisible and has no place in a save game's name.
bool isAccepted(unsigned codepoint) {
    return (codepoint >= 32 && codepoint <= 126) || (codepoint >= 192 && codepoint <= 255);
}

// Sample whose ink spans capitals with umlauts and descenders, so the line
// sits at the same height whatever is typed.
const sf::String& inkSample() {
    static const char* const utf8 = "ÄÖÜgjpqy";
    static const sf::String sample = sf::String::fromUtf8(utf8, utf8 + std::strlen(utf8));
    return sample;
}

} // namespace

MenuTextbox::MenuTextbox(Game* game, const sf::Font& sourceFont) : game(game), font(sourceFont) {
    background.setFillColor(fillColor);
    background.setOutlineColor(outlineColor);
    background.setOutlineThickness(1.f);
    shownText.setFont(font);
    shownText.setCharacterSize(DefaultCharacterSize);
    shownText.setFillColor(textColor);
    caret.setSize(sf::Vector2f(CaretWidth, static_cast<float>(DefaultCharacterSize)));
    caret.setFillColor(textColor);
    caret.setOutlineThickness(0.f);
}

sf::String MenuTextbox::content() const {
    return sf::String::fromUtf8(text.begin(), text.end());
}

void MenuTextbox::storeContent(const sf::String& characters) {
    const auto utf8 = characters.toUtf8();
    text.assign(utf8.begin(), utf8.end());
}

void MenuTextbox::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
    background.setSize(sf::Vector2f(width, height));
    // A box lower than its padding gets no text rather than a wrapped size.
    const float available = height - 2.f * paddingY;
    const unsigned characterSize = available > 0.f ? static_cast<unsigned>(available) : 0;
    shownText.setCharacterSize(characterSize);
    caret.setSize(sf::Vector2f(CaretWidth, static_cast<float>(characterSize)));
    setText(text);
}

void MenuTextbox::setText(const std::string& newText) {
    const sf::String characters = sf::String::fromUtf8(newText.begin(), newText.end());
    storeContent(characters);
    if (caretIndex > characters.getSize())
        caretIndex = static_cast<unsigned>(characters.getSize());
    shownText.setString(characters);
    placeTextAndCaret();
}

bool MenuTextbox::fitsWidth(const sf::String& characters) {
    // An unsized box has no width to keep to yet.
    if (width <= 0.f)
        return true;
    const sf::String shown = shownText.getString();
    shownText.setString(characters);
    const bool fits = TextMeasure::Bounds(shownText).width <= width - 2.f * paddingX;
    shownText.setString(shown);
    return fits;
}

void MenuTextbox::refuse(Refusal refusal) {
    if (onRefused)
        onRefused(refusal);
}

void MenuTextbox::placeTextAndCaret() {
    // The glyphs start at the padding; the sample keeps the baseline steady.
    sf::Text sample(inkSample(), font, shownText.getCharacterSize());
    const float inkTop = TextMeasure::Bounds(sample).top;
    shownText.setOrigin(0.f, inkTop);
    shownText.setPosition(paddingX, paddingY);
    caret.setPosition(paddingX + TextMeasure::AdvanceTo(shownText, caretIndex) + caretGap,
                      paddingY);
}

bool MenuTextbox::onTextEntered(unsigned codepoint) {
    if (!focused)
        return false;
    // Backspace, Return and the like come as text too; their keys act.
    if (codepoint < 32 || codepoint == 127)
        return true;
    if (accepts ? !accepts(codepoint) : !isAccepted(codepoint)) {
        refuse(Refusal::CharacterNotAllowed);
        return true;
    }
    sf::String characters = content();
    characters.insert(caretIndex, sf::String(static_cast<sf::Uint32>(codepoint)));
    if ((maxCharacters != 0 && characters.getSize() > maxCharacters) || !fitsWidth(characters)) {
        refuse(Refusal::Full);
        return true;
    }
    ++caretIndex;
    storeContent(characters);
    setText(text);
    return true;
}

bool MenuTextbox::onKeyPressed(sf::Keyboard::Key key) {
    if (!focused)
        return false;
    sf::String characters = content();
    switch (key) {
    case sf::Keyboard::Escape:
    case sf::Keyboard::Return:
        focused = false;
        break;
    case sf::Keyboard::BackSpace:
        if (caretIndex > 0) {
            characters.erase(caretIndex - 1);
            --caretIndex;
        }
        break;
    case sf::Keyboard::Delete:
        if (caretIndex < characters.getSize())
            characters.erase(caretIndex);
        break;
    case sf::Keyboard::Left:
        if (caretIndex > 0)
            --caretIndex;
        break;
    case sf::Keyboard::Right:
        if (caretIndex < characters.getSize())
            ++caretIndex;
        break;
    default:
        break;
    }
    storeContent(characters);
    setText(text);
    return true;
}

void MenuTextbox::onFocusGained() {
    if (!focusDisabled)
        focused = true;
}

void MenuTextbox::onFocusLost() {
    if (!focusDisabled)
        focused = false;
}

void MenuTextbox::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!visible)
        return;
    states.transform *= getTransform();
    target.draw(background, states);
    // A long name set from outside stays whole and is cut off at the edge.
    const sf::View previous = target.getView();
    sf::View clip;
    if (!ClipView::Make(target, states.transform, getSize(), clip))
        return;
    target.setView(clip);
    target.draw(shownText, states);
    if (focused)
        target.draw(caret, states);
    target.setView(previous);
}
