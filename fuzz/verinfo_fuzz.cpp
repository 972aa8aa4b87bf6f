// Feeds arbitrary bytes to the version record reader, both as a record and as a program file
// whose version section is looked up, then asks every query the program asks.
#include "elfsection.h"
#include "verinfo.h"
#include "versionrecord.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CVersionResource version;
    if (version.LoadFromMemory(data, size)) {
        char text[100];
        for (int i = -1; i <= kVersionStringCount; ++i)
            version.GetVersionString(i, text, sizeof text);
        version.GetVersionString(2, text, 1);
        (void)version.GetFileVersionMajor();
        (void)version.GetFileVersionMinor();
        (void)version.CurrentLanguage();
        (void)version.CurrentCodePage();
    }
    ElfSectionPlace place;
    if (FindElfSection({data, size}, kVersionSectionName, place) && place.offset <= size &&
        place.size <= size - place.offset)
        version.LoadFromMemory(data + place.offset, static_cast<std::size_t>(place.size));
    return 0;
}
