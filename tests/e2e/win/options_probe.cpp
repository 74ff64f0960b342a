// Loads or saves the options through the registry store, as the program does.
// Usage: options_probe.exe load
//        options_probe.exe save STAYONTOP SENDONCLICK STICKTOPM KEEPOPEN LEFT TOP   (T/F, twips)
#include "shared/options.h"
#include "win32/registry_store.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    RegistryStore store;
    OptionsRecord options;
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "load" && argc == 2) {
        LoadOptions(options, store);
        std::printf("StayOnTop=%d SendOnClick=%d StickToPM=%d KeepOpen=%d Left=%d top=%d\n",
                    options.StayOnTop, options.SendOnClick, options.StickToPM, options.KeepOpen,
                    static_cast<int>(options.SavedLeft), static_cast<int>(options.SavedTop));
        return 0;
    }
    if (verb == "save" && argc == 8) {
        auto flag = [&](int i) { return ToVbBool(std::string(argv[i]) == "T"); };
        options.StayOnTop = flag(2);
        options.SendOnClick = flag(3);
        options.StickToPM = flag(4);
        options.KeepOpen = flag(5);
        SaveOptions(options, store, Twips(std::stof(argv[6])), Twips(std::stof(argv[7])));
        return 0;
    }
    std::fprintf(stderr, "usage: options_probe load | save T|F T|F T|F T|F LEFT TOP\n");
    return 2;
}
