#include "app/DialogLayout.hpp"

#include "app/Game.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuColumnContainer.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuSpacer.hpp"

#include <algorithm>
#include <memory>

namespace DialogLayout {

MenuLabel* Start(Menu& menu, Game* game, const sf::Font& font, const std::string& title,
                 float width) {
    menu.clear();
    menu.setFont(font);
    menu.resetBackground();
    menu.setGame(game);
    MenuLabel* label = menu.addLabel(MenuLabel::AlignCentre, title, width, TitleHeight);
    label->setLargestCharacterSize(TitleCharacterSize);
    return label;
}

std::vector<MenuButton*> AddButtons(Menu& menu, const std::vector<int>& kinds, float width) {
    auto row = std::make_unique<MenuColumnContainer>();
    row->setColumnCount(static_cast<int>(kinds.size()));
    std::vector<std::unique_ptr<MenuButton>> made;
    float height = 0.f;
    for (const int kind : kinds) {
        // The buttons draw with the menu's font, which lives as long as they do.
        made.push_back(
            std::make_unique<MenuButton>(row.get(), menu.getGame(), menu.getFont(), kind));
        height = std::max(height, made.back()->getSize().y);
    }
    // A button fits its caption's ink: "Übernehmen" beside "Abbrechen" would
    // stand taller by the dots on its U.
    std::vector<MenuButton*> buttons;
    for (std::size_t column = 0; column < made.size(); ++column) {
        made[column]->setSize(made[column]->getSize().x, height);
        buttons.push_back(made[column].get());
        row->addElement(static_cast<int>(column), std::move(made[column]));
    }
    // Laid out once here so the menu knows the row's height.
    row->setSize(width, 0.f);
    menu.add(std::move(row));
    return buttons;
}

std::pair<MenuButton*, MenuButton*> AddButtonRow(Menu& menu, int leftKind, int rightKind,
                                                 float width) {
    const std::vector<MenuButton*> buttons = AddButtons(menu, {leftKind, rightKind}, width);
    return {buttons[0], buttons[1]};
}

MenuButton* AddCentredButton(Menu& menu, int kind, float width) {
    // The middle one of three columns: a lone button as wide as the dialog
    // would read as a bar rather than a button.
    auto row = std::make_unique<MenuColumnContainer>();
    row->setColumnCount(3);
    auto button = std::make_unique<MenuButton>(row.get(), menu.getGame(), menu.getFont(), kind);
    MenuButton* added = button.get();
    row->addElement(0, std::make_unique<MenuSpacer>(row.get(), 0.f, 0.f));
    row->addElement(1, std::move(button));
    row->addElement(2, std::make_unique<MenuSpacer>(row.get(), 0.f, 0.f));
    row->setSize(width, 0.f);
    menu.add(std::move(row));
    return added;
}

namespace {

// One size for every line, whatever letters it holds.
constexpr unsigned LineCharacterSize = 16;
constexpr float LineHeight = 22.f;
const sf::Color RefusedColour(190, 0, 0);

} // namespace

DialogLine* AddLine(Menu& menu, DialogLine::Role role, float width) {
    auto line = std::make_unique<DialogLine>(menu.getFont(), role);
    line->setAlignment(MenuLabel::AlignLeft);
    line->setSize(width, LineHeight);
    line->setLargestCharacterSize(LineCharacterSize);
    return menu.add(std::move(line));
}

DialogLine* FindLine(const Menu& menu, DialogLine::Role role) {
    for (DialogLine* line : FindAll<DialogLine>(menu))
        if (line->getRole() == role)
            return line;
    return nullptr;
}

void ShowLine(const Menu& menu, DialogLine::Role role, const std::string& text, bool refused) {
    if (DialogLine* line = FindLine(menu, role)) {
        line->setTextColor(refused ? RefusedColour : sf::Color::Black);
        line->setText(text);
    }
}

void Finish(Menu& menu) {
    menu.layout();
    Centre(menu);
}

void Centre(Menu& menu) {
    const sf::Vector2f size = menu.getSize();
    const sf::Vector2f screen = menu.getGame() != nullptr
                                    ? menu.getGame()->getGuiSize()
                                    : sf::Vector2f(Game::WindowWidth, Game::WindowHeight);
    menu.setPosition((screen.x - size.x) / 2.f, (screen.y - size.y) / 2.f);
}

} // namespace DialogLayout
