#include "alerts/EventMessages.hpp"

#include "params/Texts.hpp"

#include <algorithm>
#include <iomanip>
#include <sstream>

std::string EventMessages::Message::text() const {
    std::ostringstream line;
    const std::string item = GameParams::Texts::GetItemTypeName(event.item);
    switch (event.kind) {
    case LevelEvent::TruckArrived:
        line << "Lkw angekommen";
        break;
    case LevelEvent::UnitsDelivered:
        line << event.units << " × " << item << " geliefert";
        break;
    case LevelEvent::SalePaid:
        line << "Verkauf: " << event.units << " × " << item << ", +" << std::fixed
             << std::setprecision(2) << event.money;
        break;
    }
    return line.str();
}

float EventMessages::Message::opacity() const {
    if (age <= ShownSeconds)
        return 1.f;
    return std::max(0.f, 1.f - (age - ShownSeconds) / FadeSeconds);
}

void EventMessages::add(const LevelEvent& event) {
    for (Message& shown : messages) {
        if (shown.event.kind == event.kind && shown.event.item == event.item &&
            shown.age <= ShownSeconds) {
            shown.event.units += event.units;
            shown.event.money += event.money;
            shown.event.cell = event.cell;
            shown.age = 0.f;
            return;
        }
    }
    messages.push_back({event, 0.f});
    while (messages.size() > MostShown)
        messages.pop_front();
}

void EventMessages::advance(float realSeconds) {
    for (Message& message : messages)
        message.age += realSeconds;
    messages.erase(std::remove_if(messages.begin(), messages.end(),
                                  [](const Message& message) { return message.opacity() <= 0.f; }),
                   messages.end());
}
