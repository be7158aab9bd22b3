#include "params/Graphics.hpp"

#include "params/ItemTypes.hpp"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace Atlas = GameParams::Graphics::SIZE128PX;

namespace {

// The build draws the atlas into the folder the tests run in.
const char* const AtlasFile = "img/spriteMap_v2_128.png";

const sf::Image& LoadedAtlas() {
    static const sf::Image atlas = [] {
        sf::Image image;
        image.loadFromFile(AtlasFile);
        return image;
    }();
    return atlas;
}

bool Contains(const sf::Image& image, const sf::IntRect& rect) {
    const sf::Vector2u size = image.getSize();
    return rect.left >= 0 && rect.top >= 0 && rect.width > 0 && rect.height > 0 &&
           static_cast<unsigned>(rect.left + rect.width) <= size.x &&
           static_cast<unsigned>(rect.top + rect.height) <= size.y;
}

template <typename Predicate>
int CountPixels(const sf::Image& image, const sf::IntRect& rect, Predicate predicate) {
    int count = 0;
    for (int y = rect.top; y < rect.top + rect.height; ++y)
        for (int x = rect.left; x < rect.left + rect.width; ++x)
            if (predicate(image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y))))
                ++count;
    return count;
}

float Share(const sf::Image& image, const sf::IntRect& rect, bool (*predicate)(sf::Color)) {
    return static_cast<float>(CountPixels(image, rect, predicate)) /
           static_cast<float>(rect.width * rect.height);
}

bool IsVisible(sf::Color color) {
    return color.a > 0;
}
bool IsOpaque(sf::Color color) {
    return color.a == 255;
}
bool IsNearlyOpaque(sf::Color color) {
    return color.a >= 200;
}

// The share of pixels in which two same-sized pictures differ noticeably.
float DifferingShare(const sf::Image& image, const sf::IntRect& a, const sf::IntRect& b) {
    int differing = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const sf::Color p = image.getPixel(a.left + x, a.top + y);
            const sf::Color q = image.getPixel(b.left + x, b.top + y);
            const int distance = std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) +
                                 std::abs(p.a - q.a);
            if (distance > 48)
                ++differing;
        }
    return static_cast<float>(differing) / static_cast<float>(a.width * a.height);
}

std::vector<sf::IntRect> TileRectangles() {
    std::vector<sf::IntRect> rects;
    for (TileType type : {TileGrass, TileWall, TileFloor, TileRoad, TileRoadMarking})
        for (int roll = 0; roll < 1000; ++roll) {
            const sf::IntRect rect = Atlas::GetTileTexture(type, roll);
            if (std::find(rects.begin(), rects.end(), rect) == rects.end())
                rects.push_back(rect);
        }
    return rects;
}

const ZoneType MarkedZones[] = {ZoneKitchen,  ZoneBathroom, ZoneOffice,  ZoneStorage,
                                ZoneWorkshop, ZoneGoodsIn,  ZoneGoodsOut};

struct NamedRect {
    std::string name;
    sf::IntRect rect;
};

// Everything the game draws out of the atlas, except the zone-less cell.
std::vector<NamedRect> PictureRectangles() {
    std::vector<NamedRect> rects;
    for (const sf::IntRect& rect : TileRectangles())
        rects.push_back({"tile", rect});
    for (ZoneType type : MarkedZones)
        rects.push_back({"zone " + std::to_string(type), Atlas::GetTexture(type)});
    for (GameObjectType type :
         {ObjectFridge, ObjectToilet, ObjectDesk, ObjectCoffeeMachine, ObjectKitchenCounter,
          ObjectKitchenTable, ObjectWorkbench, ObjectDoor})
        rects.push_back({"object " + std::to_string(type), Atlas::GetTexture(type)});
    for (ItemType type : GameParams::GetAllItemTypes())
        rects.push_back({"item " + std::to_string(type), Atlas::GetTexture(type)});
    for (int element : {52, 53, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65})
        rects.push_back({"HUD element " + std::to_string(element),
                         Atlas::GetTexture(static_cast<GuiElemType>(element))});
    for (const auto& [name, rect] : Atlas::GetCursorTexture())
        rects.push_back({"cursor " + name, rect});
    for (int layer = 1; layer <= Atlas::EmployeeLayerCount; ++layer)
        for (int direction = 1; direction <= 4; ++direction)
            rects.push_back({"employee layer " + std::to_string(layer) + " direction " +
                                 std::to_string(direction),
                             Atlas::GetEmployeeLayerTexture(layer, direction)});
    rects.push_back({"truck", Atlas::GetTruckTexture()});
    rects.push_back({"truck tyre", Atlas::GetTruckTireTexture()});
    for (int kind = GameParams::Graphics::FirstTaskIcon; kind <= GameParams::Graphics::LastTaskIcon;
         ++kind)
        rects.push_back({"task icon " + std::to_string(kind), Atlas::GetTaskIconTexture(kind)});
    return rects;
}

class AtlasImageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_GT(atlas.getSize().x, 0u) << "could not load " << AtlasFile; }
    const sf::Image& atlas = LoadedAtlas();
};

} // namespace

TEST_F(AtlasImageTest, CoversEveryRectangleTheLookupsAnswer) {
    EXPECT_GE(atlas.getSize().x, 2688u);
    EXPECT_GE(atlas.getSize().y, 4096u);
    for (const NamedRect& entry : PictureRectangles())
        EXPECT_TRUE(Contains(atlas, entry.rect)) << entry.name;
}

TEST_F(AtlasImageTest, EveryLookedUpRectangleShowsAPicture) {
    for (const NamedRect& entry : PictureRectangles()) {
        ASSERT_TRUE(Contains(atlas, entry.rect)) << entry.name;
        EXPECT_GE(Share(atlas, entry.rect, IsVisible), 0.02f) << entry.name;
    }
}

// Every cell without a zone draws the zone-0 rectangle over its tile.
TEST_F(AtlasImageTest, CellsWithoutAZoneDrawNothingOverTheirTile) {
    EXPECT_EQ(Share(atlas, Atlas::GetTexture(ZoneNone), IsVisible), 0.f);
    EXPECT_EQ(Atlas::GetFallbackTexture(), Atlas::GetTexture(ZoneNone));
}

TEST_F(AtlasImageTest, GroundTilesHaveNoHoles) {
    for (const sf::IntRect& rect : TileRectangles())
        EXPECT_EQ(Share(atlas, rect, IsOpaque), 1.f) << rect.left << "," << rect.top;
}

TEST_F(AtlasImageTest, ZoneMarkingsLetTheFloorShowThrough) {
    for (ZoneType type : MarkedZones) {
        const sf::IntRect rect = Atlas::GetTexture(type);
        EXPECT_GE(Share(atlas, rect, IsVisible), 0.9f) << "zone " << type << " marks its cell";
        EXPECT_LT(Share(atlas, rect, IsNearlyOpaque), 0.1f) << "zone " << type;
    }
}

TEST_F(AtlasImageTest, ZoneMarkingsDifferFromEachOther) {
    for (ZoneType a : MarkedZones) {
        for (ZoneType b : MarkedZones) {
            if (a < b) {
                EXPECT_GT(DifferingShare(atlas, Atlas::GetTexture(a), Atlas::GetTexture(b)), 0.5f)
                    << "zones " << a << " and " << b;
            }
        }
    }
}

TEST_F(AtlasImageTest, ItemPicturesArePairwiseDifferent) {
    const std::vector<ItemType>& items = GameParams::GetAllItemTypes();
    ASSERT_EQ(items.size(), 21u);
    for (std::size_t i = 0; i < items.size(); ++i)
        for (std::size_t j = i + 1; j < items.size(); ++j)
            EXPECT_GT(
                DifferingShare(atlas, Atlas::GetTexture(items[i]), Atlas::GetTexture(items[j])),
                0.1f)
                << "items " << items[i] << " and " << items[j];
}

// A storage cell draws its item over the whole cell: the picture's middle
// must be the cell's, to the atlas's 4-pixel grain.
TEST_F(AtlasImageTest, ItemPicturesSitInTheMiddleOfTheirCells) {
    for (ItemType type : GameParams::GetAllItemTypes()) {
        const sf::IntRect rect = Atlas::GetTexture(type);
        int left = rect.width, top = rect.height, right = -1, bottom = -1;
        for (int y = 0; y < rect.height; ++y)
            for (int x = 0; x < rect.width; ++x)
                if (atlas.getPixel(rect.left + x, rect.top + y).a >= 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        EXPECT_LE(std::abs((left + right + 1) - rect.width), 4) << "item " << type;
        EXPECT_LE(std::abs((top + bottom + 1) - rect.height), 4) << "item " << type;
    }
}

// The machine stands on a counter: nothing of it hangs over the counter's edge.
TEST_F(AtlasImageTest, TheCoffeeMachineStaysOnItsCounter) {
    const sf::IntRect machine = Atlas::GetTexture(ObjectCoffeeMachine);
    const sf::IntRect counter = Atlas::GetTexture(ObjectKitchenCounter);
    int overhanging = 0;
    for (int y = 0; y < machine.height; ++y)
        for (int x = 0; x < machine.width; ++x)
            if (atlas.getPixel(machine.left + x, machine.top + y).a >= 128 &&
                atlas.getPixel(counter.left + x, counter.top + y).a < 128)
                ++overhanging;
    EXPECT_EQ(overhanging, 0);
}

// Plain-coloured quads sample this pixel with smoothing, so its neighbours
// must be white as well.
TEST_F(AtlasImageTest, WhitePixelAndItsNeighboursArePureWhite) {
    const sf::Vector2i white = Atlas::GetWhitePixelTexture();
    for (int y = white.y - 4; y <= white.y + 4; ++y)
        for (int x = white.x - 4; x <= white.x + 4; ++x)
            EXPECT_EQ(atlas.getPixel(x, y), sf::Color::White) << x << "," << y;
}

TEST_F(AtlasImageTest, CursorFramesAreEmptyInsideAndColouredAtTheCorner) {
    const GameParams::Graphics::CursorTextureMap frames = Atlas::GetCursorTexture();
    const sf::Color corners[] = {sf::Color::White, sf::Color::Black};
    const char* names[] = {"white", "black"};
    for (int i = 0; i < 2; ++i) {
        const sf::IntRect rect = frames.at(names[i]);
        EXPECT_EQ(atlas.getPixel(rect.left, rect.top), corners[i]) << names[i];
    }
    const sf::IntRect red = frames.at("red");
    const sf::Color redCorner = atlas.getPixel(red.left, red.top);
    EXPECT_GT(redCorner.r, redCorner.g + 100);
    for (const auto& [name, rect] : frames) {
        const sf::IntRect inside(rect.left + rect.width / 4, rect.top + rect.height / 4,
                                 rect.width / 2, rect.height / 2);
        EXPECT_EQ(Share(atlas, inside, IsVisible), 0.f) << name;
    }
}

// The game multiplies the tinted layers with the person's colours; a layer
// that is not grey would discolour every employee, and one without a light
// body would show a darker colour than the one picked.
TEST_F(AtlasImageTest, TintedEmployeeLayersAreLightGreys) {
    const int tintedLayers[] = {1, 2, 3, 4, 6};
    for (int layer : tintedLayers) {
        for (int direction = 1; direction <= 4; ++direction) {
            const sf::IntRect rect = Atlas::GetEmployeeLayerTexture(layer, direction);
            const int visible = CountPixels(atlas, rect, IsVisible);
            const int light =
                CountPixels(atlas, rect, [](sf::Color c) { return c.a > 0 && c.r >= 190; });
            const int coloured = CountPixels(
                atlas, rect, [](sf::Color c) { return c.a > 0 && (c.r != c.g || c.g != c.b); });
            EXPECT_EQ(coloured, 0) << "layer " << layer << " direction " << direction;
            EXPECT_GE(light * 10, visible * 3) << "layer " << layer << " direction " << direction;
        }
    }
}

TEST_F(AtlasImageTest, OnlyTheFrontViewShowsEyes) {
    auto darkPixels = [&](int direction) {
        return CountPixels(atlas, Atlas::GetEmployeeLayerTexture(5, direction), [](sf::Color c) {
            return c.a == 255 && c.r < 80 && c.g < 80 && c.b < 80;
        });
    };
    EXPECT_EQ(darkPixels(1), 0) << "seen from behind";
    EXPECT_GT(darkPixels(3), darkPixels(2)) << "two eyes from the front, one from the side";
    EXPECT_GT(darkPixels(2), 0);
    EXPECT_EQ(darkPixels(2), darkPixels(4));
}

// The tyres are separate sprites that turn, so the body must leave them
// room to show.
TEST_F(AtlasImageTest, TruckBodyLeavesTheWheelsVisible) {
    const sf::IntRect body = Atlas::GetTruckTexture();
    const sf::IntRect tyre = Atlas::GetTruckTireTexture();
    for (int wheel = 0; wheel < 2; ++wheel) {
        const sf::Vector2f offset = Atlas::GetTruckTireOffset(wheel);
        const sf::Color atHub = atlas.getPixel(body.left + static_cast<int>(offset.x),
                                               body.top + static_cast<int>(offset.y));
        EXPECT_EQ(atHub.a, 0) << "wheel " << wheel;
    }
    EXPECT_EQ(atlas.getPixel(tyre.left + tyre.width / 2, tyre.top + tyre.height / 2).a, 255);
}

// The staff dialog shows an employee's priorities side by side: each task
// kind has a picture of its own, none painted over another picture.
TEST_F(AtlasImageTest, TaskIconsAreDistinctAndOverlapNoOtherPicture) {
    const std::vector<NamedRect> pictures = PictureRectangles();
    for (int kind = GameParams::Graphics::FirstTaskIcon; kind <= GameParams::Graphics::LastTaskIcon;
         ++kind) {
        const sf::IntRect icon = Atlas::GetTaskIconTexture(kind);
        for (const NamedRect& other : pictures) {
            if (other.name.rfind("task icon", 0) == 0)
                continue;
            EXPECT_FALSE(icon.intersects(other.rect))
                << "task icon " << kind << " and " << other.name;
        }
        for (int otherKind = kind + 1; otherKind <= GameParams::Graphics::LastTaskIcon; ++otherKind)
            EXPECT_GT(DifferingShare(atlas, icon, Atlas::GetTaskIconTexture(otherKind)), 0.05f)
                << "task icons " << kind << " and " << otherKind;
    }
}
