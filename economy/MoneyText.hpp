#pragma once

#include <string>

// An amount of money as the HUD shows the balance: two decimals in the
// process-wide locale ("1.234,00" for a German player).
std::string MoneyText(double amount);
