#include "shell/basMain.h"

#include "support/clsFileSystemObject.h"

namespace kujimate {

std::string StartupCheckMessage() {
    clsFileSystemObject fso;
    if (!fso.FolderExists(fso.GetFullPath("SysData"))) return "システムデータフォルダ(SysData)が見つかりません";
    for (const char* name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        if (!fso.FileExists(fso.GetFullPath(std::string("SysData\\") + name)))
            return std::string("データファイル(") + name + ")が見つかりません";
    }
    return {};
}

}  // namespace kujimate
