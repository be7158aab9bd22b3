#pragma once

#include "params/Enums.hpp"
#include "ui/MenuElementContainer.hpp"
#include "ui/MenuHandlers.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Employee;
class MenuButton;
class MenuListboxEntry;
class MenuListboxImageEntry;
class MenuListboxColumnsEntry;
class MenuListboxCellsEntry;
class MenuListboxItemAmountSelectorEntry;
class MenuListboxEmployeePrioritySelectorEntry;
class MenuListboxProgressEntry;
class MenuScrollbar;

// A framed, clipped list of entries with a scrollbar on its right edge.
// Pressing an entry selects it (and only it) and copies its text into the
// linked text box; a double click runs the linked button's action.
//
// Definitions: MenuListbox.cpp (entries, selection, events),
// MenuListboxLayout.cpp (scrolling, layout, clipped drawing).
class MenuListbox : public virtual MenuElementContainer, public virtual MenuElementHandlerScroll {
public:
    explicit MenuListbox(const sf::Font& font, MenuElement* parent = nullptr);
    ~MenuListbox() override;

    // Each add appends and invalidates the layout.
    MenuListboxEntry* addEntry(const std::string& text);
    MenuListboxImageEntry* addImageEntry(ItemType item);
    MenuListboxColumnsEntry* addColumnsEntry(ItemType item);
    // A line of texts in columns whose own text is the given one.
    MenuListboxCellsEntry* addCellsEntry(const std::string& text);
    MenuListboxItemAmountSelectorEntry* addItemAmountSelectorEntry(ItemType item, unsigned maximum,
                                                                   float price);
    MenuListboxEmployeePrioritySelectorEntry*
    addEmployeePrioritySelectorEntry(const Employee& employee);
    void removeEmployeePrioritySelectorEntries();
    MenuListboxProgressEntry* addProgressEntry(int tag, const std::string& caption);
    // Only the first call has an effect.
    void enableTooltips();
    bool areTooltipsEnabled() const { return tooltipsEnabled; }

    // Both belong to the same dialog as the list; the dialog clears them all at once.
    void setLinkedText(MenuElementHandlerText* text) { linkedText = text; }
    // A double click on an entry runs the button's action with the button's
    // own game; the listener hears of it after the entry is selected.
    void setLinkedButton(MenuButton* button);
    void setDoubleClickListener(std::function<void()> listener) {
        doubleClickListener = std::move(listener);
    }
    // Told of every selection the list makes, after the linked text box.
    void setSelectionListener(std::function<void(MenuListboxEntry*)> listener) {
        selectionListener = std::move(listener);
    }

    // Entries in display order.
    std::vector<MenuElement*> getEntries() const;
    // The first selected entry, or null.
    MenuListboxEntry* getSelectedEntry() const;
    // Selects that entry only and copies its text to the linked text box.
    void select(MenuListboxEntry* entry);

    // Each moves the content by one step; nothing moves while it all fits.
    void scrollUp();
    void scrollDown();
    // Moves to a scrollbar position (0 top ... 100 bottom), clamped.
    void scrollTo(float position);
    float getScrollPosition() const;
    // Height of the visible entries.
    float getContentHeight() const;
    MenuScrollbar& getScrollbar() { return *scrollbar; }

    void setEntryHeight(float newHeight);
    // The height that shows that many whole lines inside the frame.
    float heightForLines(int lines) const;
    float getEntryHeight() const { return entryHeight; }
    float getScrollStep() const { return scrollStep; }
    float getBorderThickness() const { return borderThickness; }

    // A wheel turned towards the user (negative) scrolls down.
    void onScroll(int delta) override;

    // The scrollbar first, then the entries.
    int getElementCount() const override;
    std::vector<MenuElement*> getElements() const override;
    void onElementEvent(MenuEventType type, MenuElement* child) override;
    void update() override;

    sf::Vector2f getSize() const override { return sf::Vector2f(width, height); }
    void setSize(float newWidth, float newHeight) override;
    void setVisible(bool isVisible) override { visible = isVisible; }
    bool isVisible() const override { return visible; }

protected:
    // Clipped to the list's rectangle.
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    template <class Entry> Entry* append(std::unique_ptr<Entry> entry);
    void resetFrame();
    // Scrolls by a number of steps; negative is up.
    void scrollBy(float steps);

    bool visible = true;
    bool tooltipsEnabled = false;
    float width = 0.f;
    float height = 0.f;
    MenuElementHandlerText* linkedText = nullptr;
    std::function<void()> doubleClickListener;
    std::function<void(MenuListboxEntry*)> selectionListener;
    // The entry the list selected last; only compared, never followed.
    const MenuListboxEntry* selection = nullptr;
    sf::Font font;
    sf::RectangleShape frame;
    std::vector<std::unique_ptr<MenuElement>> entries;
    std::unique_ptr<MenuScrollbar> scrollbar;
    float scrollbarWidth = 30.f;
    float scrollStep = 50.f; // pixels of content per step
    float entryHeight = 20.f;
    float borderThickness = 1.f;
    sf::Color frameFill = sf::Color::Transparent;
    sf::Color frameOutline = sf::Color::Black;
};
