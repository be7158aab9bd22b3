#include "economy/BankAccount.hpp"

#include <gtest/gtest.h>

#include <iostream>
#include <limits>
#include <locale>
#include <sstream>

namespace {

struct LoadResult {
    bool ok;
    std::string printed;
};

LoadResult LoadRecord(BankAccount& account, const std::string& text) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::ostringstream captured;
    std::streambuf* previous = std::cout.rdbuf(captured.rdbuf());
    const bool ok = account.load(in);
    std::cout.rdbuf(previous);
    return {ok, captured.str()};
}

std::string Record(const BankAccount& account) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    EXPECT_TRUE(account.save(out));
    return out.str();
}

} // namespace

TEST(BankAccount, NewAccountHoldsTheStartingCapital) {
    const BankAccount account;
    EXPECT_DOUBLE_EQ(account.getBalance(), 20000.0);
    EXPECT_TRUE(account.hasChanged());
    EXPECT_EQ(account.getBalanceText(), "20000.00");
}

TEST(BankAccount, PurchaseOfTheWholeBalanceLeavesNothing) {
    BankAccount account(125.5);
    account.clearChanged();
    EXPECT_TRUE(account.canAfford(125.5));
    EXPECT_TRUE(account.purchase(125.5));
    EXPECT_DOUBLE_EQ(account.getBalance(), 0.0);
    EXPECT_TRUE(account.hasChanged());
}

TEST(BankAccount, UnaffordablePurchaseIsRefusedAndBooksNothing) {
    BankAccount account(100.0);
    account.clearChanged();
    EXPECT_FALSE(account.canAfford(100.01));
    EXPECT_FALSE(account.purchase(100.01));
    EXPECT_DOUBLE_EQ(account.getBalance(), 100.0);
    EXPECT_FALSE(account.hasChanged());
}

TEST(BankAccount, WagesMayOverdraw) {
    BankAccount account(10.0);
    account.bookExpense(25.0);
    EXPECT_DOUBLE_EQ(account.getBalance(), -15.0);
    EXPECT_EQ(account.getBalanceText(), "-15.00");
}

TEST(BankAccount, NegativeOrNonFiniteAmountsBookNothingAndKeepTheFlag) {
    BankAccount account(50.0);
    account.clearChanged();
    account.bookExpense(-5.0);
    account.bookIncome(-5.0);
    EXPECT_DOUBLE_EQ(account.getBalance(), 50.0);
    EXPECT_FALSE(account.hasChanged());
    account.bookExpense(std::numeric_limits<double>::quiet_NaN());
    account.bookIncome(std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(account.getBalance(), 50.0);
    EXPECT_FALSE(account.hasChanged());
    account.bookIncome(0.126);
    EXPECT_TRUE(account.hasChanged());
    EXPECT_EQ(account.getBalanceText(), "50.13");
}

TEST(BankAccount, RecordRoundTrip) {
    BankAccount account(20000);
    EXPECT_EQ(Record(account), "BankAccount 0.1 20000");
    BankAccount loaded;
    loaded.clearChanged();
    const auto result = LoadRecord(loaded, "BankAccount 0.1 -310.75");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.printed, "");
    EXPECT_DOUBLE_EQ(loaded.getBalance(), -310.75);
    EXPECT_TRUE(loaded.hasChanged());
}

TEST(BankAccount, ALargeBalanceKeepsItsCentsThroughASave) {
    // Six significant digits once wrote 1234567.25 as 1.23457e+06.
    const BankAccount account(1234567.25);
    BankAccount loaded;
    ASSERT_TRUE(LoadRecord(loaded, Record(account)).ok);
    EXPECT_EQ(loaded.getBalance(), 1234567.25);
}

TEST(BankAccount, FailedLoadsReportAndChangeNothing) {
    struct Case {
        std::string text;
        std::string printed;
    };
    const Case cases[] = {
        {"Bankaccount 0.1 5", "BankAccount::load() - Header ungueltig!\n"},
        {"BankAccount 0.2 5", "BankAccount::load() - Version nicht unterstuetzt!\n"},
        {"BankAccount 0.1", ""},
        {"BankAccount 0.1 zehn", ""},
        {"BankAccount 0.1 1e999", ""},
    };
    for (const auto& c : cases) {
        BankAccount account(77.0);
        account.clearChanged();
        const auto result = LoadRecord(account, c.text);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.printed, c.printed) << c.text;
        EXPECT_DOUBLE_EQ(account.getBalance(), 77.0) << c.text;
        EXPECT_FALSE(account.hasChanged()) << c.text;
    }
}
