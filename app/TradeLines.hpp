#pragma once

#include "params/Enums.hpp"

#include <map>
#include <string>

class Menu;

// The order and sell dialogs' figures beside the market's offer.
namespace TradeLines {

// What the chosen amounts come to at the entries' prices.
double ChosenTotal(const Menu& menu);
bool AnyChosen(const Menu& menu);
// Puts what the player holds of each item into its line, and the titles
// over the columns.
void ShowHeldAndTitles(Menu& menu, const std::map<ItemType, unsigned>& held,
                       const std::string& heldTitle);

} // namespace TradeLines
