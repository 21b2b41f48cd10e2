#include "app/gtk/TargetOpener.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/support/TempDir.h"

namespace tavelo {
namespace {

TEST(TargetOpenerTest, TurnsPathsIntoFileUrisAndKeepsOtherUris) {
    test::ScopedWorkDir dir;
    const std::string here = "file://" + dir.Path().string();
    struct Case {
        std::string target, uri;
    };
    const Case cases[] = {
        {"https://example.com/a?b=1", "https://example.com/a?b=1"},
        {"mailto:x@example.com", "mailto:x@example.com"},
        {"/tmp/a b.txt", "file:///tmp/a%20b.txt"},
        {"notes.txt", here + "/notes.txt"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CTargetOpener::TargetUri(c.target), c.uri) << c.target;
    }
}

// The real desktop edge: a handler registered for a made-up content type is started for a file
// of that type, and opening returns before the handler has run.
TEST(TargetOpenerTest, StartsTheDefaultHandlerWithoutWaitingForIt) {
    test::ScopedWorkDir dir;
    const auto data = dir.Path() / "share";
    std::filesystem::create_directories(data / "applications");
    std::filesystem::create_directories(data / "mime" / "packages");
    const auto marker = dir.Path() / "opened.txt";
    {
        std::ofstream app(data / "applications" / "tavelo-test-opener.desktop");
        app << "[Desktop Entry]\nType=Application\nName=opener\nMimeType=text/plain;\n"
            << "Exec=sh -c 'sleep 0.3; echo \"$1\" > " << marker.string() << "' sh %f\n";
        std::ofstream list(data / "applications" / "mimeapps.list");
        list << "[Default Applications]\ntext/plain=tavelo-test-opener.desktop\n";
    }
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (data / "applications").c_str(), 1);
    setenv("XDG_DATA_DIRS", data.c_str(), 1);
    const auto file = dir.Path() / "note.txt";
    std::ofstream(file) << "hello\n";

    CTargetOpener opener;
    const auto start = std::chrono::steady_clock::now();
    opener.OpenTarget(file.string());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
    EXPECT_FALSE(std::filesystem::exists(marker));

    GMainContext* context = g_main_context_default();
    for (int i = 0; i < 100 && !std::filesystem::exists(marker); ++i) {
        while (g_main_context_iteration(context, FALSE)) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::ifstream opened(marker);
    std::string line;
    std::getline(opened, line);
    EXPECT_EQ(line, file.string());
}

}  // namespace
}  // namespace tavelo
