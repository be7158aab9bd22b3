#include "EmployeeTestSupport.hpp"

#include "actors/Need.hpp"
#include "params/Graphics.hpp"
#include "params/Invariant.hpp"

#include "params/Random.hpp"
#include "tests/persist/StreamTestSupport.hpp"

#include <cstdlib>

TEST_F(EmployeeTest, ConstructionDrawsLooksSkillsAndNeedsInOrder) {
    std::srand(11);
    Employee drawn;

    std::srand(11);
    const bool female = GameParams::Random() % 2 == 1;
    const std::string first = GameParams::Texts::GetFirstName(female ? 1 : 0);
    const std::string last = GameParams::Texts::GetLastName();
    const sf::Color skin = GameParams::Graphics::GetRandomSkinColor();
    const sf::Color hair = GameParams::Graphics::GetRandomHairColor();
    const sf::Color upper = GameParams::Graphics::GetRandomUpperBodyColor();
    const sf::Color lower = GameParams::Graphics::GetRandomLowerBodyColor();
    const float skill0 = static_cast<float>(GameParams::Random() % 100);
    const float skill1 = static_cast<float>(GameParams::Random() % 100);
    const float skill2 = static_cast<float>(GameParams::Random() % 100);
    const Need work(NeedWork);
    const Need toilet(NeedToilet);
    const Need food(NeedFood);
    const Need coffee(NeedCoffee);

    EXPECT_EQ(drawn.getGender(), female);
    EXPECT_EQ(drawn.getFirstName(), first);
    EXPECT_EQ(drawn.getLastName(), last);
    EXPECT_EQ(drawn.getFullName(), first + " " + last);
    EXPECT_EQ(drawn.getColours()[0], skin);
    EXPECT_EQ(drawn.getColours()[1], hair);
    EXPECT_EQ(drawn.getColours()[2], upper);
    EXPECT_EQ(drawn.getColours()[3], lower);
    EXPECT_EQ(drawn.getSkills().at(SkillWalkingSpeed), skill0);
    EXPECT_EQ(drawn.getSkills().at(SkillWorkingSpeed), skill1);
    EXPECT_EQ(drawn.getSkills().at(SkillResearchSpeed), skill2);
    EXPECT_EQ(drawn.getSalary(), 100.f + skill0 + skill1 + skill2);
    ASSERT_EQ(drawn.getNeeds().size(), 4u);
    EXPECT_EQ(drawn.getNeeds().at(NeedToilet).getValue(), toilet.getValue());
    EXPECT_EQ(drawn.getNeeds().at(NeedFood).getTriggerLow(), food.getTriggerLow());
    EXPECT_EQ(drawn.getNeeds().at(NeedCoffee).getTriggerHigh(), coffee.getTriggerHigh());
    EXPECT_EQ(drawn.getNeeds().at(NeedWork).getValue(), work.getValue());
}

TEST_F(EmployeeTest, StartsWithTheDefaultsOfANewWorker) {
    std::srand(3);
    Employee fresh;
    EXPECT_EQ(fresh.getTaskPriorities(),
              (std::vector<TaskType>{TaskWalk, TaskWork, static_cast<TaskType>(13)}));
    EXPECT_EQ(fresh.getKind(), Employee::KindWorker);
    EXPECT_EQ(fresh.getMood(), 100.f);
    EXPECT_EQ(fresh.getFacing(), 0.f);
    EXPECT_EQ(fresh.getSpriteDirection(), 1);
    EXPECT_FALSE(fresh.occupiesTile());
    EXPECT_FALSE(fresh.isCarrying());
    EXPECT_EQ(fresh.getMapPosLastObjectUsed(), sf::Vector2i(-1, -1));
    EXPECT_EQ(fresh.getQuads().getVertexCount(), 7u * 4u);
    EXPECT_GE(fresh.getSalary(), 100.f);
    EXPECT_LE(fresh.getSalary(), 397.f);
}

TEST_F(EmployeeTest, TakesConsecutiveIdsFoundThroughTheRegistry) {
    Employee a;
    Employee b;
    EXPECT_EQ(b.getId(), a.getId() + 1);
    EXPECT_EQ(Employee::GetById(a.getId()), &a);
    EXPECT_EQ(Employee::GetById(b.getId()), &b);
    const int gone = a.getId() + 2;
    {
        Employee c;
        EXPECT_EQ(c.getId(), gone);
    }
    EXPECT_EQ(Employee::GetById(gone), nullptr);
}

TEST_F(EmployeeTest, StandsCentredOnItsCell) {
    EXPECT_EQ(employee->getOrigin(), sf::Vector2f(Tile / 2.f, Tile / 2.f));
    EXPECT_EQ(employee->getPosition(), CellPixel(Column, Row));
    EXPECT_EQ(employee->getMapPosition(), sf::Vector2i(Column, Row));
}

TEST(EmployeeFacing, SpriteDirectionByAngle) {
    EXPECT_EQ(Employee::SpriteDirectionOf(0.f), 1);
    EXPECT_EQ(Employee::SpriteDirectionOf(39.9f), 1);
    EXPECT_EQ(Employee::SpriteDirectionOf(40.f), 2);
    EXPECT_EQ(Employee::SpriteDirectionOf(139.f), 2);
    EXPECT_EQ(Employee::SpriteDirectionOf(140.f), 3);
    EXPECT_EQ(Employee::SpriteDirectionOf(219.f), 3);
    EXPECT_EQ(Employee::SpriteDirectionOf(220.f), 4);
    EXPECT_EQ(Employee::SpriteDirectionOf(319.f), 4);
    EXPECT_EQ(Employee::SpriteDirectionOf(320.f), 1);
    EXPECT_EQ(Employee::SpriteDirectionOf(360.f), 0);
    EXPECT_EQ(Employee::SpriteDirectionOf(-1.f), 0);
}

TEST_F(EmployeeTest, FacingIsNormalisedAndPicksTheSprite) {
    employee->setFacing(-90.f);
    EXPECT_EQ(employee->getFacing(), 270.f);
    EXPECT_EQ(employee->getSpriteDirection(), 4);
    employee->setFacing(450.f);
    EXPECT_EQ(employee->getFacing(), 90.f);
    EXPECT_EQ(employee->getSpriteDirection(), 2);

    const auto& colours = employee->getColours();
    const sf::VertexArray expected = GameParams::Graphics::GetEmployeeTextureQuads(
        2, colours[0], colours[1], colours[2], colours[3]);
    ASSERT_EQ(employee->getQuads().getVertexCount(), expected.getVertexCount());
    for (std::size_t i = 0; i < expected.getVertexCount(); ++i) {
        EXPECT_EQ(employee->getQuads()[i].texCoords, expected[i].texCoords);
        EXPECT_EQ(employee->getQuads()[i].color, expected[i].color);
    }
}

TEST_F(EmployeeTest, NewTasksTakeThePlaceOfTheWait) {
    employee->receiveTasks({MakeTask(TaskIdle), MakeTask(TaskWait), MakeTask(TaskWork)});
    employee->receiveTasks({MakeTask(TaskEat), MakeTask(TaskToilet)});
    EXPECT_EQ(TypesOf(*employee), (std::vector<TaskType>{TaskIdle, TaskEat, TaskToilet, TaskWork}));
    EXPECT_TRUE(employee->occupiesTile());
}

TEST_F(EmployeeTest, NewTasksGoBehindAListWithoutWait) {
    employee->receiveTasks({MakeTask(TaskIdle)});
    employee->receiveTasks({MakeTask(TaskEat)});
    EXPECT_EQ(TypesOf(*employee), (std::vector<TaskType>{TaskIdle, TaskEat}));
}

TEST_F(EmployeeTest, AChainEndingInAPickUpIsReportedButTaken) {
    if (GameParams::InvariantsStop()) {
        EXPECT_DEATH(employee->receiveTasks({MakeTask(TaskPickUp)}),
                     "Employee::receiveTasks\\(\\) - Letzter Task");
        return;
    }
    CapturedOutput printed;
    employee->receiveTasks({MakeTask(TaskPickUp)});
    EXPECT_NE(printed.text().find("Employee::receiveTasks() - Letzter Task in übergebenem Vector "
                                  "ist: TaskPickUp!"),
              std::string::npos);
    EXPECT_EQ(TypesOf(*employee), (std::vector<TaskType>{TaskPickUp}));
}

TEST_F(EmployeeTest, AWaitHoldsTheWholeFrame) {
    employee->receiveTasks({MakeTask(TaskWait)});
    employee->handleCurrentTask(5.f);
    EXPECT_EQ(TypesOf(*employee), (std::vector<TaskType>{TaskWait}));
}

TEST_F(EmployeeTest, AnUnknownTaskIsReportedAndDropped) {
    CapturedOutput printed;
    employee->receiveTasks({MakeTask(TaskSmoke), MakeTask(TaskWalk, Column, Row)});
    employee->handleCurrentTask(0.1f);
    EXPECT_NE(printed.text().find("Employee::handleCurrentTask() - Unbekannter Task: 8"),
              std::string::npos);
    EXPECT_TRUE(employee->getTasks().empty());
}

TEST_F(EmployeeTest, IdlingWaitsThenStepsToAWalkableNeighbour) {
    // On an empty map every need finds nothing and is locked in turn; then
    // there is no work at all and the employee idles.
    bool noWork = false;
    for (int need = 0; need < 7 && !noWork; ++need) {
        ASSERT_FALSE(level->requestWork(employee.get(), noWork));
    }
    ASSERT_TRUE(noWork);
    employee->requestWorkIfIdle(0.1f);
    EXPECT_EQ(TypesOf(*employee), (std::vector<TaskType>{TaskIdle}));
    employee->handleCurrentTask(2.f);
    EXPECT_EQ(TypesOf(*employee), (std::vector<TaskType>{TaskIdle}));
    employee->handleCurrentTask(0.5f);
    // After 2.5 minutes the idling ends with a step to a neighbour (or none
    // when the drawn cell cannot be walked on); either way it moves on.
    for (const Task& task : employee->getTasks()) {
        EXPECT_EQ(task.getTask(), TaskWalk);
        EXPECT_LE(std::abs(task.getDestination().x - Column), 1);
        EXPECT_LE(std::abs(task.getDestination().y - Row), 1);
    }
}

TEST_F(EmployeeTest, InfoNamesTheActivityNeedsMoodAndSkills) {
    const std::string info = employee->getInfo();
    EXPECT_EQ(info.rfind(employee->getFullName() + "\n\n", 0), 0u);
    EXPECT_NE(info.find("Aktuelle Tätigkeit: KeinTask"), std::string::npos);
    EXPECT_NE(info.find("Bedürfnisse: "), std::string::npos);
    EXPECT_NE(info.find("Toilette: "), std::string::npos);
    EXPECT_EQ(info.find("Arbeit: "), std::string::npos);
    EXPECT_NE(info.find("Stimmung: 100 / 100"), std::string::npos);
    EXPECT_NE(info.find("Arbeitsgeschwindigkeit: "), std::string::npos);
    EXPECT_NE(info.find("Belegt Tile: 0"), std::string::npos);
}

TEST_F(EmployeeTest, SalaryTextHasTwoDecimals) {
    const std::string text = employee->getSalaryText();
    ASSERT_GE(text.size(), 4u);
    EXPECT_EQ(text[text.size() - 3], '.');
}
