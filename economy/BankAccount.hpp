#pragma once

#include <istream>
#include <ostream>
#include <string>

// The player's money. Every expense and income of the game is booked here by
// the part that causes it; the HUD redraws the balance only when it changed.
class BankAccount {
public:
    explicit BankAccount(double balance = 20000.0) : balance(balance) {}

    // Negative and non-finite amounts are ignored and leave the changed flag
    // alone. Expenses
    // are booked unchecked: wages may overdraw the account.
    void bookExpense(double amount);
    void bookIncome(double amount);

    bool canAfford(double price) const { return balance >= price; }
    // Books the price only if the balance covers it, so a purchase never
    // overdraws the account.
    bool purchase(double price);

    double getBalance() const { return balance; }
    bool hasChanged() const { return changed; }
    void clearChanged() { changed = false; }

    // Fixed notation with two decimals in the game's own locale.
    std::string getBalanceText() const;

    bool save(std::ostream& out) const;
    // Leaves the account untouched unless the whole record is read and valid.
    bool load(std::istream& in);

private:
    double balance;
    bool changed = true; // not saved: set again by every load
};
