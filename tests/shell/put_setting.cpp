// A helper for the end-to-end scripts: writes one key of the settings file in the work folder
// with the shell's own profile functions, so a script needs no Shift-JIS key names.
//   tavrolin_put_setting <Scale|Fast|BgmKind|BgmRepeat|BgmFile> <value>
#include "files/work_folder.h"
#include "shell/settings_file.h"

#include <cstdio>
#include <map>
#include <string>

int main(int argc, char** argv)
{
    const std::map<std::string, std::string_view> keys{
        {"Scale", ScaleKey}, {"Fast", FastKey}, {"BgmKind", BgmKindKey}, {"BgmRepeat", BgmRepeatKey}, {"BgmFile", BgmFileKey}};
    if (argc != 3 || !keys.count(argv[1])) {
        std::fprintf(stderr, "usage: tavrolin_put_setting <Scale|Fast|BgmKind|BgmRepeat|BgmFile> <value>\n");
        return 2;
    }
    MakeWorkFolder();
    PutIniString(SettingsSectionName, keys.at(argv[1]), argv[2], SettingsFilePath());
    return 0;
}
