// Nothing is lost without asking: quitting and loading over unsaved progress,
// saving over a save and dismissing a person ask first, and cancelling keeps
// everything as it was.

#include "DialogTestSupport.hpp"

#include "actors/Employee.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuListboxEntry.hpp"
#include "ui/MenuTextbox.hpp"

#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

class QuestionTest : public DialogTest {
protected:
    bool asked() { return game->getTopMenu() == &game->getQuestionMenu(); }
    // Every line of the open question, title first.
    std::string question() {
        std::string text;
        for (const MenuLabel* label : DialogLayout::FindAll<MenuLabel>(game->getQuestionMenu()))
            text += label->getText() + "\n";
        return text;
    }
    void closeWindow() {
        sf::Event event;
        event.type = sf::Event::Closed;
        game->handleEvent(event);
    }
    // Through the main menu's save dialog; the main menu stays open.
    void saveAs(const std::string& name) {
        if (!game->getMainMenu().isOpen()) {
            ASSERT_TRUE(game->openMainMenu());
        }
        clickButton(game->getMainMenu(), ButtonOpenSaveMenu);
        MenuTextbox* box = DialogLayout::FindFirst<MenuTextbox>(game->getSaveMenu());
        ASSERT_NE(box, nullptr);
        box->setText(name);
        clickButton(game->getSaveMenu(), ButtonSaveGame);
        ASSERT_TRUE(game->update()); // the lists are read again
    }
    void loadFromDialog(const std::string& name) {
        clickButton(game->getMainMenu(), ButtonOpenLoadMenu);
        for (MenuListboxEntry* entry : DialogLayout::FindAll<MenuListboxEntry>(game->getLoadMenu()))
            if (entry->getText() == name)
                click(centreOf(game->getLoadMenu(), *entry));
        clickButton(game->getLoadMenu(), ButtonLoadGame);
    }
};

TEST_F(QuestionTest, QuittingAsksOnlyWhenSomethingHappenedSinceTheLastSave) {
    ASSERT_TRUE(level().addEmployee());
    ASSERT_TRUE(game->openMainMenu());
    clickButton(game->getMainMenu(), ButtonQuitGame);
    ASSERT_TRUE(asked());
    EXPECT_EQ(question(), "Spiel verlassen?\nNicht gespeicherte Fortschritte gehen verloren.\n");
    const MenuButton* confirm = buttonOfKind(game->getQuestionMenu(), ButtonConfirmQuit);
    EXPECT_EQ(confirm->getCaption(), "Verlassen");
    // The second half of a double click on "Spiel verlassen" answers nothing.
    click(centreOf(game->getQuestionMenu(), *confirm));
    ASSERT_TRUE(asked());
    key(sf::Keyboard::Escape);
    EXPECT_EQ(game->getTopMenu(), &game->getMainMenu());
    clickButton(game->getMainMenu(), ButtonQuitGame);
    ASSERT_TRUE(asked());
    rightClick();
    EXPECT_EQ(game->getTopMenu(), &game->getMainMenu());
    EXPECT_TRUE(game->isPausedByMenu());
    EXPECT_TRUE(game->getWindow()->isOpen());
    EXPECT_EQ(level().getEmployees().size(), 1u);

    saveAs("werk");
    // Frames under the menu, a new zoom and the close button: nothing new.
    for (int frame = 0; frame < 3; ++frame)
        ASSERT_TRUE(game->update());
    game->setZoom(1);
    closeWindow();
    EXPECT_FALSE(game->getWindow()->isOpen());
}

TEST_F(QuestionTest, ANewGameCountsAsSavedUntilItsClockRuns) {
    EXPECT_FALSE(game->hasUnsavedProgress());
    sf::sleep(sf::milliseconds(20));
    ASSERT_TRUE(game->update());
    ASSERT_EQ(game->getGameTime().getSpeedLevel(), 1u);
    EXPECT_TRUE(game->hasUnsavedProgress());

    closeWindow();
    ASSERT_TRUE(asked());
    EXPECT_TRUE(game->isPausedByMenu());
    closeWindow(); // asks once, not twice
    EXPECT_EQ(game->getOpenMenus().size(), 1u);
    answer(ButtonConfirmQuit);
    EXPECT_FALSE(game->update());
}

TEST_F(QuestionTest, LoadingOverUnsavedProgressAsksAndCancellingKeepsTheGame) {
    ASSERT_TRUE(level().addEmployee());
    saveAs("werk");
    ASSERT_TRUE(level().addEmployee());
    loadFromDialog("werk");
    ASSERT_TRUE(asked());
    EXPECT_EQ(question(), "Spielstand laden?\nNicht gespeicherte Fortschritte gehen verloren.\n");
    answer(ButtonCancelQuestion);
    EXPECT_EQ(game->getTopMenu(), &game->getLoadMenu());
    EXPECT_EQ(level().getEmployees().size(), 2u);

    clickButton(game->getLoadMenu(), ButtonLoadGame);
    answer(ButtonConfirmLoad);
    EXPECT_EQ(level().getEmployees().size(), 1u);
    EXPECT_EQ(game->getTopMenu(), &game->getMainMenu());
    // Right after a load nothing is at stake.
    ASSERT_TRUE(game->update());
    loadFromDialog("werk");
    EXPECT_EQ(game->getTopMenu(), &game->getMainMenu());
}

TEST_F(QuestionTest, SavingOverASaveAsksBeforeItIsReplaced) {
    saveAs("werk");
    const std::string saved = FileText(scratch / "save" / "werk");
    ASSERT_FALSE(saved.empty());
    ASSERT_TRUE(level().addEmployee());
    saveAs("werk");
    ASSERT_TRUE(asked());
    EXPECT_EQ(question(),
              "Überschreiben?\nDer Spielstand „werk“\nwird durch das laufende Spiel ersetzt.\n");
    answer(ButtonCancelQuestion);
    EXPECT_EQ(game->getTopMenu(), &game->getSaveMenu());
    EXPECT_EQ(FileText(scratch / "save" / "werk"), saved);

    clickButton(game->getSaveMenu(), ButtonSaveGame);
    answer(ButtonConfirmOverwrite);
    EXPECT_EQ(game->getTopMenu(), &game->getMainMenu());
    EXPECT_NE(FileText(scratch / "save" / "werk"), saved);
    EXPECT_FALSE(game->hasUnsavedProgress());
}

TEST_F(QuestionTest, DismissingAsksForEachPersonAndADoubleClickDismissesAtMostOne) {
    ASSERT_TRUE(level().addEmployee());
    ASSERT_TRUE(level().addEmployee());
    const std::string first = level().getEmployees()[0]->getFullName();
    const int secondId = level().getEmployees()[1]->getId();
    ASSERT_TRUE(game->openDismissMenu());
    Menu& dismissal = game->getDismissMenu();
    const sf::Vector2i dismissButton = centreOf(dismissal, *buttonOfKind(dismissal, ButtonDismiss));

    click(dismissButton);
    click(dismissButton);
    ASSERT_TRUE(asked());
    EXPECT_EQ(question(), "Mitarbeiter entlassen?\n" + first + " wird entlassen.\n");
    EXPECT_EQ(level().getEmployees().size(), 2u);
    rightClick();
    EXPECT_EQ(game->getTopMenu(), &dismissal);
    EXPECT_TRUE(game->isPausedByMenu()) << "back in the dismissal dialog, still paused";
    EXPECT_EQ(level().getEmployees().size(), 2u);

    click(dismissButton);
    const MenuButton* confirm = buttonOfKind(game->getQuestionMenu(), ButtonConfirmDismiss);
    ASSERT_NE(confirm, nullptr);
    const sf::Vector2i confirmAt = centreOf(game->getQuestionMenu(), *confirm);
    answer(ButtonConfirmDismiss);
    click(confirmAt); // the double click's second half
    ASSERT_EQ(level().getEmployees().size(), 1u);
    EXPECT_EQ(level().getEmployees()[0]->getId(), secondId);
    EXPECT_EQ(game->getTopMenu(), &dismissal);
}

// Why something asked for was not done: a notice with one button, which
// closes it and nothing else.
TEST_F(QuestionTest, ANoticeSaysWhyAndItsOneButtonClosesIt) {
    ASSERT_TRUE(game->openDismissMenu());
    ASSERT_TRUE(game->tell("Nicht entlassen",
                           {"Eva Berg trägt Ware, für die", "kein Lagerplatz frei ist."}));
    ASSERT_TRUE(asked());
    EXPECT_EQ(question(),
              "Nicht entlassen\nEva Berg trägt Ware, für die\nkein Lagerplatz frei ist.\n");
    EXPECT_EQ(DialogLayout::FindAll<MenuButton>(game->getQuestionMenu()).size(), 1u);
    answer(ButtonCloseNotice);
    EXPECT_EQ(game->getTopMenu(), &game->getDismissMenu());
}
