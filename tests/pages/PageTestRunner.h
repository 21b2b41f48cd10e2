#pragma once

#include <gtk/gtk.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/ServerFunDispatch.h"
#include "app/gtk/IconWriter.h"
#include "app/gtk/PictureProbe.h"
#include "app/gtk/ScriptBridge.h"
#include "app/gtk/WebPageView.h"

namespace tavelo {

// Runs page test suites (tests/pages/*.test.js) in the real web view with the real bridge and
// routing: each suite gets a fresh working directory with a fresh database, its test code runs in
// the harness page, and the page under test runs in a frame of it.
class CPageTestRunner : public IWindowSizer, public ITargetOpener {
public:
    CPageTestRunner(std::filesystem::path fixtures, std::filesystem::path artifacts);
    ~CPageTestRunner() override;
    CPageTestRunner(const CPageTestRunner&) = delete;
    CPageTestRunner& operator=(const CPageTestRunner&) = delete;

    // Runs the suites in order; prints one line per test and a last summary line. Returns the
    // process exit status.
    int Run(const std::vector<std::filesystem::path>& suites);

    void ResizeWindow(int width, int height) override;
    // The desktop's handlers are not started by tests; the targets are recorded for them instead.
    void OpenTarget(const std::string& target) override;

private:
    void ServeTest(WebKitURISchemeRequest* request, const std::string& rest);
    void ServeFixture(WebKitURISchemeRequest* request, const std::string& name);
    std::string Prepare(const std::string& body);
    void Input(const std::string& body);
    void Screenshot(WebKitURISchemeRequest* request, const std::string& body);
    void EndSuite(int passed, int failed);
    void LeaveWorkDir();

    std::filesystem::path m_fixtures;
    std::filesystem::path m_artifacts;
    std::filesystem::path m_startDir;
    std::filesystem::path m_workDir;
    GtkWidget* m_window = nullptr;
    CWebPageView m_page;
    CPictureProbe m_pictures;
    CIconWriter m_icons;
    CScriptBridge m_bridge;
    std::unique_ptr<CServerFunDispatch> m_dispatch;
    std::string m_suiteName;
    std::string m_suiteSource;
    std::vector<std::string> m_opened;
    std::vector<std::string> m_refused;
    GMainLoop* m_loop = nullptr;
    bool m_suiteEnded = false;
    int m_passed = 0;
    int m_failed = 0;
};

}  // namespace tavelo
