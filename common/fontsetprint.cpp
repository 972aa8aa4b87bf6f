#include "fontsetprint.h"

#ifdef VELNOR_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

namespace {

// Each name with its size and time of last change, as fontconfig itself judges whether what it
// read is still up to date: a font folder changes when a font in it is added, removed or
// replaced, a configuration file when it is edited, a configuration folder when a file comes or
// goes.
void AddEach(std::string& print, char kind, FcStrList* names) {
    if (!names)
        return;
    while (const FcChar8* name = FcStrListNext(names)) {
        const char* path = reinterpret_cast<const char*>(name);
        struct stat info {};
        print += kind;
        print += path;
        if (::stat(path, &info) == 0) {
            print += ' ' + std::to_string(info.st_size) + ' ' +
                     std::to_string(info.st_mtim.tv_sec) + '.' +
                     std::to_string(info.st_mtim.tv_nsec);
        }
        print += '\n';
    }
    FcStrListDone(names);
}

} // namespace

std::string FontSetPrint() {
    FcConfig* config = FcConfigGetCurrent();
    if (!config)
        return {};
    std::string print = "fontconfig " + std::to_string(FcGetVersion()) + '\n';
    AddEach(print, 'c', FcConfigGetConfigFiles(config));
    AddEach(print, 'C', FcConfigGetConfigDirs(config));
    AddEach(print, 'f', FcConfigGetFontDirs(config));
    return print;
}

#else

std::string FontSetPrint() {
    return {};
}

#endif
