#include "economy/BankAccount.hpp"

#include "persist/ExactNumber.hpp"

#include <cmath>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace {

// Stored in the save record.
constexpr float RecordVersion = 0.1f;

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
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << balance;
    return text.str();
}

bool BankAccount::save(std::ostream& out) const {
    out << "BankAccount " << RecordVersion << ' ' << GameParams::Save::Exact<double>{balance};
    return !out.fail();
}

bool BankAccount::load(std::istream& in) {
    std::string header;
    if (!(in >> header)) {
        return false;
    }
    if (header != "BankAccount") {
        std::cout << "BankAccount::load() - Header ungueltig!" << std::endl;
        return false;
    }
    float version = 0.0f;
    if (!(in >> version)) {
        return false;
    }
    if (version != RecordVersion) {
        std::cout << "BankAccount::load() - Version nicht unterstuetzt!" << std::endl;
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
