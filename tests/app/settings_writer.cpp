// Stores generation after generation of the settings in the INI file given, through the
// program's own backend, until it is killed. Says "stored" once the first one is on disk.
#include "app/qsettings_backend.h"
#include "tests/support/settings_generation.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    tarnivel::QSettingsBackend store(QString::fromLocal8Bit(argv[1]));
    int g = tarnivel::storedGeneration(store).value_or(0);
    tarnivel::storeGeneration(store, ++g); // ends in a flush
    std::cout << "stored" << std::endl;
    for (;;)
        tarnivel::storeGeneration(store, ++g);
}
