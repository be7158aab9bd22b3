// Buying and selling as the order and sell dialogs do: at the current price
// rounded to cents, no more than the dialog lets the player choose.

#include "Runner.hpp"

#include "TypeNames.hpp"

#include <cmath>

namespace {

// The dialogs show and trade at the price rounded to cents.
float DialogPrice(const std::map<ItemType, float>& prices, ItemType type) {
    const auto found = prices.find(type);
    return found == prices.end() ? -1.f : std::roundf(found->second * 100.f) / 100.f;
}

} // namespace

int Runner::commandBuy(const Line& line) {
    int count = 0;
    if (!hasWords(line, 3, 3) || !readInt(line, 2, count) || count < 0)
        return fail(line, "usage: buy ITEM N");
    const auto item = SimNames::ParseItem(line.words[1]);
    if (!item)
        return fail(line, "unknown item '" + line.words[1] + "'");
    // An amount of 0 is left out of the order.
    if (count == 0)
        return SimOk;
    const float price = DialogPrice(level->buyPrices(), *item);
    // The level refuses more than the market supplies: the dialog's limit.
    if (price < 0.f || !level->buyItems(price, *item, static_cast<unsigned>(count)))
        refuse(line);
    return SimOk;
}

int Runner::commandSell(const Line& line) {
    int count = 0;
    if (!hasWords(line, 3, 3) || !readInt(line, 2, count) || count < 0)
        return fail(line, "usage: sell ITEM N");
    const auto item = SimNames::ParseItem(line.words[1]);
    if (!item)
        return fail(line, "unknown item '" + line.words[1] + "'");
    if (count == 0)
        return SimOk;
    const float price = DialogPrice(level->sellPrices(), *item);
    // The level refuses more than the market wants or storage holds unsold.
    if (price < 0.f || !level->sellItems(*item, static_cast<unsigned>(count), price))
        refuse(line);
    return SimOk;
}

int Runner::commandMoney(const Line& line) {
    double amount = 0.0;
    if (!hasWords(line, 2, 2) || !readNumber(line, 1, amount) || !std::isfinite(amount))
        return fail(line, "usage: money AMOUNT");
    BankAccount& account = level->getBankAccount();
    if (amount >= 0.0)
        account.bookIncome(amount);
    else
        account.bookExpense(-amount);
    return SimOk;
}
