#pragma once

#include "ui/Menu.hpp"
#include "ui/MenuLabel.hpp"

#include <string>
#include <utility>
#include <vector>

class Game;
class MenuButton;
class MenuLabel;

// The common frame of the game's dialogs: a centred title on top, a row of
// two equal buttons at the bottom, centred in the window.
namespace DialogLayout {

// Every dialog's title in one size, whatever its letters.
constexpr float TitleHeight = 38.f;
constexpr unsigned TitleCharacterSize = 30;
// The row of column titles over a list, in every dialog alike.
constexpr float ColumnHeaderHeight = 22.f;

// Clears the dialog, gives it the game and its font, and adds the title.
MenuLabel* Start(Menu& menu, Game* game, const sf::Font& font, const std::string& title,
                 float width);
// Buttons side by side, each in a column of equal weight.
std::vector<MenuButton*> AddButtons(Menu& menu, const std::vector<int>& kinds, float width);
// Two buttons side by side, each in a column of equal weight.
std::pair<MenuButton*, MenuButton*> AddButtonRow(Menu& menu, int leftKind, int rightKind,
                                                 float width);
// One button in the middle of a row of the given width.
MenuButton* AddCentredButton(Menu& menu, int kind, float width);
// Lays the dialog out and centres it in the window. The open flag is left
// alone: a dialog rebuilt while on the stack must stay closable.
void Finish(Menu& menu);
// In the middle of the game's interface, whatever the window's size.
void Centre(Menu& menu);

// A line of text under a dialog's list: the totals of what is chosen, or
// the answer to the dialog's action (why it was refused, what was done).
class DialogLine : public MenuLabel {
public:
    enum Role { Totals, Note };
    DialogLine(const sf::Font& font, Role role) : MenuLabel(nullptr, font), role(role) {}
    Role getRole() const { return role; }

private:
    Role role;
};

DialogLine* AddLine(Menu& menu, DialogLine::Role role, float width);
// Null when the dialog has no line of that role.
DialogLine* FindLine(const Menu& menu, DialogLine::Role role);
// Sets the text of the dialog's line of that role, red for a refusal.
void ShowLine(const Menu& menu, DialogLine::Role role, const std::string& text,
              bool refused = false);

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
