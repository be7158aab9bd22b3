#include "params/BuildRefusal.hpp"

namespace GameParams::Texts {

std::string GetBuildRefusalText(BuildRefusal refusal) {
    switch (refusal) {
    case BuildRefusal::GoodsFindNoPlace:
        return "Lagerplatz enthält Waren, die nirgends Platz finden";
    case BuildRefusal::GoodsOnTheWay:
        return "Lagerplatz wird gerade beliefert oder geleert";
    case BuildRefusal::SoldGoodsWaiting:
        return "Warenausgang enthält verkaufte Waren für den Lkw";
    case BuildRefusal::ObjectNeedsZone:
        return "Der Gegenstand hier braucht diese Zone";
    case BuildRefusal::ObjectForbidsZone:
        return "Der Gegenstand hier passt nicht in diese Zone";
    case BuildRefusal::None:
        break;
    }
    return "";
}

} // namespace GameParams::Texts
