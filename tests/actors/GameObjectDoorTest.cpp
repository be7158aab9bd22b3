#include "actors/GameObjectDoor.hpp"

#include "../world/LevelTestSupport.hpp"

namespace {

// At 128-pixel tiles a door slides 500 px per game minute: 62.5 px in 1/8 minute.
constexpr float Eighth = 0.125f;

} // namespace

class GameObjectDoorTest : public LevelTest {
protected:
    GameObjectDoor* placeDoor(float rotation) {
        EXPECT_TRUE(level->setTile(TileFloor, 5, 5));
        EXPECT_TRUE(level->placeObject(ObjectDoor, 5, 5, rotation));
        return level->getDoors().at(0);
    }
    const sf::Vector2f closed{640.f, 640.f};
};

TEST_F(GameObjectDoorTest, SlidesOpenHoldsThreeMinutesAndClosesExactly) {
    GameObjectDoor* door = placeDoor(0.f);
    EXPECT_FALSE(door->isOpen());
    door->requestOpening();
    EXPECT_TRUE(door->isOpening());
    EXPECT_EQ(door->getHoldTimer(), 3.f);

    level->update(Eighth);
    EXPECT_EQ(door->getPosition(), sf::Vector2f(702.5f, 640.f));
    level->update(Eighth);
    EXPECT_EQ(door->getPosition(), sf::Vector2f(765.f, 640.f));
    EXPECT_FALSE(door->isOpen());
    level->update(Eighth);
    EXPECT_EQ(door->getPosition(), sf::Vector2f(768.f, 640.f));
    EXPECT_TRUE(door->isOpen());
    EXPECT_FALSE(door->isOpening());

    level->update(1.f);
    level->update(1.f);
    EXPECT_FALSE(door->isClosing());
    EXPECT_EQ(door->getPosition(), sf::Vector2f(768.f, 640.f));
    level->update(1.f);
    EXPECT_TRUE(door->isClosing());
    EXPECT_EQ(door->getHoldTimer(), 0.f);

    level->update(Eighth);
    EXPECT_EQ(door->getPosition(), sf::Vector2f(705.5f, 640.f));
    level->update(Eighth);
    level->update(Eighth);
    EXPECT_EQ(door->getPosition(), closed);
    EXPECT_FALSE(door->isOpen());
    EXPECT_FALSE(door->isClosing());
    level->update(1.f);
    EXPECT_EQ(door->getPosition(), closed);
}

TEST_F(GameObjectDoorTest, SlidesAlongTheAxisOfItsRotation) {
    const std::pair<float, sf::Vector2f> cases[] = {
        {0.f, {768.f, 640.f}},
        {90.f, {640.f, 768.f}},
        {180.f, {512.f, 640.f}},
        {270.f, {640.f, 512.f}},
    };
    for (const auto& [rotation, openPosition] : cases) {
        level = std::make_unique<Level>(nullptr, nullptr, "");
        GameObjectDoor* door = placeDoor(rotation);
        door->requestOpening();
        level->update(1.f);
        EXPECT_EQ(door->getPosition(), openPosition) << rotation;
        EXPECT_TRUE(door->isOpen());
    }
}

TEST_F(GameObjectDoorTest, RequestsWhileOpenKeepItOpen) {
    GameObjectDoor* door = placeDoor(0.f);
    door->requestOpening();
    level->update(1.f);
    ASSERT_TRUE(door->isOpen());
    level->update(2.5f);
    door->requestOpening();
    EXPECT_EQ(door->getHoldTimer(), 3.f);
    level->update(2.5f);
    EXPECT_FALSE(door->isClosing());
    EXPECT_EQ(door->getClosedPosition(), closed);
}

TEST_F(GameObjectDoorTest, ARequestWhileClosingDoesNotStopIt) {
    GameObjectDoor* door = placeDoor(0.f);
    door->requestOpening();
    level->update(1.f);
    level->update(3.f);
    ASSERT_TRUE(door->isClosing());
    level->update(Eighth);
    door->requestOpening();
    EXPECT_TRUE(door->isClosing());
    EXPECT_FALSE(door->isOpening());
    level->update(1.f);
    EXPECT_EQ(door->getPosition(), closed);
    EXPECT_FALSE(door->isOpen());

    // Closed again, the next request opens it from the same place.
    door->requestOpening();
    level->update(1.f);
    EXPECT_EQ(door->getPosition(), sf::Vector2f(768.f, 640.f));
}
