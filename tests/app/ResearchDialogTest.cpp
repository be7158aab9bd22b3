// The research dialog, opened from the HUD: a project is chosen by clicking,
// the points gathered show as figures and a bar, finished projects are marked
// and refused, and every line is readable within the window.

#include "DialogTestSupport.hpp"

#include "ui/MenuButtonKind.hpp"
#include "ui/MenuListbox.hpp"
#include "ui/MenuListboxProgressEntry.hpp"

namespace {

using DialogLayout::DialogLine;

MenuListboxProgressEntry* EntryOf(const Menu& menu, ResearchProject project) {
    for (auto* entry : DialogLayout::FindAll<MenuListboxProgressEntry>(menu))
        if (entry->getTag() == static_cast<int>(project))
            return entry;
    return nullptr;
}

std::string Note(const Menu& menu) {
    const DialogLine* line = DialogLayout::FindLine(menu, DialogLine::Note);
    return line == nullptr ? "" : line->getText();
}

} // namespace

class ResearchDialogTest : public DialogTest {
protected:
    void choose(ResearchProject project) {
        Menu& menu = game->getResearchMenu();
        MenuListboxProgressEntry* entry = EntryOf(menu, project);
        ASSERT_NE(entry, nullptr);
        click(centreOf(menu, *entry));
        MenuListboxEntry::ForgetLastPress();
        clickButton(menu, ButtonChooseResearch);
    }
    void reopen() {
        key(sf::Keyboard::Escape);
        click(hudButton(CategoryPanel, GuiResearch));
        ASSERT_TRUE(game->getResearchMenu().isOpen());
    }

    // Whole lines inside the list; every text readable.
    void expectReadable(const Menu& menu) {
        const MenuListbox* list = DialogLayout::FindFirst<MenuListbox>(menu);
        ASSERT_NE(list, nullptr);
        std::vector<Ink> inks;
        auto add = [&](const MenuElement& owner, const std::string& what, sf::FloatRect box) {
            box.left += menu.getAbsolutePosition(&owner).x;
            box.top += menu.getAbsolutePosition(&owner).y;
            inks.push_back({what, box});
        };
        for (const auto* entry : DialogLayout::FindAll<MenuListboxProgressEntry>(menu)) {
            EXPECT_GE(entry->getPosition().y, 0.f);
            EXPECT_LE(entry->getPosition().y + entry->getSize().y, list->getSize().y + 0.5f)
                << entry->getText() << " is cut by the list";
            for (const sf::Text* text : entry->getTexts())
                if (!text->getString().isEmpty())
                    add(*entry, "'" + std::string(text->getString()) + "'",
                        text->getGlobalBounds());
            add(*entry, "the bar of " + entry->getText(), entry->getBarFrame().getGlobalBounds());
        }
        for (const DialogLine* line : DialogLayout::FindAll<DialogLine>(menu))
            add(*line, "the note", line->getTextShape().getGlobalBounds());
        expectInksReadable(menu, inks);
    }
};

TEST_F(ResearchDialogTest, AProjectIsChosenByClickingAndShowsItsProgressAndWhenItIsDone) {
    click(hudButton(CategoryPanel, GuiResearch));
    Menu& menu = game->getResearchMenu();
    ASSERT_TRUE(menu.isOpen());
    EXPECT_EQ(DialogLayout::FindAll<MenuListboxProgressEntry>(menu).size(),
              Research::Projects().size());
    // A new game has no office: the dialog says why nothing will be found out.
    EXPECT_NE(Note(menu).find("Büro"), std::string::npos) << Note(menu);

    choose(ResearchProject::Production1);
    ResearchState& research = level().getResearch();
    EXPECT_EQ(research.getActive(), ResearchProject::Production1);
    MenuListboxProgressEntry* first = EntryOf(menu, ResearchProject::Production1);
    EXPECT_EQ(first->getState(), "Wird erforscht");
    EXPECT_EQ(first->getFigures(), "0 / 800 Punkte");

    research.addPoints(400.f);
    reopen();
    EXPECT_EQ(first->getFigures(), "400 / 800 Punkte");
    EXPECT_FLOAT_EQ(first->getFraction(), 0.5f);
    EXPECT_FLOAT_EQ(first->getBar().getSize().x, first->getBarFrame().getSize().x / 2.f);
    expectReadable(menu);

    research.addPoints(400.f);
    reopen();
    EXPECT_EQ(first->getState(), "Erforscht");
    EXPECT_FLOAT_EQ(first->getFraction(), 1.f);
    // Nothing is in work: no line is highlighted as if it were.
    EXPECT_EQ(DialogLayout::FindFirst<MenuListbox>(menu)->getSelectedEntry(), nullptr);
    EXPECT_EQ(EntryOf(menu, ResearchProject::Production3)->getState(),
              "Erst „Schnellere Fertigung II“ erforschen");
    // Finished is not chosen again; the next step now can be.
    choose(ResearchProject::Production1);
    EXPECT_FALSE(research.hasActive());
    EXPECT_NE(Note(menu).find("schon erforscht"), std::string::npos) << Note(menu);
    choose(ResearchProject::Production2);
    EXPECT_EQ(research.getActive(), ResearchProject::Production2);
    expectReadable(menu);
}
