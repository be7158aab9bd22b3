#include "alerts/Alert.hpp"

const char* AlertKindName(AlertKind kind) {
    switch (kind) {
    case AlertKind::RoomOpen:
        return "room_open";
    case AlertKind::RoomNoAccess:
        return "room_no_access";
    case AlertKind::BenchNoRecipe:
        return "bench_no_recipe";
    case AlertKind::BenchWaiting:
        return "bench_waiting";
    case AlertKind::BenchBlocked:
        return "bench_blocked";
    case AlertKind::StorageFull:
        return "storage_full";
    case AlertKind::NeedUnserved:
        return "need_unserved";
    case AlertKind::ObjectUnusable:
        return "object_unusable";
    case AlertKind::DeliveryBlocked:
        return "delivery_blocked";
    case AlertKind::PickupBlocked:
        return "pickup_blocked";
    case AlertKind::NoStaff:
        return "no_staff";
    case AlertKind::BalanceNegative:
        return "balance_negative";
    case AlertKind::ResearchNoDesk:
        return "research_no_desk";
    case AlertKind::ResearchNoProject:
        return "research_no_project";
    }
    return "unknown";
}
