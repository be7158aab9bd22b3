#include "actors/ApplicantPool.hpp"

#include "params/Random.hpp"
#include "params/TileSize.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class ApplicantPoolTest : public ::testing::Test {
protected:
    void SetUp() override { GameParams::SetTileSizeType(SIZE128PX); }

    std::vector<int> Ids() const {
        std::vector<int> ids;
        for (const auto& applicant : pool.getApplicants()) {
            ids.push_back(applicant.employee->getId());
        }
        return ids;
    }

    ApplicantPool pool;
};

} // namespace

TEST_F(ApplicantPoolTest, FillDrawsEachLifetimeBeforeItsApplicant) {
    std::srand(21);
    pool.fill();
    ASSERT_EQ(pool.size(), 5u);

    std::srand(21);
    const float lifetime = static_cast<float>(GameParams::Random() % 480 + 480);
    Employee replay;
    EXPECT_EQ(pool.getApplicants()[0].lifetime, lifetime);
    EXPECT_EQ(pool.getApplicants()[0].employee->getFullName(), replay.getFullName());
    EXPECT_EQ(pool.getApplicants()[0].employee->getSalary(), replay.getSalary());
    for (const auto& applicant : pool.getApplicants()) {
        EXPECT_GE(applicant.lifetime, 480.f);
        EXPECT_LT(applicant.lifetime, 960.f);
    }
}

TEST_F(ApplicantPoolTest, AnExpiredApplicantIsReplacedInItsPlace) {
    std::srand(5);
    pool.fill();
    const std::vector<int> before = Ids();
    const float first = pool.getApplicants()[0].lifetime;
    // Just enough for the shortest-lived one to leave, if it is the first.
    std::size_t shortest = 0;
    for (std::size_t i = 1; i < pool.size(); ++i) {
        if (pool.getApplicants()[i].lifetime < pool.getApplicants()[shortest].lifetime) {
            shortest = i;
        }
    }
    const float step = pool.getApplicants()[shortest].lifetime;
    pool.update(step);
    ASSERT_EQ(pool.size(), 5u);
    const std::vector<int> after = Ids();
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i == shortest) {
            EXPECT_NE(after[i], before[i]);
            EXPECT_GE(pool.getApplicants()[i].lifetime, 480.f);
        } else {
            EXPECT_EQ(after[i], before[i]);
        }
    }
    if (shortest != 0) {
        EXPECT_EQ(pool.getApplicants()[0].lifetime, first - step);
    }
}

TEST_F(ApplicantPoolTest, TakingLeavesAGapThatIsFilledAfterTheDelay) {
    pool.fill();
    const int second = Ids()[1];
    std::unique_ptr<Employee> taken = pool.take(1);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->getId(), second);
    EXPECT_EQ(pool.size(), 4u);

    pool.update(1.f);
    EXPECT_EQ(pool.getRefillTimer(), 50.f);
    pool.update(49.f);
    EXPECT_EQ(pool.size(), 4u);
    pool.update(1.f);
    EXPECT_EQ(pool.size(), 5u);
    EXPECT_EQ(pool.getRefillTimer(), -1.f);
}

TEST_F(ApplicantPoolTest, TakingOutOfRangeGivesNothing) {
    pool.fill();
    EXPECT_EQ(pool.take(5), nullptr);
    EXPECT_EQ(pool.size(), 5u);
}
