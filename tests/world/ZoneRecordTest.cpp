#include "tests/world/ZoneTestSupport.hpp"

#include "tests/persist/StreamTestSupport.hpp"

#include <string>

namespace {

class ZoneRecordTest : public ZoneLevelTest {
protected:
    std::string saved(const Zone& z) {
        auto out = ClassicOutput();
        EXPECT_TRUE(z.save(out));
        return out.str();
    }

    // Loads text into a fresh zone of this level and returns what was printed.
    std::string loadFails(const std::string& text) {
        Zone loaded;
        auto in = ClassicInput(text);
        CapturedOutput printed;
        EXPECT_FALSE(loaded.load(in, nullptr, level.get(), nullptr));
        return printed.text();
    }
};

const std::string EmptyItems = "Ver 0.1 0";

} // namespace

TEST_F(ZoneRecordTest, AnUnusedCellIsShort) {
    EXPECT_EQ(saved(zone(3, 3)), "ZONE 0.1 0 0 0 Ver 0.1 0 0 0");
}

TEST_F(ZoneRecordTest, AStorageCellRoundTripsWithItsItemsAndBookings) {
    mark(ZoneStorage, 6, 4);
    ASSERT_TRUE(bring(6, 4, ItemSteel));
    ASSERT_TRUE(bring(6, 4, ItemSteel));
    unsigned one = 1;
    ASSERT_TRUE(zone(6, 4).setItemInRetrieval(ItemSteel, one));
    one = 1;
    ASSERT_TRUE(zone(6, 4).setItemInDelivery(ItemSteel, one));
    const std::string text = saved(zone(6, 4));
    EXPECT_EQ(text.rfind("ZONE 0.1 4 1000 2 Ver 0.1 2 ITEM 0.1 ", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 4), " 1 1");
    const std::uint32_t firstId = zone(6, 4).getStoredItems().front()->getId();

    Zone loaded;
    auto in = ClassicInput(text);
    CapturedOutput printed;
    ASSERT_TRUE(loaded.load(in, nullptr, level.get(), nullptr));
    EXPECT_EQ(printed.text(), "");
    EXPECT_EQ(loaded.getType(), ZoneStorage);
    EXPECT_TRUE(loaded.isStorageZone());
    EXPECT_EQ(loaded.getStoredType(), ItemSteel);
    EXPECT_EQ(loaded.getStoredAmount(), 2u);
    EXPECT_EQ(loaded.getCapacity(), 5u);
    EXPECT_EQ(loaded.getAmountInDelivery(), 1u);
    EXPECT_EQ(loaded.getAmountInRetrieval(), 1u);
    EXPECT_EQ(loaded.getStoredItems().front()->getId(), firstId);
    EXPECT_EQ(loaded.getItemQuad().getVertexCount(), 4u);
    EXPECT_EQ(loaded.getLabel().getString(), "2");
    EXPECT_EQ(saved(loaded), text);
}

TEST_F(ZoneRecordTest, TheRefreshAfterLoadingBooksNothingAgain) {
    mark(ZoneStorage, 6, 4);
    mark(ZoneGoodsIn, 7, 4);
    ASSERT_TRUE(bring(6, 4, ItemGlass));
    const Counts storeable = level->getStoreableItemAmounts();
    const Counts stored = level->getStoredItems();
    const std::string storageText = saved(zone(6, 4));
    const std::string goodsText = saved(zone(7, 4));

    // The level reads the counts from the file and then refreshes each loaded cell.
    Zone storage;
    Zone goods;
    auto in = ClassicInput(storageText + " " + goodsText);
    ASSERT_TRUE(storage.load(in, nullptr, level.get(), nullptr));
    ASSERT_TRUE(goods.load(in, nullptr, level.get(), nullptr));
    storage.set(nullptr, level.get(), nullptr, ZoneStorage, 0.f, 6, 4);
    goods.set(nullptr, level.get(), nullptr, ZoneGoodsIn, 0.f, 7, 4);
    EXPECT_EQ(level->getStoreableItemAmounts(), storeable);
    EXPECT_EQ(level->getStoredItems(), stored);
    EXPECT_EQ(storage.getPosition(), sf::Vector2f(6 * 128.f, 4 * 128.f));
}

TEST_F(ZoneRecordTest, LoadingReplacesTheItemsHeld) {
    mark(ZoneStorage, 6, 4);
    ASSERT_TRUE(bring(6, 4, ItemWood));
    const std::uint32_t oldId = zone(6, 4).getStoredItems().front()->getId();
    auto in = ClassicInput("ZONE 0.1 4 0 0 " + EmptyItems + " 0 0");
    ASSERT_TRUE(zone(6, 4).load(in, nullptr, level.get(), nullptr));
    EXPECT_TRUE(zone(6, 4).getStoredItems().empty());
    EXPECT_EQ(Item::GetById(oldId), nullptr);
    EXPECT_EQ(zone(6, 4).getItemQuad().getVertexCount(), 0u);
}

TEST_F(ZoneRecordTest, AnotherVersionIsReportedButStillLoads) {
    Zone loaded;
    auto in = ClassicInput("ZONE 0.2 1 0 0 " + EmptyItems + " 0 0");
    CapturedOutput printed;
    EXPECT_TRUE(loaded.load(in, nullptr, level.get(), nullptr));
    EXPECT_EQ(printed.text(), "Zone::load() - Version nicht unterstuetzt!\n");
    EXPECT_EQ(loaded.getType(), ZoneKitchen);
}

TEST_F(ZoneRecordTest, EveryLoadFailureHasItsLine) {
    EXPECT_EQ(loadFails("ZONES 0.1 0 0 0 " + EmptyItems + " 0 0"),
              "Zone::load() - Header ungueltig!\n");
    EXPECT_EQ(loadFails("ZONE 0.1 -1 0 0 " + EmptyItems + " 0 0"),
              "Zone::load() - type ungueltig!\n");
    EXPECT_EQ(loadFails("ZONE 0.1 4 -1 0 " + EmptyItems + " 0 0"),
              "Zone::load() - storedType ungueltig!\n");
    EXPECT_EQ(loadFails("ZONE 0.1 4 1000 1 Ver 0.1 1 ITEM 0.1 3 -1 0 Ver 0.1 0 0 0 128 128 0 0"),
              "Item::load() - type ungueltig!\n"
              "GameParams::Load::VectorOfItemPtr() - Laden von Item fehlgeschlagen!\n"
              "Zone::load() - Laden von storedItems fehlgeschlagen!\n");
    EXPECT_EQ(loadFails("ZONE 0.1 4 1000 1 Vers 0.1 0 0 0"),
              "GameParams::Load::VectorOfItemPtr() - Header ungueltig!\n"
              "Zone::load() - Laden von storedItems fehlgeschlagen!\n");
}

TEST_F(ZoneRecordTest, AmountsThatBreakTheBookingsAreRefused) {
    // Two items claimed, none stored.
    EXPECT_EQ(loadFails("ZONE 0.1 4 1000 2 " + EmptyItems + " 0 0"),
              "Zone::load() - Mengen ungueltig!\n");
    // More promised than stored.
    EXPECT_EQ(loadFails("ZONE 0.1 4 1000 0 " + EmptyItems + " 1 1"),
              "Zone::load() - Mengen ungueltig!\n");
    // More announced than a cell holds.
    EXPECT_EQ(loadFails("ZONE 0.1 4 1000 0 " + EmptyItems + " 6 0"),
              "Zone::load() - Mengen ungueltig!\n");
    // Bookings without a type.
    EXPECT_EQ(loadFails("ZONE 0.1 4 0 0 " + EmptyItems + " 1 0"),
              "Zone::load() - Mengen ungueltig!\n");
}

TEST_F(ZoneRecordTest, ATruncatedRecordFailsSilently) {
    EXPECT_EQ(loadFails(""), "");
    EXPECT_EQ(loadFails("ZONE"), "");
    EXPECT_EQ(loadFails("ZONE 0.1 4"), "");
    EXPECT_EQ(loadFails("ZONE 0.1 4 1000"), "");
    EXPECT_EQ(loadFails("ZONE 0.1 4 0 0 " + EmptyItems + " 0"), "");
    EXPECT_EQ(loadFails("ZONE 0.1 x"), "");
}

TEST_F(ZoneRecordTest, AGameSavedWithGoodsCellsAsFreeSlotsLoadsWithTheRightCounts) {
    mark(ZoneStorage, 6, 4);
    mark(ZoneStorage, 8, 4);
    mark(ZoneGoodsIn, 6, 8);
    mark(ZoneGoodsOut, 7, 8);
    ASSERT_TRUE(bring(6, 4, ItemGlass));
    ASSERT_TRUE(bring(6, 8, ItemSteel));
    // Earlier games counted the empty goods-out cell as a free slot too.
    level->addStoreable(ItemNone, 1);
    auto out = ClassicOutput();
    ASSERT_TRUE(level->writeTo(out));

    // The registries are shared: one level at a time.
    level.reset();
    level = std::make_unique<Level>(nullptr, nullptr, "");
    auto in = ClassicInput(out.str());
    ASSERT_TRUE(level->readFrom(in));
    EXPECT_EQ(level->getStoreableItemAmounts(), Counts({{ItemNone, 1}, {ItemGlass, 4}}));
    EXPECT_EQ(level->freeStorageFor(ItemSteel), 5u);
    expectConsistent();
}
