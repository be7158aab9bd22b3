// The settings dialog: one row per setting of the settings table, its values
// side by side, the one in force marked. A click takes effect at once.

#include "app/Game.hpp"

#include "app/DialogLayout.hpp"
#include "ui/MenuBindings.hpp"
#include "ui/MenuButton.hpp"
#include "ui/MenuButtonKind.hpp"
#include "ui/MenuColumnContainer.hpp"
#include "ui/MenuLabel.hpp"

#include <algorithm>
#include <memory>

namespace {

constexpr float DialogWidth = 800.f;
constexpr float RowHeight = 30.f;
constexpr unsigned LabelCharacterSize = 18;
// The label takes a wider column than each value; every row has as many
// value columns as the setting with the most values, so they line up.
constexpr int LabelWeight = 4;
constexpr int ChoiceWeight = 3;

int MostChoices() {
    std::size_t most = 0;
    for (const SettingDescription& setting : SettingsTable())
        most = std::max(most, setting.choices.size());
    return static_cast<int>(most);
}

} // namespace

void Game::bindSettingsActions() {
    MenuBindings::Bind(ActionOpenSettingsMenu, [](Game* game) {
        if (game != nullptr)
            game->openSettingsMenu();
    });
}

bool Game::openSettingsMenu() {
    if (settingsMenu.isOpen())
        return false;
    buildSettingsMenu();
    return openMenu(settingsMenu);
}

void Game::buildSettingsMenu() {
    DialogLayout::Start(settingsMenu, this, font, "Einstellungen", DialogWidth);
    const int columns = 1 + MostChoices();
    for (const SettingDescription& setting : SettingsTable()) {
        auto row = std::make_unique<MenuColumnContainer>();
        row->setColumnCount(columns);
        row->setColumnWeight(0, LabelWeight);
        for (int column = 1; column < columns; ++column)
            row->setColumnWeight(column, ChoiceWeight);

        auto label = std::make_unique<MenuLabel>(row.get(), font);
        label->setAlignment(MenuLabel::AlignLeft);
        label->setText(setting.label);
        label->setLargestCharacterSize(LabelCharacterSize);
        label->setSize(DialogWidth, RowHeight);
        row->addElement(0, std::move(label));

        int column = 1;
        for (const SettingChoice& choice : setting.choices) {
            auto button = std::make_unique<MenuButton>(row.get(), this, font, ButtonSettingChoice);
            button->setCaption(choice.caption);
            // One height for every row, whatever letters the captions hold.
            button->setSize(button->getSize().x, RowHeight);
            button->setChosen(settings.*setting.field == choice.value);
            int Settings::*const field = setting.field;
            const int value = choice.value;
            button->setCallback([field, value](Game* game) {
                if (game != nullptr)
                    game->changeSetting(field, value);
            });
            row->addElement(column++, std::move(button));
        }
        row->setSize(DialogWidth, 0.f);
        settingsMenu.add(std::move(row));
    }
    DialogLayout::AddCentredButton(settingsMenu, ButtonCloseSettings, DialogWidth);
    DialogLayout::Finish(settingsMenu);
}
