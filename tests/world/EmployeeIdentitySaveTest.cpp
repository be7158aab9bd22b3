#include "SaveFileTestSupport.hpp"

#include "actors/Employee.hpp"
#include "actors/Truck.hpp"
#include "params/Texts.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <vector>

using SaveFileTest::TestGame;

namespace {

// Who everyone on the level is, the truck's driver too: by id, the name,
// the skills and the salary.
using People = std::map<int, std::tuple<std::string, std::map<SkillType, float>, float>>;

People EveryoneOn(const Level& level) {
    std::vector<const Employee*> everyone;
    for (const auto& employee : level.getEmployees()) {
        everyone.push_back(employee.get());
    }
    if (const Truck* truck = level.getActiveTruck(); truck && truck->getDriver()) {
        everyone.push_back(truck->getDriver());
    }
    People people;
    for (const Employee* someone : everyone) {
        people[someone->getId()] = {someone->getFullName(), someone->getSkills(),
                                    someone->getSalary()};
    }
    return people;
}

} // namespace

TEST(EmployeeIdentitySave, EveryEmployeeAndTheDriverComeBackAsTheSamePeople) {
    GameParams::Texts::Init();
    TestGame game;
    SaveFileTest::BuildBusyFactory(*game.level);
    // A goods-in place, so that the ordered steel calls a truck.
    game.level->buyTile(TileFloor, SaveFileTest::Px(30), SaveFileTest::Px(13));
    game.level->buyZone(ZoneGoodsIn, SaveFileTest::Px(30), SaveFileTest::Px(13));
    for (int frames = 0; frames < 2000 && !game.level->getActiveTruck(); ++frames) {
        game.advance(1);
    }
    const People before = EveryoneOn(*game.level);
    ASSERT_EQ(before.size(), 4u);
    ASSERT_TRUE(game.level->save("identity_save"));
    game.level.reset();

    TestGame reloaded;
    ASSERT_TRUE(reloaded.load("identity_save"));
    EXPECT_TRUE(before == EveryoneOn(*reloaded.level));
    std::remove("identity_save");
}

// A file written before the skills were saved: its employees draw them on
// loading, from the same numbers in the same order as they always did, and
// keep the salary the file gives them.
TEST(EmployeeIdentitySave, AnOldFileDrawsTheSkillsItAlwaysDrew) {
    // The game's own name lists: names are drawn before the skills.
    GameParams::Texts::Init();
    TestGame game;
    ASSERT_TRUE(game.load(OSTRAVEL_FUZZ_CORPUS "/small_staffed"));
    std::vector<std::pair<std::map<SkillType, float>, float>> loaded;
    for (const auto& employee : game.level->getEmployees()) {
        loaded.emplace_back(employee->getSkills(), employee->getSalary());
    }
    const std::vector<std::pair<std::map<SkillType, float>, float>> drawnBefore = {
        {{{SkillWalkingSpeed, 22.f}, {SkillWorkingSpeed, 74.f}, {SkillResearchSpeed, 71.f}}, 290.f},
        {{{SkillWalkingSpeed, 67.f}, {SkillWorkingSpeed, 64.f}, {SkillResearchSpeed, 30.f}}, 180.f},
        {{{SkillWalkingSpeed, 65.f}, {SkillWorkingSpeed, 27.f}, {SkillResearchSpeed, 99.f}},
         266.f}};
    EXPECT_EQ(loaded, drawnBefore);
}
