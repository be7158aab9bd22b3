// The question the game asks before something is lost: a small dialog over
// the others with the confirming button on the left and "Abbrechen" on the
// right. Escape and the right mouse button cancel it as any dialog.

#include "app/Game.hpp"

#include "app/DialogLayout.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuLabel.hpp"
#include "ui/MenuListboxEntry.hpp"
#include "ui/MenuSpacer.hpp"

#include <SFML/Graphics/RectangleShape.hpp>

#include <memory>

namespace {

// Wider than the main menu it is most often asked over, so its edges show.
constexpr float QuestionWidth = 480.f;
// One size for every line, whatever letters it holds; a long name only
// makes its own line smaller.
constexpr unsigned LineCharacterSize = 20;
constexpr float LineHeight = 24.f;
constexpr float LineGap = 4.f;
constexpr float GapAboveButtons = 16.f;
const sf::Color ShadeColour(0, 0, 0, 110);

} // namespace

void Game::buildQuestionMenu(const std::string& title, const std::vector<std::string>& lines,
                             int confirmKind) {
    DialogLayout::Start(questionMenu, this, font, title, QuestionWidth);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (index > 0)
            questionMenu.add(std::make_unique<MenuSpacer>(nullptr, QuestionWidth, LineGap));
        questionMenu.addLabel(MenuLabel::AlignCentre, lines[index], QuestionWidth, LineHeight)
            ->setLargestCharacterSize(LineCharacterSize);
    }
    questionMenu.add(std::make_unique<MenuSpacer>(nullptr, QuestionWidth, GapAboveButtons));
    if (confirmKind == ButtonCloseNotice)
        DialogLayout::AddCentredButton(questionMenu, ButtonCloseNotice, QuestionWidth);
    else
        DialogLayout::AddButtonRow(questionMenu, confirmKind, ButtonCancelQuestion, QuestionWidth);
    DialogLayout::Finish(questionMenu);
}

bool Game::ask(const std::string& title, const std::vector<std::string>& lines, int confirmKind,
               std::function<void()> answer) {
    if (questionMenu.isOpen()) {
        // A question is always on top; a newer one (closing the window while
        // asked about a dismissal) takes its place.
        if (getTopMenu() != &questionMenu)
            return false;
        closeTopMenu();
    }
    buildQuestionMenu(title, lines, confirmKind);
    questionAnswer = std::move(answer);
    questionClock.restart();
    return openMenu(questionMenu);
}

bool Game::tell(const std::string& title, const std::vector<std::string>& lines) {
    return ask(title, lines, ButtonCloseNotice, nullptr);
}

void Game::confirmQuestion() {
    if (getTopMenu() != &questionMenu)
        return;
    const std::function<void()> answer = std::move(questionAnswer);
    questionAnswer = nullptr;
    closeTopMenu();
    if (answer)
        answer();
}

bool Game::isQuestionSettling() const {
    return getTopMenu() == &questionMenu &&
           questionClock.getElapsedTime() < sf::seconds(MenuListboxEntry::DoubleClickSeconds);
}

void Game::drawQuestionShade() {
    sf::RectangleShape shade(getGuiSize());
    shade.setFillColor(ShadeColour);
    window->draw(shade);
}
