// The HUD's hit tests, clicks, tooltips, highlight frames and drawing.

#include "app/GUI.hpp"

#include "app/Game.hpp"
#include "params/Enums.hpp"
#include "params/Texts.hpp"
#include "ui/MenuBindings.hpp"
#include "ui/MenuHandlers.hpp"
#include "ui/MenuImageButton.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <utility>

namespace {

struct DialogButton {
    int element;
    MenuAction action;
};

// The dialogs the staff and trade panels open.
const DialogButton DialogButtons[] = {
    {GuiPriceHistory, ActionOpenPriceMenu},    {GuiBuyItems, ActionOpenOrderMenu},
    {GuiSellItems, ActionOpenSellMenu},        {GuiLabourMarket, ActionOpenLabourMarketMenu},
    {GuiDismissStaff, ActionOpenDismissMenu},  {GuiWorkPriorities, ActionOpenStaffMenu},
    {GuiStatistics, ActionOpenStatisticsMenu}, {GuiResearch, ActionOpenResearchMenu}};

bool contains(const Menu& menu, int x, int y) {
    const sf::Vector2f from = menu.getPosition();
    const sf::Vector2f to = from + menu.getSize();
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    return from.x <= px && from.y <= py && px <= to.x && py <= to.y;
}

} // namespace

Menu* GUI::menuAt(int x, int y) const {
    for (Menu* menu : shownMenus)
        if (contains(*menu, x, y))
            return menu;
    return nullptr;
}

bool GUI::isOver(int x, int y) const {
    return menuAt(x, y) != nullptr || alertList.isOver(x, y);
}

MenuImageButton* GUI::imageButtonAt(int x, int y) const {
    const Menu* menu = menuAt(x, y);
    return menu != nullptr ? dynamic_cast<MenuImageButton*>(menu->getElementAt(x, y)) : nullptr;
}

bool GUI::onMousePressed(int x, int y) {
    Menu* menu = menuAt(x, y);
    pressedButton = nullptr;
    alertPressed = menu == nullptr && alertList.isOver(x, y);
    if (alertPressed)
        return true;
    if (menu == nullptr)
        return false;
    pressedButton = imageButtonAt(x, y);
    menu->onMousePressed(x, y);
    return true;
}

bool GUI::onMouseReleased(int x, int y) {
    Menu* menu = menuAt(x, y);
    if (menu == nullptr && alertList.isOver(x, y)) {
        // Only a press that began on the list moves the view.
        sf::Vector2i cell;
        if (std::exchange(alertPressed, false) && alertList.click(x, y, cell) && game != nullptr)
            game->showCell(cell);
        return true;
    }
    alertPressed = false;
    if (menu == nullptr)
        return false;
    menu->onMouseReleased(x, y);
    MenuElement* released = menu->getLastReleased();
    if (auto* hover = dynamic_cast<MenuElementHandlerHover*>(released))
        hover->onHoverLeave();
    MenuImageButton* button = imageButtonAt(x, y);
    MenuImageButton* pressed = pressedButton;
    pressedButton = nullptr;
    // Pressing one button and letting go over another is a change of mind.
    if (button == nullptr || button != released || button != pressed)
        return true;
    if (button->getImageKind() == CategoryPanel) {
        onPanelButton(button->getImageId(), button);
    } else {
        highlightTool(ToolHighlight, *menu, *button);
        if (game != nullptr)
            game->getCursor().selectTool(button);
    }
    return true;
}

void GUI::onPanelButton(int element, MenuImageButton* button) {
    switch (element) {
    case GuiMainMenu:
        if (game != nullptr)
            game->openMainMenu();
        return;
    case GuiTilesPanel:
        togglePanel(panels[0], button);
        return;
    case GuiZonesPanel:
        togglePanel(panels[1], button);
        return;
    case GuiFurniturePanel:
        togglePanel(panels[2], button);
        return;
    case GuiStaffPanel:
        togglePanel(panels[3], button);
        return;
    case GuiTradePanel:
        togglePanel(panels[4], button);
        return;
    default:
        break;
    }
    for (const DialogButton& dialog : DialogButtons)
        if (dialog.element == element)
            MenuBindings::Run(dialog.action, game);
}

void GUI::togglePanel(Menu* panel, MenuImageButton* barButton) {
    if (std::find(panels.begin(), panels.end(), panel) == panels.end())
        return;
    if (openPanel != nullptr) {
        clearHighlight(PanelHighlight);
        clearHighlight(ToolHighlight);
        Menu* closing = openPanel;
        shownMenus.erase(std::remove(shownMenus.begin(), shownMenus.end(), closing),
                         shownMenus.end());
        openPanel = nullptr;
        // A tool stays only while its panel is open, or its preview would
        // follow the pointer over the next panel's work.
        if (game != nullptr)
            game->getCursor().dropTool();
        if (closing == panel)
            return;
    }
    openPanel = panel;
    shownMenus.push_back(panel);
    if (barButton != nullptr)
        highlightTool(PanelHighlight, bar, *barButton);
}

void GUI::highlightTool(unsigned slot, const Menu& menu, const MenuImageButton& button) {
    if (slot >= highlights.size())
        return;
    sf::RectangleShape& frame = highlights[slot];
    frame.setSize(button.getSize());
    frame.setPosition(menu.getAbsolutePosition(&button));
    frame.setOutlineColor(highlightColor);
}

void GUI::clearHighlight(unsigned slot) {
    if (slot < highlights.size())
        highlights[slot].setOutlineColor(sf::Color::Transparent);
}

void GUI::clearToolHighlight() {
    if (highlights.size() >= 2)
        clearHighlight(ToolHighlight);
}

std::string GUI::getTooltipText(int x, int y) const {
    if (menuAt(x, y) == nullptr && alertList.isOver(x, y))
        return alertList.getTooltipText(x, y);
    const MenuImageButton* button = imageButtonAt(x, y);
    if (button == nullptr)
        return std::string();
    return GameParams::Texts::GetToolDescription(static_cast<ToolCategory>(button->getImageKind()),
                                                 static_cast<GuiElemType>(button->getImageId()));
}

void GUI::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    states.transform *= getTransform();
    states.texture = texture;
    for (const Menu* menu : shownMenus)
        target.draw(*menu, states);
    for (const sf::RectangleShape& frame : highlights)
        target.draw(frame, states);
    states.texture = nullptr;
    target.draw(alertList, states);
}

void GUI::drawBalanceOnTop(sf::RenderTarget& target) const {
    sf::RenderStates states(getTransform());
    states.texture = texture;
    target.draw(balancePanel, states);
}
