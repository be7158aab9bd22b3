// Every dialog of a small running factory, walked element by element: each
// text inside its element and clear of every other text, each button's
// caption clear of its frame, a row's buttons on one line, the titles in one
// size, and every list showing whole lines from its top when it opens.

#include "DialogTestSupport.hpp"

#include "../world/FactoryBuilding.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuMoneyChart.hpp"
#include "ui/MenuStockChart.hpp"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

class DialogLookTest : public DialogTest {
protected:
    void buildFactory() {
        using namespace FactoryBuilding;
        SmallWorkshop(level());
        for (int hired = 0; hired < 3; ++hired)
            level().hireApplicant(0);
        level().buyItems(level().getStockMarket().getItemBuyPrices().at(ItemSteel), ItemSteel, 3);
        for (int frame = 0; frame < 200; ++frame)
            level().update(0.3f);
        ASSERT_TRUE(level().save((scratch / "save" / "Fabrik Süd").string()));
    }

    sf::FloatRect boxOf(const Menu& menu, const MenuElement& element) {
        return sf::FloatRect(menu.getAbsolutePosition(&element), element.getSize());
    }

    // Walks the open dialog's tree and checks every text it writes.
    void checkLook(const Menu& menu, const std::string& name) {
        SCOPED_TRACE(name);
        const sf::FloatRect dialog(menu.getPosition(), menu.getSize());
        const sf::Vector2f screen = game->getGuiSize();
        EXPECT_TRUE(Inside(dialog, sf::FloatRect(0.f, 0.f, screen.x, screen.y)));
        struct Placed {
            std::string what;
            sf::FloatRect box;
        };
        std::vector<Placed> placed;
        for (MenuElement* element : menu.getAllElements()) {
            if (!element->isVisible() || element->getSize().x <= 0.f)
                continue;
            const sf::FloatRect box = boxOf(menu, *element);
            // Charts draw in their own space; their texts are checked by their own tests.
            if (dynamic_cast<MenuStockChart*>(element) || dynamic_cast<MenuMoneyChart*>(element))
                continue;
            const MenuListbox* list = nullptr;
            for (MenuElement* up = element->getParent(); up != nullptr; up = up->getParent())
                if (auto* found = dynamic_cast<MenuListbox*>(up))
                    list = found;
            if (list != nullptr && dynamic_cast<const MenuListboxEntry*>(element) != nullptr) {
                // Inside the frame, which covers the list's edge.
                sf::FloatRect shown = boxOf(menu, *list);
                const float frame = list->getBorderThickness();
                shown = {shown.left + frame, shown.top + frame, shown.width - 2.f * frame,
                         shown.height - 2.f * frame};
                sf::FloatRect ignored;
                // Scrolled out of the box, or wholly inside it: never cut.
                if (!box.intersects(shown, ignored))
                    continue;
                EXPECT_TRUE(Inside(box, shown))
                    << "a line of a list is cut: " << box.top << "+" << box.height << " in "
                    << shown.top << "+" << shown.height;
            }
            if (list != nullptr && !Inside(box, boxOf(menu, *list)))
                continue;
            EXPECT_TRUE(Inside(box, dialog)) << "an element leaves the dialog";
            for (const sf::Text* text : element->getWrittenTexts()) {
                const std::string what = Utf8(*text);
                if (what.empty())
                    continue;
                sf::FloatRect ink = text->getGlobalBounds();
                ink.left += box.left;
                ink.top += box.top;
                EXPECT_TRUE(Inside(ink, box)) << "\"" << what << "\" leaves its element";
                if (dynamic_cast<MenuButton*>(element) != nullptr) {
                    // No caption filling its button edge to edge.
                    EXPECT_GE(ink.left - box.left, 3.f) << what;
                    EXPECT_GE(box.left + box.width - ink.left - ink.width, 3.f) << what;
                    EXPECT_GE(ink.top - box.top, 2.f) << what;
                    EXPECT_GE(box.top + box.height - ink.top - ink.height, 2.f) << what;
                }
                for (const Placed& other : placed)
                    EXPECT_FALSE(ink.intersects(other.box))
                        << "\"" << what << "\" overlaps \"" << other.what << "\"";
                placed.push_back({what, ink});
            }
        }
        EXPECT_FALSE(placed.empty());
        checkButtonRows(menu);
    }

    // The buttons beside each other share their top, height and baseline.
    void checkButtonRows(const Menu& menu) {
        const std::vector<MenuButton*> buttons = DialogLayout::FindAll<MenuButton>(menu);
        for (const MenuButton* a : buttons)
            for (const MenuButton* b : buttons) {
                const sf::FloatRect boxA = boxOf(menu, *a);
                const sf::FloatRect boxB = boxOf(menu, *b);
                if (a == b || a->getParent() != b->getParent() || boxA.top != boxB.top ||
                    !a->isVisible() || !b->isVisible())
                    continue;
                EXPECT_EQ(boxA.height, boxB.height) << a->getCaption() << " / " << b->getCaption();
                const sf::Text& captionA = *a->getWrittenTexts().front();
                const sf::Text& captionB = *b->getWrittenTexts().front();
                // The baseline: one character size below the text's top.
                const float baselineA =
                    captionA.getTransform().transformPoint(0.f, captionA.getCharacterSize()).y;
                const float baselineB =
                    captionB.getTransform().transformPoint(0.f, captionB.getCharacterSize()).y;
                EXPECT_NEAR(baselineA, baselineB, 0.5f)
                    << a->getCaption() << " / " << b->getCaption();
            }
    }

    unsigned titleSize(const Menu& menu) {
        return DialogLayout::FindFirst<MenuLabel>(menu)->getCharacterSize();
    }
};

} // namespace

TEST_F(DialogLookTest, EveryDialogIsTidyAtTheWindowsSize) {
    buildFactory();
    GameObject* bench = level().getGameObjects().front().get();
    struct Shown {
        std::string name;
        std::function<bool()> open;
        std::function<Menu&()> menu;
    };
    Game& g = *game;
    const std::vector<Shown> dialogs = {
        {"main", [&] { return g.openMainMenu(); }, [&]() -> Menu& { return g.getMainMenu(); }},
        {"save", [&] { return g.openSaveMenu(); }, [&]() -> Menu& { return g.getSaveMenu(); }},
        {"load", [&] { return g.openLoadMenu(); }, [&]() -> Menu& { return g.getLoadMenu(); }},
        {"settings", [&] { return g.openSettingsMenu(); },
         [&]() -> Menu& { return g.getSettingsMenu(); }},
        {"production", [&] { return g.openProductionMenu(bench); },
         [&]() -> Menu& { return g.getProductionMenu(); }},
        {"order", [&] { return g.openOrderMenu(); }, [&]() -> Menu& { return g.getOrderMenu(); }},
        {"sell", [&] { return g.openSellMenu(); }, [&]() -> Menu& { return g.getSellMenu(); }},
        {"prices", [&] { return g.openPriceMenu(); }, [&]() -> Menu& { return g.getPriceMenu(); }},
        {"labour", [&] { return g.openLabourMarketMenu(); },
         [&]() -> Menu& { return g.getLabourMarketMenu(); }},
        {"dismissal", [&] { return g.openDismissMenu(); },
         [&]() -> Menu& { return g.getDismissMenu(); }},
        {"staff", [&] { return g.openStaffMenu(); }, [&]() -> Menu& { return g.getStaffMenu(); }},
        {"statistics", [&] { return g.openStatisticsMenu(); },
         [&]() -> Menu& { return g.getStatisticsMenu(); }},
        {"research", [&] { return g.openResearchMenu(); },
         [&]() -> Menu& { return g.getResearchMenu(); }},
        {"question",
         [&] {
             return g.ask(u8"Spielstand löschen?", {u8"„Fabrik Süd“ wird gelöscht."},
                          ButtonConfirmDelete, nullptr);
         },
         [&]() -> Menu& { return g.getQuestionMenu(); }},
    };
    std::set<unsigned> titleSizes;
    for (const Shown& shown : dialogs) {
        ASSERT_TRUE(shown.open()) << shown.name;
        Menu& menu = shown.menu();
        checkLook(menu, shown.name);
        titleSizes.insert(titleSize(menu));
        // Scrolled down and opened again: back at the top.
        if (auto* list = DialogLayout::FindFirst<MenuListbox>(menu)) {
            list->scrollTo(100.f);
            checkLook(menu, shown.name + " scrolled to its end");
            game->closeTopMenu();
            ASSERT_TRUE(shown.open()) << shown.name;
            // Some dialogs are built anew when they open.
            list = DialogLayout::FindFirst<MenuListbox>(menu);
            EXPECT_EQ(list->getScrollPosition(), 0.f) << shown.name;
        }
        game->closeTopMenu();
    }
    EXPECT_EQ(titleSizes.size(), 1u) << "the dialogs' titles differ in size";
}
