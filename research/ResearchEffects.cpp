#include "research/ResearchEffects.hpp"

namespace {

// Each production step takes a tenth of the original duration off.
constexpr double ProductionStep = 0.1;
constexpr double LogisticsSpawnDelay = 0.5;
constexpr double LogisticsDriverSpeed = 1.5;
constexpr double ErgonomicsNeedRise = 0.85;
constexpr double PurchasingBuyPrice = 0.95;
constexpr double SalesSellPrice = 1.05;

} // namespace

ResearchEffects ResearchEffects::Of(const std::set<ResearchProject>& finished) {
    ResearchEffects effects;
    int productionSteps = 0;
    for (ResearchProject project : finished) {
        switch (project) {
        case ResearchProject::Production1:
        case ResearchProject::Production2:
        case ResearchProject::Production3:
            ++productionSteps;
            break;
        case ResearchProject::Logistics:
            effects.truckSpawnDelay = LogisticsSpawnDelay;
            effects.driverWalkSpeed = LogisticsDriverSpeed;
            break;
        case ResearchProject::Ergonomics:
            effects.needRise = ErgonomicsNeedRise;
            break;
        case ResearchProject::Purchasing:
            effects.buyPrice = PurchasingBuyPrice;
            break;
        case ResearchProject::Sales:
            effects.sellPrice = SalesSellPrice;
            break;
        case ResearchProject::None:
            break;
        }
    }
    effects.recipeDuration = 1.0 - ProductionStep * productionSteps;
    return effects;
}
