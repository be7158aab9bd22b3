#include "actors/Need.hpp"

#include "params/Random.hpp"
#include "tests/persist/StreamTestSupport.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string Saved(const Need& need) {
    auto out = ClassicOutput();
    EXPECT_TRUE(need.save(out));
    return out.str();
}

std::string LoadFails(const std::string& text) {
    Need need(NeedToilet);
    auto in = ClassicInput(text);
    CapturedOutput printed;
    EXPECT_FALSE(need.load(in)) << text;
    return printed.text();
}

// A need type with every value below its low trigger.
Need Calm(NeedType type) {
    Need need(type);
    need.setValue(0.f);
    return need;
}

} // namespace

TEST(NeedConstruction, DrawsTheValueThenTheTriggerOffset) {
    std::srand(7);
    const int value = GameParams::Random() % 30;
    const int offset = GameParams::Random() % 20;
    const int next = std::rand();

    std::srand(7);
    const Need food(NeedFood);
    EXPECT_EQ(std::rand(), next);
    EXPECT_FLOAT_EQ(food.getValue(), static_cast<float>(value));
    EXPECT_FLOAT_EQ(food.getTriggerLow(), 40.f + offset);
    EXPECT_FLOAT_EQ(food.getTriggerMedium(), 60.f + offset);
    EXPECT_FLOAT_EQ(food.getTriggerHigh(), std::min(80.f + offset, 100.f));
    EXPECT_FLOAT_EQ(food.getRiseCoefficient(), 0.05f);
    EXPECT_FLOAT_EQ(food.getFallCoefficient(), 20.f);
    EXPECT_FALSE(food.isLocked());
    EXPECT_FLOAT_EQ(food.getLockTime(), 5.f);
}

TEST(NeedConstruction, TheWorkNeedDrawsButKeepsItsFixedValues) {
    std::srand(11);
    std::rand();
    std::rand();
    const int next = std::rand();
    std::srand(11);
    const Need work(NeedWork);
    EXPECT_EQ(std::rand(), next);
    EXPECT_FLOAT_EQ(work.getValue(), 1.f);
    EXPECT_FLOAT_EQ(work.getTriggerLow(), 1.f);
    EXPECT_FLOAT_EQ(work.getTriggerMedium(), 10.f);
    EXPECT_FLOAT_EQ(work.getTriggerHigh(), 100.f);
    EXPECT_FLOAT_EQ(work.getRiseCoefficient(), 0.f);
    EXPECT_FLOAT_EQ(work.getFallCoefficient(), 0.f);
}

TEST(NeedConstruction, CoefficientsByType) {
    const std::vector<std::pair<NeedType, std::pair<float, float>>> table = {
        {NeedSmoke, {2.f, 120.f}}, {NeedToilet, {0.1f, 40.f}}, {NeedFood, {0.05f, 20.f}},
        {NeedSocial, {2.f, 10.f}}, {NeedCoffee, {0.2f, 80.f}}, {static_cast<NeedType>(9), {0, 0}},
    };
    for (const auto& [type, rates] : table) {
        const Need need(type);
        EXPECT_FLOAT_EQ(need.getRiseCoefficient(), rates.first) << type;
        EXPECT_FLOAT_EQ(need.getFallCoefficient(), rates.second) << type;
    }
}

TEST(NeedUpdate, RisesToAtMostTheMaximumInThreeDecimals) {
    Need coffee(NeedCoffee);
    coffee.setValue(10.f);
    coffee.update(0.0123f);
    EXPECT_FLOAT_EQ(coffee.getValue(), 10.002f);
    coffee.update(10000.f);
    EXPECT_FLOAT_EQ(coffee.getValue(), 100.f);
}

TEST(NeedUpdate, TheLockRunsOutOnlyAfterTheLockTime) {
    Need toilet(NeedToilet);
    toilet.lock();
    toilet.update(3.f);
    EXPECT_TRUE(toilet.isLocked());
    EXPECT_FLOAT_EQ(toilet.getLockTimer(), 3.f);
    toilet.update(2.f);
    EXPECT_TRUE(toilet.isLocked()) << "exactly the lock time is not beyond it";
    toilet.update(0.5f);
    EXPECT_FALSE(toilet.isLocked());
    EXPECT_FLOAT_EQ(toilet.getLockTimer(), 0.f);
    toilet.lock();
    EXPECT_TRUE(toilet.isLocked());
    EXPECT_FLOAT_EQ(toilet.getLockTimer(), 0.f);
}

TEST(NeedSatisfy, FallsToTheMinimumAndHandsBackTheUnusedTime) {
    Need toilet(NeedToilet);
    toilet.setValue(10.f);
    EXPECT_FLOAT_EQ(toilet.satisfy(0.125f), 0.f);
    EXPECT_FLOAT_EQ(toilet.getValue(), 5.f);
    // 5 more units take an eighth of a minute at 40 per minute.
    EXPECT_FLOAT_EQ(toilet.satisfy(1.f), 0.875f);
    EXPECT_FLOAT_EQ(toilet.getValue(), 0.f);

    Need work(NeedWork);
    EXPECT_FLOAT_EQ(work.satisfy(2.f), 0.f);
    EXPECT_FLOAT_EQ(work.getValue(), 1.f);
}

TEST(NeedMood, CalmNeedsGiveFullMoodAndTheWorkNeedNeverCounts) {
    std::map<NeedType, Need> needs = {{NeedWork, Need(NeedWork)},
                                      {NeedToilet, Calm(NeedToilet)},
                                      {NeedFood, Calm(NeedFood)},
                                      {NeedCoffee, Calm(NeedCoffee)}};
    needs.at(NeedWork).setValue(100.f);
    EXPECT_NEAR(Need::UpdateAll(needs, 0.f), 100.f, 1e-3f);

    // A need at its high trigger takes away its whole share; half-way, half.
    Need& food = needs.at(NeedFood);
    food.setValue(food.getTriggerHigh());
    EXPECT_NEAR(Need::UpdateAll(needs, 0.f), 200.f / 3.f, 1e-3f);
    food.setValue((food.getTriggerLow() + food.getTriggerHigh()) / 2.f);
    EXPECT_NEAR(Need::UpdateAll(needs, 0.f), 250.f / 3.f, 1e-2f);
}

TEST(NeedMood, UpdatingAdvancesEveryNeed) {
    std::map<NeedType, Need> needs = {{NeedToilet, Calm(NeedToilet)},
                                      {NeedCoffee, Calm(NeedCoffee)}};
    needs.at(NeedToilet).lock();
    Need::UpdateAll(needs, 10.f);
    EXPECT_FLOAT_EQ(needs.at(NeedToilet).getValue(), 1.f);
    EXPECT_FLOAT_EQ(needs.at(NeedCoffee).getValue(), 2.f);
    EXPECT_FALSE(needs.at(NeedToilet).isLocked());
}

TEST(NeedRecord, RoundTripsEveryFieldButTheLockTime) {
    Need original(NeedCoffee);
    original.setValue(12.345f);
    original.lock();
    original.update(1.5f);
    const std::string text = Saved(original);
    EXPECT_EQ(text.rfind("NEED 0.1 5 12.645 0.2 80 ", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 6), " 1 1.5");

    Need loaded(NeedToilet);
    auto in = ClassicInput(text);
    ASSERT_TRUE(loaded.load(in));
    EXPECT_EQ(loaded.getType(), NeedCoffee);
    EXPECT_TRUE(loaded.isLocked());
    EXPECT_FLOAT_EQ(loaded.getLockTime(), 5.f);
    EXPECT_EQ(Saved(loaded), text);
}

TEST(NeedRecord, EveryLoadFailureHasItsLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"NEEDS 0.1 2 5 0.1 40 50 70 90 0 0", "Header ungueltig!"},
        {"NEED 0.2 2 5 0.1 40 50 70 90 0 0", "Version nicht unterstuetzt!"},
        {"NEED 0.1 -1 5 0.1 40 50 70 90 0 0", "type ungueltig!"},
        {"NEED 0.1 2 100.5 0.1 40 50 70 90 0 0", "value ungueltig!"},
        {"NEED 0.1 2 -0.5 0.1 40 50 70 90 0 0", "value ungueltig!"},
        {"NEED 0.1 2 5 -0.1 40 50 70 90 0 0", "riseCoefficient ungueltig!"},
        {"NEED 0.1 2 5 0.1 -40 50 70 90 0 0", "fallCoefficient ungueltig!"},
        {"NEED 0.1 2 5 0.1 40 0 70 90 0 0", "triggerLow ungueltig!"},
        {"NEED 0.1 2 5 0.1 40 50 -70 90 0 0", "triggerMedium ungueltig!"},
        {"NEED 0.1 2 5 0.1 40 50 70 0 0 0", "triggerHigh ungueltig!"},
        {"NEED 0.1 2 5 0.1 40 50 70 90 1 -3", "lockTimer ungueltig!"},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(LoadFails(text), "Need::load() - " + message + "\n") << text;
    }
    EXPECT_EQ(LoadFails("NEED 0.1 2 5 0.1"), "");
}

TEST(NeedRecord, AFailedLoadKeepsTheNeed) {
    Need need(NeedFood);
    const std::string before = Saved(need);
    auto in = ClassicInput("NEED 0.1 2 100.5 0.1 40 50 70 90 0 0");
    CapturedOutput quiet;
    EXPECT_FALSE(need.load(in));
    EXPECT_EQ(Saved(need), before);
}
