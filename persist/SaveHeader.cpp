#include "persist/SaveHeader.hpp"

#include <cmath>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <limits>
#include <locale>
#include <sstream>

namespace GameParams {

namespace {

const char* const HeaderWord = "OSTRAVEL-SPIELSTAND";
constexpr int HeaderVersion = 1;
// Far longer than any line the game writes; a longer one is no header.
constexpr std::size_t MaxHeaderBytes = 512;
// More people than a map could ever hold.
constexpr unsigned long long MaxEmployees = 1000000;

void Report(const std::string& message) {
    std::cout << "GameParams::ReadSaveHeader() - " << message << std::endl;
}

// The whole token must be the number: "12abc" is no number of the header.
template <class Number> bool ParseWhole(const std::string& token, Number& value) {
    std::istringstream in(token);
    in.imbue(std::locale::classic());
    Number parsed{};
    if (!(in >> parsed) || in.peek() != std::char_traits<char>::eof())
        return false;
    value = parsed;
    return true;
}

// Stores one fact; false when the value is no fit for its key.
bool ReadFact(SaveSummary& summary, const std::string& key, const std::string& value) {
    long long whole = 0;
    if (key == "minutes") {
        if (!ParseWhole(value, whole) || whole < 0)
            return false;
        summary.gameMinutes = whole;
    } else if (key == "balance") {
        double amount = 0.0;
        if (!ParseWhole(value, amount) || !std::isfinite(amount))
            return false;
        summary.balance = amount;
    } else if (key == "employees") {
        if (!ParseWhole(value, whole) || whole < 0 ||
            static_cast<unsigned long long>(whole) > MaxEmployees)
            return false;
        summary.employees = static_cast<unsigned>(whole);
    } else if (key == "saved") {
        if (!ParseWhole(value, whole) || whole < 0)
            return false;
        summary.savedAt = whole;
    }
    // Keys of a later game are passed over.
    return true;
}

// The rest of the line after the header word, without its line break; false
// when no line break comes within the bound.
bool ReadRestOfLine(std::istream& in, std::string& line) {
    char c = 0;
    while (line.size() < MaxHeaderBytes && in.get(c)) {
        if (c == '\n')
            return true;
        line.push_back(c);
    }
    return false;
}

SaveSummary ParseFacts(const std::string& line) {
    SaveSummary summary;
    summary.hasHeader = true;
    std::istringstream facts(line);
    facts.imbue(std::locale::classic());
    int version = 0;
    if (!(facts >> version) || version != HeaderVersion) {
        Report("Version ungueltig!");
        return summary;
    }
    bool sound = true;
    std::string key;
    std::string value;
    while (facts >> key) {
        if (!(facts >> value) || !ReadFact(summary, key, value)) {
            sound = false;
            if (!facts)
                break;
        }
    }
    if (!sound)
        Report("Kopfzeile ungueltig!");
    return summary;
}

} // namespace

bool WriteSaveHeader(std::ostream& out, const SaveSummary& summary) {
    std::ostringstream line;
    line.imbue(std::locale::classic());
    line << HeaderWord << ' ' << HeaderVersion;
    if (summary.gameMinutes)
        line << " minutes " << *summary.gameMinutes;
    if (summary.balance)
        line << " balance " << std::fixed << std::setprecision(2) << *summary.balance;
    if (summary.employees)
        line << " employees " << *summary.employees;
    if (summary.savedAt)
        line << " saved " << *summary.savedAt;
    line << '\n';
    out << line.str();
    return !out.fail();
}

SaveSummary ReadSaveHeader(std::istream& in) {
    const std::istream::pos_type start = in.tellg();
    std::string word;
    in >> word;
    if (word != HeaderWord) {
        // A file from before the header: the level starts at once.
        in.clear();
        in.seekg(start);
        return {};
    }
    std::string line;
    if (!ReadRestOfLine(in, line)) {
        Report("Kopfzeile ungueltig!");
        SaveSummary unreadable;
        unreadable.hasHeader = true;
        return unreadable;
    }
    return ParseFacts(line);
}

SaveSummary ReadSaveHeaderOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return {};
    return ReadSaveHeader(file);
}

} // namespace GameParams
