#include "ui/MenuListbox.hpp"

#include "ui/MenuButton.hpp"
#include "ui/MenuListboxEmployeePrioritySelectorEntry.hpp"
#include "ui/MenuListboxEntry.hpp"
#include "ui/MenuListboxCellsEntry.hpp"
#include "ui/MenuListboxColumnsEntry.hpp"
#include "ui/MenuListboxImageEntry.hpp"
#include "ui/MenuListboxItemAmountSelectorEntry.hpp"
#include "ui/MenuListboxProgressEntry.hpp"
#include "ui/MenuScrollbar.hpp"

#include <algorithm>

MenuListbox::MenuListbox(const sf::Font& sourceFont, MenuElement* parent) : font(sourceFont) {
    setParent(parent);
    resetFrame();
}

MenuListbox::~MenuListbox() = default;

void MenuListbox::resetFrame() {
    const float t = borderThickness;
    frame.setPosition(t, t);
    frame.setFillColor(frameFill);
    frame.setOutlineColor(frameOutline);
    frame.setOutlineThickness(t);
    scrollbar = std::make_unique<MenuScrollbar>(*this, font);
}

template <class Entry> Entry* MenuListbox::append(std::unique_ptr<Entry> entry) {
    Entry* added = entry.get();
    entries.push_back(std::move(entry));
    layoutValid = false;
    return added;
}

MenuListboxEntry* MenuListbox::addEntry(const std::string& text) {
    auto entry = std::make_unique<MenuListboxEntry>(this, font);
    entry->setText(text);
    return append(std::move(entry));
}

MenuListboxImageEntry* MenuListbox::addImageEntry(ItemType item) {
    auto entry = std::make_unique<MenuListboxImageEntry>(this, font, item);
    entry->setTooltipEnabled(tooltipsEnabled);
    return append(std::move(entry));
}

MenuListboxColumnsEntry* MenuListbox::addColumnsEntry(ItemType item) {
    auto entry = std::make_unique<MenuListboxColumnsEntry>(this, font, item);
    entry->setTooltipEnabled(tooltipsEnabled);
    return append(std::move(entry));
}

MenuListboxCellsEntry* MenuListbox::addCellsEntry(const std::string& text) {
    auto entry = std::make_unique<MenuListboxCellsEntry>(this, font);
    entry->setText(text);
    return append(std::move(entry));
}

MenuListboxItemAmountSelectorEntry*
MenuListbox::addItemAmountSelectorEntry(ItemType item, unsigned maximum, float price) {
    auto entry = std::make_unique<MenuListboxItemAmountSelectorEntry>(this, font, item);
    entry->setTooltipEnabled(tooltipsEnabled);
    entry->setMaximum(maximum);
    entry->setPrice(price);
    return append(std::move(entry));
}

MenuListboxProgressEntry* MenuListbox::addProgressEntry(int tag, const std::string& caption) {
    auto entry = std::make_unique<MenuListboxProgressEntry>(this, font, tag);
    entry->setText(caption);
    return append(std::move(entry));
}

MenuListboxEmployeePrioritySelectorEntry*
MenuListbox::addEmployeePrioritySelectorEntry(const Employee& employee) {
    return append(std::make_unique<MenuListboxEmployeePrioritySelectorEntry>(this, font, employee));
}

void MenuListbox::removeEmployeePrioritySelectorEntries() {
    const auto isPrioritySelector = [](const std::unique_ptr<MenuElement>& entry) {
        return dynamic_cast<MenuListboxEmployeePrioritySelectorEntry*>(entry.get()) != nullptr;
    };
    entries.erase(std::remove_if(entries.begin(), entries.end(), isPrioritySelector),
                  entries.end());
    if (dynamic_cast<const MenuListboxEmployeePrioritySelectorEntry*>(selection) != nullptr)
        selection = nullptr;
    layoutValid = false;
}

void MenuListbox::enableTooltips() {
    if (tooltipsEnabled)
        return;
    tooltipsEnabled = true;
    for (const auto& entry : entries)
        if (auto* tooltip = dynamic_cast<MenuElementHandlerTooltip*>(entry.get()))
            tooltip->setTooltipEnabled(true);
}

std::vector<MenuElement*> MenuListbox::getEntries() const {
    std::vector<MenuElement*> list;
    for (const auto& entry : entries)
        list.push_back(entry.get());
    return list;
}

MenuListboxEntry* MenuListbox::getSelectedEntry() const {
    for (const auto& element : entries) {
        auto* entry = dynamic_cast<MenuListboxEntry*>(element.get());
        if (entry != nullptr && entry->isSelected())
            return entry;
    }
    return nullptr;
}

void MenuListbox::select(MenuListboxEntry* selected) {
    for (const auto& element : entries)
        if (auto* entry = dynamic_cast<MenuListboxEntry*>(element.get()))
            entry->onFocusLost();
    selection = selected;
    if (selected == nullptr)
        return;
    selected->onFocusGained();
    if (linkedText != nullptr)
        linkedText->setText(selected->getText());
    if (selectionListener)
        selectionListener(selected);
}

void MenuListbox::setLinkedButton(MenuButton* button) {
    doubleClickListener = nullptr;
    if (button != nullptr)
        doubleClickListener = [button] { button->activate(nullptr); };
}

int MenuListbox::getElementCount() const {
    return static_cast<int>(entries.size()) + 1;
}

std::vector<MenuElement*> MenuListbox::getElements() const {
    std::vector<MenuElement*> list{scrollbar.get()};
    for (const auto& entry : entries)
        list.push_back(entry.get());
    return list;
}

void MenuListbox::onElementEvent(MenuEventType type, MenuElement* child) {
    auto* entry = dynamic_cast<MenuListboxEntry*>(child);
    if (entry == nullptr)
        return;
    switch (type) {
    case MenuEventType::MousePressed:
        select(entry);
        break;
    case MenuEventType::DoubleClicked:
        // The press that made the double click selects first, so the action
        // works on the entry clicked last, not on the one selected before.
        select(entry);
        if (doubleClickListener)
            doubleClickListener();
        break;
    case MenuEventType::FocusLost:
    case MenuEventType::FocusGained:
        // The menu moves the focus with every click; in a list the selection
        // moves only by a press on an entry, so a click on the scrollbar or
        // a release that ends a drag elsewhere keeps it.
        if (type == MenuEventType::FocusLost && !entry->isSelected() && entry == selection)
            entry->onFocusGained();
        else if (type == MenuEventType::FocusGained && entry != selection)
            entry->onFocusLost();
        break;
    default:
        break;
    }
}
