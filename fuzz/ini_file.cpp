// The settings and dictionary reader over any bytes, with look-ups both ways.
#include "FuzzSupport.h"
#include "support/clsIniFile.h"

using namespace kujimate;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "settings.ini");
    clsIniFile ini;
    ini.Initialize(path);
    for (const auto& [key, value] : ini.Entries()) {
        ini.GetItem(key, "");
        ini.GetKey(value);
    }
    ini.ItemExists("Version");
    ini.GetItem("Kaisaikai", 0L);
    return 0;
}
