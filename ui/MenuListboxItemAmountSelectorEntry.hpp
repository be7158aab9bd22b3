#pragma once

#include "ui/MenuElementContainer.hpp"
#include "ui/MenuListboxImageEntry.hpp"

#include <SFML/Graphics/Text.hpp>

#include <array>
#include <limits>
#include <memory>

class MenuSymbolButton;

// A line of the buy and sell dialogs: the item, its price, and controls that
// choose an amount from 0 up to the maximum (and the limit, when one is set).
class MenuListboxItemAmountSelectorEntry : public virtual MenuElementContainer,
                                           public virtual MenuListboxImageEntry {
public:
    static constexpr unsigned NoLimit = std::numeric_limits<unsigned>::max();

    MenuListboxItemAmountSelectorEntry(MenuElement* parent, const sf::Font& font, ItemType item);
    ~MenuListboxItemAmountSelectorEntry() override;

    // Never above the maximum nor the limit.
    void setAmount(unsigned newAmount);
    unsigned getAmount() const { return amount; }
    // Lowers the amount to it if needed.
    void setMaximum(unsigned newMaximum);
    unsigned getMaximum() const { return maximum; }
    void setLimit(unsigned newLimit);
    unsigned getLimit() const { return limit; }
    // Kept to cents.
    void setPrice(float newPrice);
    float getPrice() const { return price; }
    std::string getAmountText() const;
    std::string getPriceText() const;
    // What the player holds of the item, shown left of the price.
    void setHeldText(const std::string& text);
    std::string getHeldText() const;
    // Where the held count, the price, the buttons and the amount end, for
    // the titles over the list: in the entry's own space.
    struct ColumnEdges {
        float heldRight = 0.f;
        float priceRight = 0.f;
        float buttonsLeft = 0.f;
        float buttonsRight = 0.f;
        float amountRight = 0.f;
    };
    ColumnEdges getColumnEdges() const { return edges; }

    // The six buttons, in the order they were made: maximum, +10, +1, -1,
    // -10, zero. They read right to left on screen.
    int getElementCount() const override { return static_cast<int>(buttons.size()); }
    std::vector<MenuElement*> getElements() const override;
    std::vector<const sf::Text*> getWrittenTexts() const override {
        return {&getTextShape(), &amountText, &priceText, &heldText};
    }
    void onElementEvent(MenuEventType type, MenuElement* child) override;
    void update() override;

    void setSize(float newWidth, float newHeight) override;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void refreshTexts();
    void layoutControls(float w, float h);

    unsigned amount = 0;
    unsigned maximum = 0;
    unsigned limit = NoLimit;
    float price = 0.f;
    sf::Text amountText;
    sf::Text priceText;
    sf::Text heldText;
    ColumnEdges edges;
    std::array<std::unique_ptr<MenuSymbolButton>, 6> buttons;
    float edgeSpacing = 8.f;
    float buttonSpacing = 2.f;
};
