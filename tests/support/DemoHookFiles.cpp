#include "DemoHookFiles.h"

#include "GameBuilder.h"

namespace plorik::testing {

void writeDemoHookFiles(const std::filesystem::path& gameDir)
{
    const std::filesystem::path models = gameDir / "FlightModels";
    std::filesystem::create_directories(models);
    writeFile(models / "Craft3.ini", "; Craft3 - values the hooks use in place of the executable's\r\n"
                                     "[Sound]\r\n"
                                     "EngineSound = Wave\\Engine3.wav\r\n"
                                     "\r\n"
                                     "[StatsProfile_Default]\r\n"
                                     "Speed = 110\r\n"
                                     "Acceleration = 20\r\n"
                                     "Pitch = 24\r\n"
                                     "HullStrength = 25\r\n"
                                     "ShieldStrength = 40\r\n"
                                     "HasHyperdrive = 0\r\n"
                                     "SpeedIncrement = 2\r\n"
                                     "\r\n"
                                     "[ExeCraftValues]\r\n"
                                     "LaserTypeId0 = 280\r\n"
                                     "LaserSequence0 = 2\r\n"
                                     "WarheadCapacity0 = 6\r\n"
                                     "CounterMeasuresCount = 4\r\n"
                                     "\r\n"
                                     "[CockpitPov]\r\n"
                                     "CockpitPovX = 0\r\n"
                                     "CockpitPovY = -40\r\n"
                                     "CockpitPovZ = 15\r\n");
    writeFile(models / "CRAFT6.INI", "[StatsProfile_Default]\r\n"
                                     "HullStrength = 25\r\n"
                                     "ShieldStrength = 40\r\n"
                                     "\r\n"
                                     "[StatsProfile_Default_Hard]\r\n"
                                     "Speed = 30\r\n"
                                     "\r\n"
                                     "[ExeCraftValues]\r\n"
                                     "LaserTypeId0 = 281\r\n"
                                     "\r\n"
                                     "[CockpitPov_Default]\r\n"
                                     "CockpitPovX = 5\r\n"
                                     "CockpitPovY = 010\r\n"
                                     "CockpitPovZ = 0x20\r\n");
    writeFile(models / "Craft6ExeCraftValues.txt", "WarheadTypeId0 = 3\r\n"
                                                   "WarheadCapacity0 = 8\r\n");
}

} // namespace plorik::testing
