#pragma once

#include <cstddef>

// Every sound the game makes. The build draws each into its own file under
// SoundFolder (tools/soundgen); the game loads them from there on first use.
enum class SoundId : int {
    Click,
    DialogOpen,
    DialogClose,
    BuildTile,
    BuildZone,
    BuildObject,
    Demolish,
    Refused,
    CashIn,
    MoneyOut,
    TruckArrive,
    TruckLeave,
    Door,
    Alert,
    // The factory's hum, played as a loop.
    Ambience,
    Count
};

constexpr std::size_t SoundCount = static_cast<std::size_t>(SoundId::Count);

struct SoundFile {
    SoundId id;
    const char* name;
    // The length the generator draws, in milliseconds.
    int milliseconds;
};

// In SoundId's order.
constexpr SoundFile SoundFiles[SoundCount] = {
    {SoundId::Click, "click.wav", 40},
    {SoundId::DialogOpen, "dialog_open.wav", 140},
    {SoundId::DialogClose, "dialog_close.wav", 130},
    {SoundId::BuildTile, "build_tile.wav", 160},
    {SoundId::BuildZone, "build_zone.wav", 200},
    {SoundId::BuildObject, "build_object.wav", 300},
    {SoundId::Demolish, "demolish.wav", 420},
    {SoundId::Refused, "refused.wav", 260},
    {SoundId::CashIn, "cash_in.wav", 380},
    {SoundId::MoneyOut, "money_out.wav", 300},
    {SoundId::TruckArrive, "truck_arrive.wav", 1400},
    {SoundId::TruckLeave, "truck_leave.wav", 1400},
    {SoundId::Door, "door.wav", 420},
    {SoundId::Alert, "alert.wav", 450},
    {SoundId::Ambience, "ambience_loop.wav", 4000},
};

constexpr const char* SoundFolder = "sounds";
constexpr unsigned SoundSampleRate = 44100;

constexpr const SoundFile& SoundFileOf(SoundId id) {
    return SoundFiles[static_cast<std::size_t>(id)];
}
