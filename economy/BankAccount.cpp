#include "economy/BankAccount.hpp"

#include "economy/MoneyText.hpp"
#include "persist/ExactNumber.hpp"
#include "persist/RecordStart.hpp"

#include <cmath>
#include <iostream>

namespace {

// Stored in the save record.
constexpr float RecordVersion = 0.1f;
const char* const RecordHeader = "BankAccount";

// A price computed from a broken table must not turn the balance into a
// value that can no longer be saved and read back.
bool isBookable(double amount) {
    return std::isfinite(amount) && amount >= 0.0;
}

} // namespace

void BankAccount::bookExpense(double amount) {
    if (!isBookable(amount)) {
        return;
    }
    balance -= amount;
    changed = true;
}

void BankAccount::bookIncome(double amount) {
    if (!isBookable(amount)) {
        return;
    }
    balance += amount;
    changed = true;
}

bool BankAccount::purchase(double price) {
    if (!canAfford(price)) {
        return false;
    }
    bookExpense(price);
    return true;
}

std::string BankAccount::getBalanceText() const {
    return MoneyText(balance);
}

bool BankAccount::save(std::ostream& out) const {
    out << RecordHeader << ' ' << RecordVersion << ' ' << GameParams::Save::Exact<double>{balance};
    return !out.fail();
}

bool BankAccount::load(std::istream& in) {
    if (!GameParams::Load::RecordStart(in, "BankAccount::load()", RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::Refuse)) {
        return false;
    }
    double loaded = 0.0;
    if (!(in >> loaded)) {
        return false;
    }
    if (!std::isfinite(loaded)) {
        std::cout << "BankAccount::load() - Kontostand ungueltig!" << std::endl;
        return false;
    }
    balance = loaded;
    changed = true;
    return true;
}
