#pragma once

#include "ui/Menu.hpp"

#include <string>
#include <utility>

class Game;
class MenuButton;
class MenuLabel;

// The common frame of the game's dialogs: a centred title on top, a row of
// two equal buttons at the bottom, centred in the window.
namespace DialogLayout {

constexpr float TitleHeight = 30.f;

// Clears the dialog, gives it the game and its font, and adds the title.
MenuLabel* Start(Menu& menu, Game* game, const sf::Font& font, const std::string& title,
                 float width);
// Two buttons side by side, each in a column of equal weight.
std::pair<MenuButton*, MenuButton*> AddButtonRow(Menu& menu, int leftKind, int rightKind,
                                                 float width);
// Lays the dialog out and centres it in the window. The open flag is left
// alone: a dialog rebuilt while on the stack must stay closable.
// One button in the middle of a row of the given width.
MenuButton* AddCentredButton(Menu& menu, int kind, float width);
void Finish(Menu& menu);
void Centre(Menu& menu);

// The first element of that class in the dialog's tree, or null.
template <class Element> Element* FindFirst(const Menu& menu) {
    for (MenuElement* element : menu.getAllElements())
        if (auto* found = dynamic_cast<Element*>(element))
            return found;
    return nullptr;
}

// Every element of that class in the dialog's tree, in walk order.
template <class Element> std::vector<Element*> FindAll(const Menu& menu) {
    std::vector<Element*> found;
    for (MenuElement* element : menu.getAllElements())
        if (auto* match = dynamic_cast<Element*>(element))
            found.push_back(match);
    return found;
}

} // namespace DialogLayout
