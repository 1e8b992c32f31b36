// Writes the application icon (16 and 32 pixels) as a Windows .ico file for the program's
// resource script: make_app_icon <output.ico>
#include "resources/app_icon.h"
#include "resources/ico_file.h"

#include <cstdio>
#include <fstream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: make_app_icon <output.ico>\n", stderr);
        return 2;
    }
    const tarnivel::Picture pictures[] = {tarnivel::appIconPicture(16),
                                          tarnivel::appIconPicture(32)};
    const auto bytes = tarnivel::icoFile(pictures);
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "make_app_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
