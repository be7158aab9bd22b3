// Building the HUD's panels.

#include "app/GUI.hpp"

#include "app/Game.hpp"
#include "params/Enums.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuColumnContainer.hpp"
#include "ui/MenuImageButton.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuRowContainer.hpp"
#include "ui/MenuSpacer.hpp"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

using ButtonList = std::vector<std::pair<int, int>>;

// Category and element of every pop-up panel's buttons, in panel order.
const ButtonList TilesButtons = {
    {CategoryTile, GuiBuildGrass}, {CategoryTile, GuiBuildWall}, {CategoryTile, GuiBuildFloor}};
const ButtonList ZonesButtons = {
    {CategoryDemolish, GuiDemolishZone},  {CategoryZone, GuiBuildZoneKitchen},
    {CategoryZone, GuiBuildZoneBathroom}, {CategoryZone, GuiBuildZoneOffice},
    {CategoryZone, GuiBuildZoneStorage},  {CategoryZone, GuiBuildZoneWorkshop},
    {CategoryZone, GuiBuildZoneGoodsIn},  {CategoryZone, GuiBuildZoneGoodsOut}};
const ButtonList FurnishingButtons = {
    {CategoryDemolish, GuiDemolishObject},   {CategoryObject, GuiBuildFridge},
    {CategoryObject, GuiBuildToilet},        {CategoryObject, GuiBuildDesk},
    {CategoryObject, GuiBuildCoffeeMachine}, {CategoryObject, GuiBuildKitchenCounter},
    {CategoryObject, GuiBuildKitchenTable},  {CategoryObject, GuiBuildWorkbench},
    {CategoryObject, GuiBuildDoor}};
const ButtonList StaffButtons = {{CategoryPanel, GuiLabourMarket},
                                 {CategoryPanel, GuiDismissStaff},
                                 {CategoryPanel, GuiWorkPriorities}};
const ButtonList TradeButtons = {
    {CategoryPanel, GuiPriceHistory}, {CategoryPanel, GuiBuyItems}, {CategoryPanel, GuiSellItems}};
const int BarElements[] = {GuiTilesPanel, GuiZonesPanel, GuiFurniturePanel, GuiStaffPanel,
                           GuiTradePanel,
                           // Open their dialogs at once, as the main-menu button does.
                           GuiStatistics, GuiResearch};

// The HUD panels hang over the window's edges by this much, which hides
// their outer rounded corners; spacers keep their content this far inside.
constexpr float EdgeOverhang = 10.f;
constexpr int PanelColumns = 3;
const sf::Color NegativeBalanceColor(196, 24, 24);
// The bar button each pop-up panel opens from, in the order of the panels.
const int PanelBarElements[] = {GuiTilesPanel, GuiZonesPanel, GuiFurniturePanel, GuiStaffPanel,
                                GuiTradePanel};

} // namespace

void GUI::init(Game* newGame, sf::Texture* newTexture) {
    game = newGame;
    texture = newTexture;
    font = game != nullptr ? &game->getFont() : nullptr;
    makeHighlights();
    buildBar();
    buildBalancePanel();
    buildMainMenuPanel();
    buildPopUpPanel(tilesPanel, TilesButtons);
    buildPopUpPanel(zonesPanel, ZonesButtons);
    buildPopUpPanel(furnishingPanel, FurnishingButtons);
    buildPopUpPanel(staffPanel, StaffButtons);
    buildPopUpPanel(tradePanel, TradeButtons);
    shownMenus = {&bar, &balancePanel, &mainMenuPanel};
    alertList.init(font, texture);
    panels = {&tilesPanel, &zonesPanel, &furnishingPanel, &staffPanel, &tradePanel};
    openPanel = nullptr;
    placeOnScreen(screenSize);
}

void GUI::placeOnScreen(sf::Vector2f size) {
    screenSize = size;
    const sf::Vector2f barBefore = bar.getPosition();
    const sf::Vector2f panelBefore = openPanel != nullptr ? openPanel->getPosition() : barBefore;
    // The outer corners hang off the screen at every edge they touch.
    bar.setPosition(-EdgeOverhang, size.y - bar.getSize().y + EdgeOverhang);
    balancePanel.setPosition(size.x - balancePanel.getSize().x + EdgeOverhang, -EdgeOverhang);
    mainMenuPanel.setPosition(size.x - mainMenuPanel.getSize().x + EdgeOverhang,
                              size.y - mainMenuPanel.getSize().y + EdgeOverhang);
    for (std::size_t i = 0; i < panels.size(); ++i)
        placePopUpPanel(*panels[i], PanelBarElements[i]);
    alertList.place(size.x, balancePanel.getPosition().y + balancePanel.getSize().y + 6.f,
                    mainMenuPanel.getPosition().y - 10.f);
    // The frames stay on the buttons they mark.
    if (highlights.size() > ToolHighlight) {
        highlights[PanelHighlight].move(bar.getPosition() - barBefore);
        if (openPanel != nullptr)
            highlights[ToolHighlight].move(openPanel->getPosition() - panelBefore);
    }
}

void GUI::makeHighlights() {
    highlights.clear();
    for (unsigned i = 0; i < highlightCount; ++i) {
        sf::RectangleShape frame(sf::Vector2f(1.f, 1.f));
        frame.setFillColor(sf::Color::Transparent);
        frame.setOutlineColor(sf::Color::Transparent);
        frame.setOutlineThickness(3.f);
        frame.setPosition(-100.f, -100.f);
        highlights.push_back(frame);
    }
}

void GUI::prepareMenu(Menu& menu, float margin, float spacing) {
    menu.clear();
    if (font != nullptr)
        menu.setFont(*font);
    menu.resetBackground();
    menu.setGame(game);
    menu.setMargins(margin, margin);
    menu.setSpacing(spacing);
}

void GUI::buildBar() {
    prepareMenu(bar, barMargin, barSpacing);
    auto row = std::make_unique<MenuRowContainer>();
    row->setSpacing(barSpacing);
    row->add(std::make_unique<MenuSpacer>(nullptr, EdgeOverhang, 1.f));
    for (int element : BarElements) {
        auto button = std::make_unique<MenuImageButton>(nullptr, game, CategoryPanel, element);
        button->setSize(barButtonWidth, barButtonHeight);
        row->add(std::move(button));
    }
    row->update();
    bar.add(std::move(row));
    bar.add(std::make_unique<MenuSpacer>(nullptr, 1.f, EdgeOverhang));
    bar.layout();
    bar.setOpen(true);
}

void GUI::buildBalancePanel() {
    prepareMenu(balancePanel, barMargin, barSpacing);
    balancePanel.add(std::make_unique<MenuSpacer>(nullptr, 5.f, EdgeOverhang));
    auto row = std::make_unique<MenuRowContainer>();
    auto caption = std::make_unique<MenuLabel>(nullptr, balancePanel.getFont());
    caption->setAlignment(MenuLabel::AlignLeft);
    caption->setText("Kontostand: ");
    caption->setSize(130.f, 15.f);
    row->add(std::move(caption));
    auto balance = std::make_unique<MenuLabel>(nullptr, balancePanel.getFont());
    balance->setAlignment(MenuLabel::AlignRight);
    balance->setText("0,00");
    balance->setSize(200.f, 20.f);
    balanceLabel = row->add(std::move(balance));
    row->add(std::make_unique<MenuSpacer>(nullptr, EdgeOverhang, 1.f));
    row->update();
    balancePanel.add(std::move(row));
    balancePanel.add(std::make_unique<MenuSpacer>(nullptr, 1.f, 1.f));
    balancePanel.layout();
    balancePanel.setOpen(true);
}

void GUI::buildMainMenuPanel() {
    prepareMenu(mainMenuPanel, barMargin, barSpacing);
    auto row = std::make_unique<MenuRowContainer>();
    auto button =
        std::make_unique<MenuButton>(nullptr, game, mainMenuPanel.getFont(), ButtonMainMenu);
    button->setSize(mainMenuButtonWidth, mainMenuButtonHeight);
    row->add(std::move(button));
    row->add(std::make_unique<MenuSpacer>(nullptr, EdgeOverhang, 1.f));
    row->update();
    mainMenuPanel.add(std::move(row));
    mainMenuPanel.add(std::make_unique<MenuSpacer>(nullptr, 1.f, EdgeOverhang));
    mainMenuPanel.layout();
    mainMenuPanel.setOpen(true);
}

void GUI::buildPopUpPanel(Menu& panel, const ButtonList& buttons) {
    prepareMenu(panel, panelMargin, panelSpacing);
    auto columns = std::make_unique<MenuColumnContainer>();
    columns->setColumnCount(PanelColumns);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto button =
            std::make_unique<MenuImageButton>(nullptr, game, buttons[i].first, buttons[i].second);
        button->setSize(panelButtonWidth, panelButtonHeight);
        columns->addElement(static_cast<int>(i % PanelColumns), std::move(button));
    }
    columns->setSize(PanelColumns * panelButtonWidth + (PanelColumns - 1) * panelSpacing, 0.f);
    panel.add(std::move(columns));
    panel.layout();
    panel.setOpen(true);
}

void GUI::placePopUpPanel(Menu& panel, int barElement) {
    // Centred over its bar button, inside the screen.
    const MenuImageButton* barButton = findButton(CategoryPanel, barElement);
    const sf::Vector2f size = panel.getSize();
    float x = 0.f;
    if (barButton != nullptr)
        x = bar.getAbsolutePosition(barButton).x - size.x / 2.f + barButton->getSize().x / 2.f;
    const float y = bar.getPosition().y - size.y - 2.f;
    panel.setPosition(std::clamp(x, 0.f, screenSize.x), std::clamp(y, 0.f, screenSize.y));
}

MenuImageButton* GUI::findButton(int category, int element) const {
    const Menu* menus[] = {&bar,        &tilesPanel, &zonesPanel, &furnishingPanel,
                           &staffPanel, &tradePanel};
    for (const Menu* menu : menus)
        for (MenuElement* candidate : menu->getAllElements()) {
            auto* button = dynamic_cast<MenuImageButton*>(candidate);
            if (button != nullptr && button->getImageKind() == category &&
                button->getImageId() == element)
                return button;
        }
    return nullptr;
}

void GUI::setBalanceText(const std::string& text, bool belowZero) {
    if (balanceLabel == nullptr)
        return;
    balanceLabel->setText(text);
    balanceLabel->setTextColor(belowZero ? NegativeBalanceColor : sf::Color::Black);
}

std::string GUI::getBalanceText() const {
    return balanceLabel != nullptr ? balanceLabel->getText() : std::string();
}
