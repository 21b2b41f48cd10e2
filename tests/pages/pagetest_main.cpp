#include <gtk/gtk.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "tests/pages/PageTestRunner.h"

// tavelo_pagetest FIXTURES_DIR SUITE.test.js...
int main(int argc, char** argv) {
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(&argc, &argv)) {
        std::fputs("tavelo_pagetest: no X display (set DISPLAY, e.g. run under xvfb-run -a)\n",
                   stderr);
        return 2;
    }
    if (argc < 3) {
        std::fputs("usage: tavelo_pagetest FIXTURES_DIR SUITE.test.js...\n", stderr);
        return 2;
    }
    const char* artifacts = g_getenv("TAVELO_ARTIFACTS");
    std::vector<std::filesystem::path> suites(argv + 2, argv + argc);
    tavelo::CPageTestRunner runner(std::filesystem::absolute(argv[1]),
                                   std::filesystem::absolute(artifacts ? artifacts : "build/artifacts"));
    return runner.Run(suites);
}
