#include "tests/world/ZoneTestSupport.hpp"

#include "params/Graphics.hpp"

namespace {

class ZoneStorageTest : public ZoneLevelTest {};

} // namespace

TEST_F(ZoneStorageTest, OnlyStorageCellsCountAsEmptySlots) {
    mark(ZoneKitchen, 5, 5);
    EXPECT_EQ(Count(level->getStoreableItemAmounts(), ItemNone), 0u);
    mark(ZoneStorage, 6, 5);
    mark(ZoneGoodsIn, 8, 5);
    mark(ZoneGoodsOut, 10, 5);
    EXPECT_TRUE(zone(6, 5).isStorageZone());
    EXPECT_FALSE(zone(5, 5).isStorageZone());
    // Goods cells hold goods but are no store: no carried unit may go there.
    EXPECT_EQ(Count(level->getStoreableItemAmounts(), ItemNone), 1u);
    // Refreshing a cell with its own type books nothing twice.
    ASSERT_TRUE(level->setTile(TileFloor, 6, 5));
    level->setZone(ZoneStorage, 6, 5);
    EXPECT_EQ(Count(level->getStoreableItemAmounts(), ItemNone), 1u);
    expectConsistent();
}

TEST_F(ZoneStorageTest, CanStoreFollowsTypeAndRoom) {
    mark(ZoneKitchen, 4, 4);
    mark(ZoneStorage, 6, 4);
    EXPECT_FALSE(zone(4, 4).canStore(ItemSteel, 1));
    EXPECT_FALSE(zone(6, 4).canStore(ItemNone, 1));
    EXPECT_FALSE(zone(6, 4).canStore(ItemInvalid, 1));
    EXPECT_FALSE(zone(6, 4).canStore(ItemSteel, 0));
    EXPECT_TRUE(zone(6, 4).canStore(ItemSteel, 5));
    EXPECT_FALSE(zone(6, 4).canStore(ItemSteel, 6));

    ASSERT_TRUE(bring(6, 4, ItemSteel));
    EXPECT_FALSE(zone(6, 4).canStore(ItemGlass, 1));
    EXPECT_TRUE(zone(6, 4).canStore(ItemSteel, 4));
    EXPECT_FALSE(zone(6, 4).canStore(ItemSteel, 5));
}

TEST_F(ZoneStorageTest, FiveItemsFitAndTheSixthAnnouncementIsRefused) {
    mark(ZoneStorage, 6, 4);
    for (int i = 0; i < 5; ++i) {
        unsigned one = 1;
        ASSERT_TRUE(zone(6, 4).setItemInDelivery(ItemTyre, one)) << i;
        EXPECT_EQ(one, 0u);
    }
    unsigned sixth = 1;
    EXPECT_FALSE(zone(6, 4).setItemInDelivery(ItemTyre, sixth));
    EXPECT_EQ(sixth, 1u);
    EXPECT_EQ(zone(6, 4).getAmountInDelivery(), 5u);
    EXPECT_EQ(level->freeStorageFor(ItemTyre), 0u);
    expectConsistent();
}

TEST_F(ZoneStorageTest, ABigAnnouncementTakesWhatFitsAndLeavesTheRest) {
    mark(ZoneStorage, 6, 4);
    ASSERT_TRUE(bring(6, 4, ItemGlass));
    ASSERT_TRUE(bring(6, 4, ItemGlass));
    unsigned amount = 3;
    EXPECT_TRUE(zone(6, 4).setItemInDelivery(ItemGlass, amount));
    EXPECT_EQ(amount, 0u);
    unsigned more = 2;
    EXPECT_FALSE(zone(6, 4).setItemInDelivery(ItemGlass, more));
    EXPECT_EQ(more, 2u);
    expectConsistent();
}

TEST_F(ZoneStorageTest, AnnouncingDedicatesTheCellAndArrivalsCountAsStored) {
    mark(ZoneStorage, 6, 4);
    mark(ZoneStorage, 7, 4);
    EXPECT_EQ(level->freeStorageFor(ItemSteel), 10u);
    unsigned two = 2;
    ASSERT_TRUE(zone(6, 4).setItemInDelivery(ItemSteel, two));
    EXPECT_EQ(zone(6, 4).getStoredType(), ItemSteel);
    EXPECT_EQ(zone(6, 4).getCapacity(), 5u);
    EXPECT_EQ(Count(level->getStoreableItemAmounts(), ItemNone), 1u);
    EXPECT_EQ(Count(level->getStoreableItemAmounts(), ItemSteel), 3u);
    EXPECT_EQ(level->freeStorageFor(ItemSteel), 8u);
    EXPECT_EQ(level->freeStorageFor(ItemGlass), 5u);
    EXPECT_EQ(Count(level->getStoredItems(), ItemSteel), 0u);

    unsigned one = 1;
    ASSERT_TRUE(zone(6, 4).deliverItem(std::make_unique<Item>(nullptr, ItemSteel), one));
    EXPECT_EQ(one, 0u);
    EXPECT_EQ(Count(level->getStoredItems(), ItemSteel), 1u);
    EXPECT_EQ(zone(6, 4).getLabel().getString(), "1");
    const sf::IntRect rect = GameParams::Graphics::GetTexture(ItemSteel);
    ASSERT_EQ(zone(6, 4).getItemQuad().getVertexCount(), 4u);
    EXPECT_EQ(zone(6, 4).getItemQuad()[0].texCoords, sf::Vector2f(rect.left, rect.top));
    EXPECT_EQ(zone(6, 4).getItemQuad()[2].position, sf::Vector2f(128.f, 128.f));
    expectConsistent();
}

TEST_F(ZoneStorageTest, CancellingTheLastAnnouncementFreesTheCell) {
    mark(ZoneStorage, 6, 4);
    unsigned two = 2;
    ASSERT_TRUE(zone(6, 4).setItemInDelivery(ItemRubber, two));
    EXPECT_FALSE(zone(6, 4).cancelDelivery(ItemGlass));
    EXPECT_TRUE(zone(6, 4).cancelDelivery(ItemRubber));
    EXPECT_EQ(zone(6, 4).getStoredType(), ItemRubber);
    EXPECT_TRUE(zone(6, 4).cancelDelivery(ItemRubber));
    EXPECT_EQ(zone(6, 4).getStoredType(), ItemNone);
    EXPECT_EQ(zone(6, 4).getCapacity(), 0u);
    EXPECT_EQ(zone(6, 4).getItemQuad().getVertexCount(), 0u);
    EXPECT_FALSE(zone(6, 4).cancelDelivery(ItemRubber));
    EXPECT_EQ(level->getStoreableItemAmounts(), Counts({{ItemNone, 1}}));
    expectConsistent();
}

TEST_F(ZoneStorageTest, TheLastItemTakenFreesTheCellForAnyType) {
    mark(ZoneStorage, 6, 4);
    ASSERT_TRUE(bring(6, 4, ItemSteel));
    ASSERT_TRUE(bring(6, 4, ItemSteel));
    const unsigned emptySlots = Count(level->getStoreableItemAmounts(), ItemNone);

    std::unique_ptr<Item> first = take(6, 4, ItemSteel);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->getType(), ItemSteel);
    EXPECT_EQ(zone(6, 4).getStoredType(), ItemSteel);
    EXPECT_EQ(zone(6, 4).getLabel().getString(), "1");
    expectConsistent();

    ASSERT_NE(take(6, 4, ItemSteel), nullptr);
    EXPECT_EQ(zone(6, 4).getStoredType(), ItemNone);
    EXPECT_EQ(Count(level->getStoreableItemAmounts(), ItemNone), emptySlots + 1);
    EXPECT_EQ(Count(level->getStoreableItemAmounts(), ItemSteel), 0u);
    EXPECT_TRUE(zone(6, 4).canStore(ItemGlass, 5));
    expectConsistent();
}

TEST_F(ZoneStorageTest, TheLastItemInIsTheFirstOut) {
    mark(ZoneStorage, 6, 4);
    ASSERT_TRUE(bring(6, 4, ItemSteel));
    ASSERT_TRUE(bring(6, 4, ItemSteel));
    const Item* last = zone(6, 4).getStoredItems().back().get();
    EXPECT_EQ(take(6, 4, ItemSteel).get(), last);
}

TEST_F(ZoneStorageTest, PromisedItemsAreNoLongerCountedAsStored) {
    mark(ZoneStorage, 6, 4);
    ASSERT_TRUE(bring(6, 4, ItemGlass));
    ASSERT_TRUE(bring(6, 4, ItemGlass));
    unsigned two = 2;
    ASSERT_TRUE(zone(6, 4).setItemInRetrieval(ItemGlass, two));
    EXPECT_EQ(two, 0u);
    EXPECT_EQ(Count(level->getStoredItems(), ItemGlass), 0u);
    unsigned more = 1;
    EXPECT_FALSE(zone(6, 4).setItemInRetrieval(ItemGlass, more));
    EXPECT_EQ(more, 1u);
    expectConsistent();
}

TEST_F(ZoneStorageTest, RefusedBookingsChangeNothing) {
    mark(ZoneStorage, 6, 4);
    mark(ZoneKitchen, 8, 4);
    ASSERT_TRUE(bring(6, 4, ItemSteel));
    const Counts storeable = level->getStoreableItemAmounts();
    const Counts stored = level->getStoredItems();

    unsigned one = 1;
    EXPECT_FALSE(zone(6, 4).setItemInRetrieval(ItemGlass, one));
    EXPECT_FALSE(zone(8, 4).setItemInRetrieval(ItemSteel, one));
    EXPECT_EQ(one, 1u);
    // Nothing was promised, so nothing may be taken.
    EXPECT_EQ(zone(6, 4).retrieveItem(ItemSteel, one), nullptr);
    unsigned none = 0;
    EXPECT_EQ(zone(6, 4).retrieveItem(ItemSteel, none), nullptr);

    // Nothing was announced, so nothing may arrive; the carrier keeps its item.
    auto item = std::make_unique<Item>(nullptr, ItemSteel);
    EXPECT_FALSE(zone(6, 4).deliverItem(std::move(item), one));
    ASSERT_NE(item, nullptr);
    auto glass = std::make_unique<Item>(nullptr, ItemGlass);
    EXPECT_FALSE(zone(6, 4).deliverItem(std::move(glass), one));
    EXPECT_NE(glass, nullptr);
    EXPECT_FALSE(zone(8, 4).deliverItem(std::move(item), one));
    EXPECT_NE(item, nullptr);
    std::unique_ptr<Item> nothing;
    EXPECT_FALSE(zone(6, 4).deliverItem(std::move(nothing), one));

    EXPECT_EQ(level->getStoreableItemAmounts(), storeable);
    EXPECT_EQ(level->getStoredItems(), stored);
    expectConsistent();
}

TEST_F(ZoneStorageTest, GoodsOutCellsBookShipping) {
    mark(ZoneGoodsOut, 6, 4);
    level->shippingPrepared(ItemCar);
    level->shippingPrepared(ItemCar);
    unsigned one = 1;
    ASSERT_TRUE(zone(6, 4).setItemInDelivery(ItemCar, one));
    EXPECT_EQ(Count(level->getItemsNeedingShippingPreparation(), ItemCar), 1u);
    // Goods cells are never places for storing.
    EXPECT_EQ(Count(level->getStoreableItemAmounts(), ItemCar), 0u);

    one = 1;
    ASSERT_TRUE(zone(6, 4).deliverItem(std::make_unique<Item>(nullptr, ItemCar), one));
    EXPECT_EQ(Count(level->getItemsReadyForShipping(), ItemCar), 1u);
    EXPECT_EQ(Count(level->getStoredItems(), ItemCar), 0u);

    one = 1;
    ASSERT_TRUE(zone(6, 4).setItemInDelivery(ItemCar, one));
    EXPECT_TRUE(zone(6, 4).cancelDelivery(ItemCar));
    EXPECT_EQ(Count(level->getItemsNeedingShippingPreparation(), ItemCar), 1u);

    ASSERT_NE(take(6, 4, ItemCar), nullptr);
    EXPECT_EQ(Count(level->getItemsReadyForShipping(), ItemCar), 0u);
    EXPECT_EQ(zone(6, 4).getStoredType(), ItemNone);
    expectConsistent();
}

TEST_F(ZoneStorageTest, TheTablesFollowEveryCellThroughALongDay) {
    const ZoneType kinds[] = {ZoneStorage, ZoneStorage, ZoneGoodsIn, ZoneGoodsOut, ZoneStorage};
    const ItemType types[] = {ItemSteel, ItemGlass, ItemTyre};
    for (int c = 0; c < 5; ++c) {
        mark(kinds[c], 10 + 2 * c, 10);
    }
    // A fixed walk through every kind of booking, in an order that revisits
    // full, empty and half-booked cells alike.
    for (int step = 0; step < 400; ++step) {
        const int column = 10 + 2 * (step * 7 % 5);
        const ItemType type = types[step * 5 % 3];
        Zone& z = zone(column, 10);
        switch (step * 3 % 7) {
        case 0:
        case 1: {
            unsigned amount = 1 + step % 3;
            z.setItemInDelivery(type, amount);
            break;
        }
        case 2:
            if (z.getAmountInDelivery() > 0) {
                unsigned one = 1;
                auto item = std::make_unique<Item>(nullptr, z.getStoredType());
                EXPECT_TRUE(z.deliverItem(std::move(item), one));
            }
            break;
        case 3:
            z.cancelDelivery(z.getStoredType());
            break;
        case 4: {
            unsigned one = 1;
            z.setItemInRetrieval(z.getStoredType(), one);
            break;
        }
        case 5:
            if (z.getAmountInRetrieval() > 0) {
                unsigned one = 1;
                EXPECT_NE(z.retrieveItem(z.getStoredType(), one), nullptr);
            }
            break;
        default:
            z.cancelDelivery(type);
            break;
        }
        expectConsistent();
        if (HasFailure()) {
            FAIL() << "after step " << step;
        }
    }
}

TEST_F(ZoneStorageTest, TheCountLabelScalesWithTheTileSizeAndHasNoFontWithoutAGame) {
    mark(ZoneStorage, 6, 4);
    EXPECT_EQ(zone(6, 4).getLabel().getCharacterSize(), 40u);
    EXPECT_EQ(zone(6, 4).getLabel().getFillColor(), sf::Color::Black);
    EXPECT_EQ(zone(6, 4).getLabel().getFont(), nullptr);

    GameParams::SetTileSizeType(SIZE32PX);
    Zone small;
    small.set(nullptr, level.get(), nullptr, ZoneKitchen, 0.f, 1, 1);
    EXPECT_EQ(small.getLabel().getCharacterSize(), 10u);
    EXPECT_EQ(small.getSize(), sf::Vector2i(32, 32));
    EXPECT_EQ(small.getPosition(), sf::Vector2f(32.f, 32.f));
}
