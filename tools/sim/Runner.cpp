#include "Runner.hpp"

#include "Expectation.hpp"
#include "TypeNames.hpp"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream stream(text.substr(0, text.find('#')));
    stream.imbue(std::locale::classic());
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

} // namespace

Runner::Runner(const SimOptions& options)
    : options(options), level(std::make_unique<Level>(nullptr, nullptr, "")) {
    // The market keys its buy-price history by this clock's total.
    level->attachClock(&clock);
}

Runner::~Runner() = default;

int Runner::runScripts() {
    for (const std::string& script : options.scripts)
        if (int status = runScript(script); status != SimOk)
            return status;
    return SimOk;
}

int Runner::runScript(const std::string& file) {
    std::ifstream opened;
    if (file != "-") {
        opened.open(file);
        if (!opened) {
            std::cerr << file << ": cannot open script" << std::endl;
            return SimScriptError;
        }
    }
    std::istream& in = file == "-" ? std::cin : opened;
    Line line;
    line.file = file == "-" ? "<stdin>" : file;
    while (std::getline(in, line.text)) {
        ++line.number;
        line.words = SplitWords(line.text);
        if (line.words.empty())
            continue;
        if (int status = runLine(line); status != SimOk)
            return status;
    }
    return SimOk;
}

int Runner::runLine(const Line& line) {
    const std::string& command = line.words[0];
    level->clearRefusal();
    lastWasReport = command == "report";
    if (command == "tile")
        return commandTile(line);
    if (command == "zone")
        return commandZone(line);
    if (command == "unzone")
        return commandUnzone(line);
    if (command == "object")
        return commandObject(line);
    if (command == "demolish")
        return commandDemolish(line);
    if (command == "run")
        return commandRun(line);
    if (command == "hire")
        return commandHire(line);
    if (command == "dismiss")
        return commandDismiss(line);
    if (command == "priorities")
        return commandPriorities(line);
    if (command == "recipe")
        return commandRecipe(line);
    if (command == "buy")
        return commandBuy(line);
    if (command == "sell")
        return commandSell(line);
    if (command == "money")
        return commandMoney(line);
    if (command == "expect")
        return commandExpect(line);
    if (command == "research")
        return commandResearch(line);
    if (command == "save")
        return commandSave(line);
    if (command == "load")
        return commandLoad(line);
    if (command == "report") {
        if (!hasWords(line, 1, 1))
            return fail(line, "report takes no arguments");
        printReport();
        return SimOk;
    }
    return fail(line, "unknown command '" + command + "'");
}

int Runner::fail(const Line& line, const std::string& message) const {
    std::cerr << line.file << ":" << line.number << ": " << message << std::endl;
    return SimScriptError;
}

void Runner::refuse(const Line& line) {
    ++refused;
    std::cout << "refused: " << line.file << ":" << line.number << ": " << line.text;
    // The reason the game shows the player, where it has one.
    const std::string reason = GameParams::Texts::GetBuildRefusalText(level->getRefusal());
    if (!reason.empty())
        std::cout << " (" << reason << ")";
    std::cout << std::endl;
    level->clearRefusal();
}

bool Runner::hasWords(const Line& line, std::size_t least, std::size_t most) const {
    return line.words.size() >= least && line.words.size() <= most;
}

bool Runner::readInt(const Line& line, std::size_t index, int& value) const {
    if (index >= line.words.size())
        return false;
    std::istringstream stream(line.words[index]);
    stream.imbue(std::locale::classic());
    return (stream >> value) && stream.eof();
}

bool Runner::readNumber(const Line& line, std::size_t index, double& value) const {
    if (index >= line.words.size())
        return false;
    std::istringstream stream(line.words[index]);
    stream.imbue(std::locale::classic());
    return (stream >> value) && stream.eof();
}

int Runner::commandExpect(const Line& line) {
    if (!hasWords(line, 4, 4))
        return fail(line, "usage: expect KEY OP VALUE");
    const std::string& key = line.words[1];
    if (!IsReportKey(key))
        return fail(line, "unknown report key '" + key + "'");
    const auto values = report();
    const auto found = values.find(key);
    const std::string actual = found == values.end() ? "0" : found->second;
    const std::optional<bool> holds = Compare(actual, line.words[2], line.words[3]);
    if (!holds)
        return fail(line, "unknown comparison '" + line.words[2] + "'");
    if (!*holds) {
        std::cerr << line.file << ":" << line.number << ": expected " << key << " " << line.words[2]
                  << " " << line.words[3] << ", but " << key << " is " << actual << std::endl;
        return SimExpectFailed;
    }
    return SimOk;
}

void Runner::printReport() {
    for (const auto& [key, value] : report())
        std::cout << key << "=" << value << "\n";
    std::cout.flush();
}
