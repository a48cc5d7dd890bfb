#include "DemoCraft.h"

#include <array>
#include <cctype>
#include <utility>

namespace plorik::testing {

namespace {

constexpr std::array<const char*, 30> kNames = {
    "Kestrel Fighter", "Hawk Interceptor", "Talon Bomber",    "Raven Scout",     "Osprey Gunboat", "Mule Shuttle",
    "Tug Utility",     "Barge Freighter",  "Bastion Cruiser", "Citadel Station", "Wasp Drone",     "Lancer Assault",
    "Heron Transport", "Ember Corvette",   "Nomad Container", "Harrier Fighter", "Shrike Bomber",  "Condor Carrier",
    "Pike Missile",    "Mote Debris",      "Spindle Buoy",    "Anvil Frigate",   "Swift Courier",  "Quill Recon",
    "Gale Fighter",    "Warden Platform",  "Drift Mine",      "Vector Racer",    "Halcyon Liner",  "Sable Stealth"};

} // namespace

std::string demoCraftName(std::int32_t slot)
{
    if (slot >= 1 && slot <= static_cast<std::int32_t>(kNames.size()))
        return kNames[static_cast<std::size_t>(slot - 1)];
    return "Craft " + std::to_string(slot);
}

std::string demoShortName(std::int32_t slot)
{
    std::string name = demoCraftName(slot);
    std::string shortName;
    for (char c : name) {
        if (std::isalpha(static_cast<unsigned char>(c)) && shortName.size() < 3)
            shortName.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    return shortName + "-" + std::to_string(slot);
}

std::vector<std::int32_t> demoSpeciesOrder(std::int32_t count)
{
    std::vector<std::int32_t> order;
    for (std::int32_t species = 1; species <= count; ++species)
        order.push_back(species);
    if (count >= 30)
        std::swap(order[2], order[29]);
    return order;
}

} // namespace plorik::testing
