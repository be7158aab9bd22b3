// Research at office desks: who researches and how fast, what finished
// projects change in the rules (and that nothing changes before), and the
// research record at the end of the level's file.

#include "actors/Employee.hpp"
#include "actors/RecipeTable.hpp"
#include "actors/TruckLogistics.hpp"
#include "FactoryBuilding.hpp"
#include "LevelTestSupport.hpp"
#include "params/Random.hpp"

#include <cmath>
#include <sstream>

namespace {

// Gathers a project's whole cost at once.
void Finish(ResearchState& research, ResearchProject project) {
    ASSERT_TRUE(research.choose(project));
    ASSERT_TRUE(research.addPoints(Research::Find(project)->cost));
}

} // namespace

class ResearchTest : public LevelTest {
protected:
    void SetUp() override {
        LevelTest::SetUp();
        setBalance(1000000.0);
    }

    // A walled office (10, 10)-(14, 12) with a door below, and two desks
    // used from the cells below them.
    void buildOffice() {
        using namespace FactoryBuilding;
        Tiles(*level, TileWall, 9, 9, 15, 13);
        Tiles(*level, TileFloor, 10, 10, 14, 12);
        Zones(*level, ZoneOffice, 10, 10, 14, 12);
        Door(*level, 12, 13);
        ASSERT_TRUE(buyObject(ObjectDesk, 11, 10));
        ASSERT_TRUE(buyObject(ObjectDesk, 13, 10));
        level->update(0.3f);
    }

    // A worker at the office door whose research skill is the one asked for:
    // the applicants' skills are drawn, so the seed is searched for one.
    std::unique_ptr<Employee> researcher(bool skilled) {
        for (unsigned seed = 1;; ++seed) {
            GameParams::SeedRandom(seed);
            auto employee = std::make_unique<Employee>(level.get(), Employee::KindWorker, 12, 14);
            const float skill = employee->getSkills().at(SkillResearchSpeed);
            if ((skill > 50.f) == skilled && (skilled || skill == 0.f)) {
                employee->setTaskPriorities({TaskResearch});
                return employee;
            }
        }
    }

    // Drives the employee's own calls, without needs, for the game minutes.
    void work(Employee& employee, float minutes) {
        for (float spent = 0.f; spent < minutes; spent += 0.3f) {
            employee.requestWorkIfIdle(0.3f);
            employee.handleCurrentTask(0.3f);
            // The doors and the path searches.
            level->update(0.3f);
        }
    }

    std::vector<TaskType> kindsOfTargets(TaskType priority) {
        PathFindingItem request;
        level->findTargets(NeedWork, {priority}, Employee::KindWorker, request);
        return request.correspondingTasks;
    }
};

TEST_F(ResearchTest, DesksAreForResearchWhileAProjectIsChosenAndPointsFollowTheSkill) {
    buildOffice();
    ResearchState& research = level->getResearch();
    // No project: the desks stay somewhere to sit out work, as they always were.
    EXPECT_TRUE(kindsOfTargets(TaskResearch).empty());
    EXPECT_EQ(kindsOfTargets(TaskWork), std::vector<TaskType>(2, TaskWork));
    ASSERT_TRUE(research.choose(ResearchProject::Production1));
    EXPECT_EQ(kindsOfTargets(TaskResearch), std::vector<TaskType>(2, TaskResearch));
    EXPECT_TRUE(kindsOfTargets(TaskWork).empty());

    // Without any research skill the session is sat out and adds nothing.
    auto unskilled = researcher(false);
    work(*unskilled, 30.f);
    ASSERT_NE(unskilled->getLastObjectUsed(), nullptr);
    EXPECT_EQ(unskilled->getLastObjectUsed()->getObjType(), ObjectDesk);
    EXPECT_EQ(research.activePoints(), 0.f);

    auto skilled = researcher(true);
    work(*skilled, 60.f);
    const float skill = skilled->getSkills().at(SkillResearchSpeed);
    // At most a point per minute of skill 100 and full mood, less the walk.
    EXPECT_GT(research.activePoints(), 0.f);
    EXPECT_LT(research.activePoints(), 60.f * skill / 100.f);

    // A finished project leaves the desks to the next choice.
    research.addPoints(Research::Find(ResearchProject::Production1)->cost);
    EXPECT_FALSE(research.hasActive());
    EXPECT_TRUE(kindsOfTargets(TaskResearch).empty());
    EXPECT_FALSE(kindsOfTargets(TaskWork).empty());
}

TEST_F(ResearchTest, EachProductionStepTakesATenthOfEveryRecipesDurationOff) {
    ASSERT_TRUE(level->placeObject(ObjectWorkbench, 20, 20, 0.f));
    GameObject* bench = level->findObjectOnCell(ObjectWorkbench, 20, 20);
    ResearchState& research = level->getResearch();
    const ResearchProject steps[] = {ResearchProject::None, ResearchProject::Production1,
                                     ResearchProject::Production2, ResearchProject::Production3};
    for (int step = 0; step < 4; ++step) {
        if (step > 0)
            Finish(research, steps[step]);
        for (ItemType product : bench->getAvailableRecipes()) {
            const Recipe recipe = GameParams::GetRecipe(product);
            if (!recipe.isValid() || !recipe.ingredients.empty())
                continue;
            ASSERT_TRUE(bench->setRecipe(product));
            const float expected = recipe.duration * static_cast<float>(10 - step) / 10.f;
            EXPECT_EQ(bench->productionDuration(), expected) << product << " step " << step;
            // The run starts, is one minute short, then ends exactly on time.
            float dt = 0.f;
            bool finished = false;
            ASSERT_TRUE(bench->work(dt, finished));
            dt = expected - 1.f;
            ASSERT_TRUE(bench->work(dt, finished));
            EXPECT_FALSE(finished);
            dt = 1.f;
            ASSERT_TRUE(bench->work(dt, finished));
            EXPECT_TRUE(finished) << product << " step " << step;
            EXPECT_EQ(dt, 0.f);
            unsigned amount = 1;
            ASSERT_TRUE(bench->setItemInRetrieval(product, amount));
            amount = 1;
            ASSERT_TRUE(bench->takeOutput(product, amount));
        }
    }
}

TEST_F(ResearchTest, FinishedProjectsChangeTheirFiguresAndNothingElse) {
    ResearchState& research = level->getResearch();
    level->getStockMarket().update(1.f, 0.f);
    const auto marketBuy = level->getStockMarket().getItemBuyPrices();
    const auto marketSell = level->getStockMarket().getItemSellPrices();
    // Nothing finished: every figure is the rules' own.
    EXPECT_EQ(level->buyPrices(), marketBuy);
    EXPECT_EQ(level->sellPrices(), marketSell);
    Need need(NeedToilet);
    Need slower = need;
    need.update(10.f, level->getResearchEffects().needRise);
    EXPECT_EQ(need.getValue(), slower.getValue() + 1.f);

    Finish(research, ResearchProject::Purchasing);
    Finish(research, ResearchProject::Sales);
    Finish(research, ResearchProject::Ergonomics);
    Finish(research, ResearchProject::Logistics);
    // Kept in cents, as the market keeps them.
    for (const auto& [item, price] : level->buyPrices())
        EXPECT_NEAR(price, marketBuy.at(item) * 0.95f, 0.006f) << item;
    for (const auto& [item, price] : level->sellPrices())
        EXPECT_NEAR(price, marketSell.at(item) * 1.05f, 0.006f) << item;
    slower.update(10.f, level->getResearchEffects().needRise);
    EXPECT_FLOAT_EQ(slower.getValue(), need.getValue() - 1.f + 0.85f);

    // An order waits for its truck half as long.
    level->getTruckLogistics().addDelivery(ItemSteel);
    level->getTruckLogistics().update(0.3f);
    EXPECT_FLOAT_EQ(level->getTruckLogistics().getSpawnTimer(), 7.5f);
}

TEST_F(ResearchTest, TheRecordRoundTripsAndAnyBrokenRecordFailsTheLoad) {
    const std::string untouched = level->fileText();
    ASSERT_FALSE(untouched.empty());
    // A game that never researched writes the file it always wrote.
    EXPECT_EQ(untouched.find("RESEARCH"), std::string::npos);

    ResearchState& research = level->getResearch();
    Finish(research, ResearchProject::Production1);
    ASSERT_TRUE(research.choose(ResearchProject::Production2));
    research.addPoints(123.456f);
    const std::string saved = level->fileText();
    ASSERT_EQ(saved.substr(0, untouched.size()), untouched);
    const std::string record = saved.substr(untouched.size());
    EXPECT_EQ(record, " RESEARCH 1 2 1 2 123.456001 1 1");
    {
        std::istringstream in(saved);
        ASSERT_TRUE(level->readFrom(in));
        EXPECT_EQ(level->fileText(), saved);
        EXPECT_EQ(level->getResearchEffects().recipeDuration, 0.9);
    }
    {
        // Without the record nothing is researched.
        std::istringstream in(untouched);
        ASSERT_TRUE(level->readFrom(in));
        EXPECT_TRUE(level->getResearch().isUntouched());
    }
    const char* broken[] = {
        " RESEARCH 2 0 0 0",                  // version
        " RESEARCH 1 9 0 0",                  // no such project
        " RESEARCH 1 1 0 1 1",                // the active one is finished
        " RESEARCH 1 2 0 0",                  // its earlier step is not
        " RESEARCH 1 0 -1 0",                 // counts
        " RESEARCH 1 0 8 0",                  //
        " RESEARCH 1 0 1 1 800 0",            // points at or above the cost
        " RESEARCH 1 0 1 1 -1 0",             //
        " RESEARCH 1 0 1 1 nan 0",            //
        " RESEARCH 1 0 2 1 5 1 6 0",          // one project twice
        " RESEARCH 1 0 0 2 1 1",              //
        " RESEARCH 1 0 1 1 5 1 1",            // begun and finished
        " RESEARCH 1 0 0 1 3",                // a step before its earlier one
        " RESEARCH 1 0 0",                    // cut short
        " RESEARCH 1 0 0 0 RESEARCH 1 0 0 0", // twice
        " STATISTICS 1",                      // a record this game does not know
    };
    for (const char* tail : broken) {
        std::istringstream in(untouched + tail);
        EXPECT_FALSE(level->readFrom(in)) << tail;
        EXPECT_TRUE(level->getResearch().isUntouched()) << tail;
    }
}
