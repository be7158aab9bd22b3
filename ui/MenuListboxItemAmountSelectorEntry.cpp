#include "ui/MenuListboxItemAmountSelectorEntry.hpp"

#include "ui/MenuSymbolButton.hpp"
#include "ui/TextMeasure.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

namespace {

constexpr unsigned InitialCharacterSize = 14;
constexpr unsigned LaidOutCharacterSize = 15;
// Room kept free right of the buttons for the amount, in entry heights.
constexpr float AmountSlot = 1.75f;
constexpr unsigned LargeStep = 10;
// Room for a price of thousands, left of the buttons.
constexpr float PriceColumnWidth = 110.f;

struct ButtonLook {
    unsigned symbol;
    int direction;
};

// Creation order; on screen they read right to left.
constexpr ButtonLook ButtonLooks[] = {
    {MenuSymbolButton::SymbolMaximum, MenuSymbolButton::DirectionUp},
    {MenuSymbolButton::SymbolDoubleArrow, MenuSymbolButton::DirectionRight},
    {MenuSymbolButton::SymbolArrow, MenuSymbolButton::DirectionRight},
    {MenuSymbolButton::SymbolArrow, MenuSymbolButton::DirectionLeft},
    {MenuSymbolButton::SymbolDoubleArrow, MenuSymbolButton::DirectionLeft},
    {MenuSymbolButton::SymbolZero, MenuSymbolButton::DirectionUnset},
};

unsigned saturatingAdd(unsigned value, unsigned step) {
    return value > std::numeric_limits<unsigned>::max() - step
               ? std::numeric_limits<unsigned>::max()
               : value + step;
}

} // namespace

MenuListboxItemAmountSelectorEntry::MenuListboxItemAmountSelectorEntry(MenuElement* parent,
                                                                       const sf::Font& font,
                                                                       ItemType item)
    : MenuListboxEntry(parent, font), MenuListboxImageEntry(parent, font, item) {
    for (sf::Text* shown : {&amountText, &priceText, &heldText}) {
        shown->setFont(font);
        shown->setCharacterSize(InitialCharacterSize);
        shown->setFillColor(sf::Color::Black);
    }
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = std::make_unique<MenuSymbolButton>(this, font);
        buttons[i]->setSymbol(ButtonLooks[i].symbol);
        buttons[i]->setDirection(ButtonLooks[i].direction);
    }
    refreshTexts();
}

MenuListboxItemAmountSelectorEntry::~MenuListboxItemAmountSelectorEntry() = default;

void MenuListboxItemAmountSelectorEntry::setAmount(unsigned newAmount) {
    amount = std::min({newAmount, maximum, limit});
    refreshTexts();
}

void MenuListboxItemAmountSelectorEntry::setMaximum(unsigned newMaximum) {
    maximum = newMaximum;
    setAmount(amount);
}

void MenuListboxItemAmountSelectorEntry::setLimit(unsigned newLimit) {
    limit = newLimit;
    setAmount(amount);
}

void MenuListboxItemAmountSelectorEntry::setPrice(float newPrice) {
    price = std::round(newPrice * 100.f) / 100.f;
    refreshTexts();
}

std::string MenuListboxItemAmountSelectorEntry::getAmountText() const {
    std::string shown = std::to_string(amount) + " / " + std::to_string(maximum);
    if (limit != NoLimit)
        shown += " / " + std::to_string(limit);
    return shown;
}

std::string MenuListboxItemAmountSelectorEntry::getPriceText() const {
    // In the player's locale, like every other price on screen.
    std::ostringstream shown;
    shown << std::fixed << std::setprecision(2) << price;
    return shown.str();
}

void MenuListboxItemAmountSelectorEntry::setHeldText(const std::string& text) {
    heldText.setString(sf::String::fromUtf8(text.begin(), text.end()));
    refreshTexts();
}

std::string MenuListboxItemAmountSelectorEntry::getHeldText() const {
    const auto utf8 = heldText.getString().toUtf8();
    return std::string(utf8.begin(), utf8.end());
}

void MenuListboxItemAmountSelectorEntry::refreshTexts() {
    amountText.setString(getAmountText());
    priceText.setString(getPriceText());
    const sf::Vector2f size = getBoxSize();
    layoutControls(size.x, size.y);
}

std::vector<MenuElement*> MenuListboxItemAmountSelectorEntry::getElements() const {
    std::vector<MenuElement*> list;
    for (const auto& button : buttons)
        list.push_back(button.get());
    return list;
}

void MenuListboxItemAmountSelectorEntry::onElementEvent(MenuEventType type, MenuElement* child) {
    if (type != MenuEventType::MousePressed)
        return;
    auto* button = dynamic_cast<MenuSymbolButton*>(child);
    if (button == nullptr)
        return;
    const bool left = button->getDirection() == MenuSymbolButton::DirectionLeft;
    switch (button->getSymbol()) {
    case MenuSymbolButton::SymbolArrow:
        if (!left)
            setAmount(saturatingAdd(amount, 1));
        else if (amount != 0)
            setAmount(amount - 1);
        break;
    case MenuSymbolButton::SymbolDoubleArrow:
        if (!left)
            setAmount(saturatingAdd(amount, LargeStep));
        else
            setAmount(amount >= LargeStep ? amount - LargeStep : 0);
        break;
    case MenuSymbolButton::SymbolZero:
        setAmount(0);
        break;
    case MenuSymbolButton::SymbolMaximum:
        setAmount(maximum);
        break;
    default:
        break;
    }
}

void MenuListboxItemAmountSelectorEntry::update() {
    const sf::Vector2f size = getBoxSize();
    layoutControls(size.x, size.y);
    layoutValid = true;
}

void MenuListboxItemAmountSelectorEntry::setSize(float newWidth, float newHeight) {
    MenuListboxImageEntry::setSize(newWidth, newHeight);
    layoutControls(newWidth, newHeight);
    layoutValid = true;
}

void MenuListboxItemAmountSelectorEntry::layoutControls(float w, float h) {
    const float m = std::min(w, h);
    const float side = std::max(0.f, m - 2.f * edgeSpacing);
    for (sf::Text* shown : {&amountText, &priceText, &heldText})
        shown->setCharacterSize(LaidOutCharacterSize);

    const sf::FloatRect amountBounds = TextMeasure::LineBounds(amountText);
    amountText.setOrigin(amountBounds.left + amountBounds.width, amountBounds.top);
    amountText.setPosition(w - edgeSpacing, (h - amountBounds.height) / 2.f);

    float left = w - edgeSpacing - side - AmountSlot * m;
    for (const auto& button : buttons) {
        button->setSize(side, side);
        button->setPosition(left, edgeSpacing);
        left -= side + buttonSpacing;
    }
    const float leftmost = left + side + buttonSpacing;

    const sf::FloatRect priceBounds = TextMeasure::LineBounds(priceText);
    priceText.setOrigin(priceBounds.left + priceBounds.width, priceBounds.top);
    priceText.setPosition(leftmost - edgeSpacing, (h - priceBounds.height) / 2.f);

    edges.amountRight = w - edgeSpacing;
    edges.buttonsRight = w - edgeSpacing - AmountSlot * m;
    edges.buttonsLeft = leftmost;
    edges.priceRight = leftmost - edgeSpacing;
    edges.heldRight = edges.priceRight - PriceColumnWidth;
    const sf::FloatRect heldBounds = TextMeasure::LineBounds(heldText);
    heldText.setOrigin(heldBounds.left + heldBounds.width, heldBounds.top);
    heldText.setPosition(edges.heldRight, (h - heldBounds.height) / 2.f);
}

void MenuListboxItemAmountSelectorEntry::draw(sf::RenderTarget& target,
                                              sf::RenderStates states) const {
    if (!isVisible())
        return;
    states.transform *= getTransform();
    drawImageEntry(target, states);
    for (const auto& button : buttons)
        target.draw(*button, states);
    target.draw(priceText, states);
    target.draw(amountText, states);
    target.draw(heldText, states);
}
