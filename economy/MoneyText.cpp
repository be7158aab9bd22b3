#include "economy/MoneyText.hpp"

#include <iomanip>
#include <sstream>

std::string MoneyText(double amount) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << amount;
    return text.str();
}
