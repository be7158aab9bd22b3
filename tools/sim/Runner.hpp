#pragma once

#include "Options.hpp"
#include "economy/GameTime.hpp"
#include "world/Level.hpp"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Exit statuses of the runner.
enum SimExit { SimOk = 0, SimExpectFailed = 1, SimScriptError = 2, SimLoadFailed = 3 };

// Runs scenario scripts against one headless level and reports on it.
class Runner {
public:
    explicit Runner(const SimOptions& options);
    ~Runner();

    // Runs every script in order; the exit status of the first failure, or SimOk.
    int runScripts();
    void printReport();
    bool lastCommandWasReport() const { return lastWasReport; }
    // --load: the level comes from the file, with no new map to fall back on.
    bool loadStartingLevel(const std::string& path);
    std::map<std::string, std::string> report();

private:
    struct Line {
        std::string file;
        int number = 0;
        std::string text;
        std::vector<std::string> words;
    };
    // Each returns SimOk to go on, or the exit status that ends the run.
    int runScript(const std::string& file);
    int runLine(const Line& line);
    int fail(const Line& line, const std::string& message) const;
    void refuse(const Line& line);

    bool readInt(const Line& line, std::size_t index, int& value) const;
    bool readNumber(const Line& line, std::size_t index, double& value) const;
    bool hasWords(const Line& line, std::size_t least, std::size_t most) const;
    // Builds the rectangle named from word `first` on as a drag of the tool
    // does, row by row; each cell the game refuses counts as one refused
    // action, and so does an area refused whole for its price.
    int buildArea(const Line& line, std::size_t first, ToolCategory category, GuiElemType tool);
    sf::Vector2f cellCentre(int column, int row) const;

    int commandTile(const Line& line);
    int commandZone(const Line& line);
    int commandUnzone(const Line& line);
    int commandObject(const Line& line);
    int commandDemolish(const Line& line);
    int commandRun(const Line& line);
    // The staff and the machines (RunnerStaff.cpp).
    int commandHire(const Line& line);
    int commandDismiss(const Line& line);
    int commandPriorities(const Line& line);
    int commandRecipe(const Line& line);
    int commandExpect(const Line& line);
    // The order and sell dialogs (RunnerTrade.cpp).
    int commandBuy(const Line& line);
    int commandSell(const Line& line);
    // Books money straight into the account: scenarios and benchmarks that
    // build big factories would run out of money first. No game feature.
    int commandMoney(const Line& line);
    // The research dialog and the report's research keys (RunnerResearch.cpp).
    int commandResearch(const Line& line);
    void reportResearch(std::map<std::string, std::string>& report) const;
    // Save files (RunnerSaveFile.cpp).
    int commandSave(const Line& line);
    int commandLoad(const Line& line);

    void advanceFrame(double minutes);

    SimOptions options;
    GameTime clock;
    std::unique_ptr<Level> level;
    int refused = 0;
    bool lastWasReport = false;
    std::vector<double> updateMicroseconds;
};
