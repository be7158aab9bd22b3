#include "actors/GameObject.hpp"

#include "../world/LevelTestSupport.hpp"

#include <vector>

namespace {

struct UsageCase {
    GameObjectType type;
    float rotation;
    std::vector<Vec2i> usagePos;
    int facing;
};

constexpr int C = 10;
constexpr int R = 10;
const Vec2i Left(C - 1, R), Up(C, R - 1), Right(C + 1, R), Down(C, R + 1), Own(C, R);

} // namespace

using GameObjectTest = LevelTest;

TEST_F(GameObjectTest, UsagePositionsAndFacingTurnWithTheObject) {
    const std::vector<UsageCase> cases = {
        // Rule 4 / facing 2: used from the left, user looking right.
        {ObjectFridge, 0.f, {Left}, GameObject::FacingRight},
        {ObjectFridge, 90.f, {Up}, GameObject::FacingDown},
        {ObjectFridge, 180.f, {Right}, GameObject::FacingLeft},
        {ObjectFridge, 270.f, {Down}, GameObject::FacingUp},
        {ObjectKitchenCounter, 0.f, {Left}, GameObject::FacingRight},
        {ObjectKitchenCounter, 270.f, {Down}, GameObject::FacingUp},
        // Rule 3 / facing 1: used from below, user looking up.
        {ObjectDesk, 0.f, {Down}, GameObject::FacingUp},
        {ObjectDesk, 90.f, {Left}, GameObject::FacingRight},
        {ObjectDesk, 180.f, {Up}, GameObject::FacingDown},
        {ObjectDesk, 270.f, {Right}, GameObject::FacingLeft},
        // Rule 5 / facing 4: used on its own tile.
        {ObjectToilet, 0.f, {Own}, GameObject::FacingLeft},
        {ObjectToilet, 90.f, {Own}, GameObject::FacingUp},
        {ObjectToilet, 180.f, {Own}, GameObject::FacingRight},
        {ObjectToilet, 270.f, {Own}, GameObject::FacingDown},
        // Rule 6 / facing 5: from any side, facing the object, whatever the rotation.
        {ObjectKitchenTable, 0.f, {Left, Up, Right, Down}, GameObject::FacingObject},
        {ObjectKitchenTable, 90.f, {Left, Up, Right, Down}, GameObject::FacingObject},
        {ObjectWorkbench, 180.f, {Left, Up, Right, Down}, GameObject::FacingObject},
        {ObjectDoor, 270.f, {Left, Up, Right, Down}, GameObject::FacingObject},
        // A full turn and a half-way angle.
        {ObjectFridge, 360.f, {Left}, GameObject::FacingRight},
        {ObjectFridge, 45.f, {Left}, GameObject::FacingRight},
        {ObjectFridge, 46.f, {Up}, GameObject::FacingDown},
        // Unknown types are not used at all.
        {static_cast<GameObjectType>(8), 0.f, {}, GameObject::FacingNone},
    };
    for (const UsageCase& c : cases) {
        GameObject object;
        object.init(nullptr, level.get(), nullptr, c.type, C, R, c.rotation);
        EXPECT_EQ(object.getUsagePos(), c.usagePos) << c.type << " at " << c.rotation;
        EXPECT_EQ(object.getUserFacing(), c.facing) << c.type << " at " << c.rotation;
    }
}

TEST_F(GameObjectTest, CoffeeMachineIsUsedLikeItsCounter) {
    for (float rotation : {0.f, 90.f, 180.f, 270.f}) {
        GameObject counter;
        counter.init(nullptr, level.get(), nullptr, ObjectKitchenCounter, C, R, rotation);
        GameObject machine;
        // Its own rotation does not matter: it is reached from the counter's side.
        machine.init(nullptr, level.get(), &counter, ObjectCoffeeMachine, C, R, 90.f - rotation);
        EXPECT_EQ(machine.getUsagePos(), counter.getUsagePos()) << rotation;
        EXPECT_EQ(machine.getUserFacing(), counter.getUserFacing()) << rotation;
    }
}

TEST_F(GameObjectTest, CoffeeMachineWithoutCounterHasNoUsage) {
    GameObject machine;
    machine.init(nullptr, level.get(), nullptr, ObjectCoffeeMachine, C, R, 0.f);
    EXPECT_TRUE(machine.getUsagePos().empty());
    EXPECT_EQ(machine.getUserFacing(), GameObject::FacingNone);
}

TEST_F(GameObjectTest, NothingIsComputedOutsideTheLevel) {
    GameObject outside;
    outside.init(nullptr, level.get(), nullptr, ObjectFridge, 80, 3, 0.f);
    EXPECT_TRUE(outside.getUsagePos().empty());
    EXPECT_EQ(outside.getUserFacing(), GameObject::FacingNone);
    GameObject edge;
    edge.init(nullptr, level.get(), nullptr, ObjectFridge, 0, 3, 0.f);
    EXPECT_EQ(edge.getUsagePos(), std::vector<Vec2i>{Vec2i(-1, 3)});
}

TEST_F(GameObjectTest, InitTakesTheTypeParameters) {
    GameObject bench;
    bench.init(nullptr, level.get(), nullptr, ObjectWorkbench, 2, 3, 90.f);
    EXPECT_EQ(bench.getObjType(), ObjectWorkbench);
    EXPECT_TRUE(bench.isProducer());
    EXPECT_FALSE(bench.isSurface());
    EXPECT_EQ(bench.getUsageTaskType(), TaskWork);
    EXPECT_EQ(bench.getMapPos(), sf::Vector2i(2, 3));
    EXPECT_EQ(bench.getPosition(), sf::Vector2f(256.f, 384.f));
    EXPECT_EQ(bench.getOrigin(), sf::Vector2f(64.f, 64.f));
    EXPECT_EQ(bench.getRotation(), 90.f);
    EXPECT_EQ(bench.getInfo().rfind("Typ: Werkbank\nKeine Produktion", 0), 0u);

    GameObject machine;
    machine.init(nullptr, level.get(), nullptr, ObjectCoffeeMachine, 2, 3, 0.f);
    EXPECT_TRUE(machine.needsSurface());
    EXPECT_EQ(machine.getUsageTaskType(), TaskCoffee);

    GameObject none;
    none.init(nullptr, level.get(), nullptr, ObjectInvalid, 2, 3, 0.f);
    EXPECT_EQ(none.getObjType(), ObjectNone);
}

TEST_F(GameObjectTest, UsageTasksPerType) {
    const std::vector<std::pair<GameObjectType, TaskType>> expected = {
        {ObjectFridge, TaskEat},          {ObjectToilet, TaskToilet},
        {ObjectDesk, TaskWork},           {ObjectCoffeeMachine, TaskCoffee},
        {ObjectKitchenCounter, TaskNone}, {ObjectKitchenTable, TaskNone},
        {ObjectWorkbench, TaskWork},      {ObjectDoor, TaskNone}};
    for (const auto& [type, task] : expected) {
        GameObject object;
        object.init(nullptr, level.get(), nullptr, type, 1, 1, 0.f);
        EXPECT_EQ(object.getUsageTaskType(), task) << type;
    }
}

TEST(GameObjectIdTest, IdsAreRegisteredUntilDestruction) {
    GameObject::ResetIds();
    auto first = std::make_unique<GameObject>();
    auto second = std::make_unique<GameObject>();
    EXPECT_EQ(first->getId(), 0);
    EXPECT_EQ(second->getId(), 1);
    EXPECT_EQ(GameObject::GetMaxId(), 2);
    EXPECT_EQ(GameObject::GetById(1), second.get());
    first.reset();
    EXPECT_EQ(GameObject::GetById(0), nullptr);
    EXPECT_EQ(GameObject::GetById(1), second.get());
    GameObject::ResetIds();
    EXPECT_EQ(GameObject::GetById(1), nullptr);
    EXPECT_EQ(GameObject::GetMaxId(), 0);
    // An object outliving the reset must not unregister a newcomer with its id.
    second.reset();
    GameObject third;
    auto fourth = std::make_unique<GameObject>();
    EXPECT_EQ(GameObject::GetById(third.getId()), &third);
}
