// kujimate-demo-site: serves invented draws at the operator's page addresses on 127.0.0.1,
// and points a program folder's bigSettings.ini at itself.
#include <httplib.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "DemoSite.h"
#include "shell/AppSettings.h"
#include "site/basBigSettings.h"
#include "support/Clock.h"
#include "support/clsFileSystemObject.h"

using namespace kujimate;

namespace {

int Usage() {
    std::fputs("Usage: kujimate-demo-site [--port N] [--port-file FILE] [--program-folder DIR] [--today YYYY-MM-DD]\n"
               "  --port N            port on 127.0.0.1 (default 0: any free port)\n"
               "  --port-file FILE    write the port there once the site listens\n"
               "  --program-folder D  point D/SysData/bigSettings.ini at this site\n"
               "  --today YYYY-MM-DD  the day the draws are arranged around (default: today)\n",
               stderr);
    return 2;
}

// The demo program folder downloads from this site; its own draw number starts on the
// draw on sale unless the user has chosen one already.
bool PointProgramFolder(const std::string& folder, int port, int currentDraw) {
    clsFileSystemObject::SetProgramFolder(folder);
    const std::string base = "http://127.0.0.1:" + std::to_string(port);
    BigSettingsValues& s = BigSettings();
    s = DefaultBigSettings();
    s.bigOfficialScheduleUrl = base + demo::SchedulePath + "?popupDispDiv=0&holdCntId=";
    s.bigOfficialResultUrl = base + demo::ResultPath + "?holdCntId=";
    s.totoOfficialVoteUrl = base + demo::VotePath + "?holdCntId=";
    if (!WriteBigSettings()) return false;
    clsFileSystemObject fso;
    if (!fso.FileExists(fso.GetFullPath(AppSettingsFileName))) {
        AppSettings app;
        app.Kaisaikai = currentDraw;
        SaveAppSettings(app);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int port = 0;
    std::string portFile, programFolder;
    Date today = SystemClock().Now();
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) return Usage();
        const std::string v = argv[++i];
        if (a == "--port") {
            port = std::atoi(v.c_str());
        } else if (a == "--port-file") {
            portFile = v;
        } else if (a == "--program-folder") {
            programFolder = v;
        } else if (a == "--today") {
            int y = 0, m = 0, d = 0;
            if (std::sscanf(v.c_str(), "%d-%d-%d", &y, &m, &d) != 3 || Date::FromYmd(y, m, d).IsZero()) return Usage();
            today = Date::FromYmdHns(y, m, d, 12, 0, 0);
        } else {
            return Usage();
        }
    }

    demo::DemoSite site(today);
    httplib::Server server;
    site.Mount(server);
    server.set_logger([](const httplib::Request& req, const httplib::Response& res) {
        std::printf("%d GET %s%s\n", res.status, req.path.c_str(),
                    req.params.empty() ? "" : ("?holdCntId=" + req.get_param_value("holdCntId")).c_str());
        std::fflush(stdout);
    });
    if (port == 0) port = server.bind_to_any_port("127.0.0.1");
    else if (!server.bind_to_port("127.0.0.1", port)) port = -1;
    if (port <= 0) {
        std::fprintf(stderr, "kujimate-demo-site: cannot listen on 127.0.0.1\n");
        return 1;
    }
    if (!programFolder.empty() && !PointProgramFolder(programFolder, port, site.CurrentDraw())) {
        std::fprintf(stderr, "kujimate-demo-site: cannot write the settings of %s\n", programFolder.c_str());
        return 1;
    }
    std::printf("KUJIMATE demo site on http://127.0.0.1:%d/ - draws %d to %d, draw %d on sale\n", port,
                site.Draws().front(), site.Draws().back(), site.CurrentDraw());
    std::fflush(stdout);
    if (!portFile.empty()) {
        // Whole or not at all: a script waits for the file to appear.
        const std::string part = portFile + ".part";
        std::ofstream(part) << port << "\n";
        std::rename(part.c_str(), portFile.c_str());
    }
    return server.listen_after_bind() ? 0 : 1;
}
