#include "tests/pages/PageTestRunner.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <gdk/gdkx.h>
#include <nlohmann/json.hpp>
#include <sqlite3.h>
#include <stdlib.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "storage/Database.h"
#include "storage/Parameters.h"
#include "storage/TextCodec.h"

namespace tavelo {

namespace {

constexpr int kDefaultWidth = 355;
constexpr int kDefaultHeight = 490;
constexpr guint kSuiteTimeoutSeconds = 180;
constexpr const char* kHarnessPolicy =
    "default-src tavelo: 'unsafe-inline' 'unsafe-eval'; frame-src *; connect-src tavelo:";

class CQuietMessages : public IMessageBox {
public:
    void ShowMessage(const std::string& text) override {
        std::printf("# message box: %s\n", text.c_str());
    }
};

std::optional<std::string> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ContentTypeOf(const std::filesystem::path& path) {
    const std::string ext = path.extension().string();
    if (ext == ".html") {
        return "text/html; charset=utf-8";
    }
    if (ext == ".js") {
        return "text/javascript; charset=utf-8";
    }
    if (ext == ".css") {
        return "text/css; charset=utf-8";
    }
    g_autofree gchar* type = g_content_type_guess(path.c_str(), nullptr, 0, nullptr);
    g_autofree gchar* mime = g_content_type_get_mime_type(type);
    return mime != nullptr ? mime : "application/octet-stream";
}

// Presses and releases the keys of a name such as "Return", "a" or "ctrl+shift+Tab" through the
// X server, as a keyboard would.
void PressKeys(Display* x, const std::string& name) {
    std::vector<KeyCode> codes;
    std::stringstream parts(name);
    std::string part;
    while (std::getline(parts, part, '+')) {
        if (part == "ctrl") {
            part = "Control_L";
        } else if (part == "shift") {
            part = "Shift_L";
        } else if (part == "alt") {
            part = "Alt_L";
        }
        const KeySym sym = XStringToKeysym(part.c_str());
        const KeyCode code = sym != NoSymbol ? XKeysymToKeycode(x, sym) : 0;
        if (code != 0) {
            codes.push_back(code);
        }
    }
    for (KeyCode code : codes) {
        XTestFakeKeyEvent(x, code, True, CurrentTime);
    }
    for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
        XTestFakeKeyEvent(x, *it, False, CurrentTime);
    }
    XFlush(x);
}

}  // namespace

CPageTestRunner::CPageTestRunner(std::filesystem::path fixtures, std::filesystem::path artifacts)
    : m_fixtures(std::move(fixtures)),
      m_artifacts(std::move(artifacts)),
      m_startDir(std::filesystem::current_path()),
      m_bridge(m_page, *this) {
    m_loop = g_main_loop_new(nullptr, FALSE);
    m_window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    g_object_ref_sink(m_window);
    gtk_window_set_title(GTK_WINDOW(m_window), "tavelo page tests");
    gtk_window_set_resizable(GTK_WINDOW(m_window), FALSE);
    gtk_widget_set_size_request(m_page.Widget(), kDefaultWidth, kDefaultHeight);
    gtk_container_add(GTK_CONTAINER(m_window), m_page.Widget());
    gtk_window_move(GTK_WINDOW(m_window), 0, 0);
    gtk_widget_show_all(m_window);

    m_bridge.SetRoute([this](const CScriptBridge::Arguments& a) {
        m_dispatch->ServerFun(a[0], a[1], a[2], a[3], a[4], a[5]);
    });
    m_page.Scheme().SetBridge(
        [this](const std::string& origin, const std::string& method, const std::string& body) {
            return m_bridge.Answer(origin, method, body);
        });
    m_page.Scheme().SetTestHandler(
        [this](WebKitURISchemeRequest* request, const std::string& rest) { ServeTest(request, rest); });
    m_page.OnRefused([this](const std::string& uri) { m_refused.push_back(uri); });
}

CPageTestRunner::~CPageTestRunner() {
    LeaveWorkDir();
    gtk_widget_destroy(m_window);
    g_object_unref(m_window);
    g_main_loop_unref(m_loop);
}

int CPageTestRunner::Run(const std::vector<std::filesystem::path>& suites) {
    for (const auto& suite : suites) {
        m_suiteName = suite.filename().string();
        const auto source = ReadFile(suite);
        std::printf("# %s\n", suite.string().c_str());
        if (!source) {
            std::printf("not ok - %s: cannot read the suite\n", m_suiteName.c_str());
            ++m_failed;
            continue;
        }
        m_suiteSource = *source;
        m_suiteEnded = false;
        m_opened.clear();
        m_refused.clear();
        webkit_user_content_manager_remove_all_scripts(m_page.Content());
        m_page.ReinstallExternal();
        ResizeWindow(kDefaultWidth, kDefaultHeight);
        m_page.LoadUri("tavelo://app/TEST/harness");
        const guint timeout = g_timeout_add_seconds(
            kSuiteTimeoutSeconds,
            [](gpointer self) -> gboolean {
                auto* runner = static_cast<CPageTestRunner*>(self);
                std::printf("not ok - %s: the suite did not finish in time\n",
                            runner->m_suiteName.c_str());
                runner->EndSuite(0, 1);
                return G_SOURCE_REMOVE;
            },
            this);
        g_main_loop_run(m_loop);
        if (!m_suiteEnded) {
            g_source_remove(timeout);
        } else {
            g_source_remove_by_user_data(this);
        }
        m_page.LoadUri("about:blank");
        LeaveWorkDir();
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", m_passed, m_failed);
    return m_failed == 0 ? 0 : 1;
}

void CPageTestRunner::EndSuite(int passed, int failed) {
    if (m_suiteEnded) {
        return;
    }
    m_suiteEnded = true;
    m_passed += passed;
    m_failed += failed;
    g_main_loop_quit(m_loop);
}

void CPageTestRunner::LeaveWorkDir() {
    if (m_workDir.empty()) {
        return;
    }
    std::error_code ec;
    std::filesystem::current_path(m_startDir, ec);
    std::filesystem::remove_all(m_workDir, ec);
    m_workDir.clear();
}

void CPageTestRunner::ResizeWindow(int width, int height) {
    gtk_widget_set_size_request(m_page.Widget(), width, height);
    gtk_window_resize(GTK_WINDOW(m_window), width, height);
}

void CPageTestRunner::OpenTarget(const std::string& target) { m_opened.push_back(target); }

void CPageTestRunner::ServeTest(WebKitURISchemeRequest* request, const std::string& rest) {
    using nlohmann::json;
    if (rest == "~suite") {
        CResourceScheme::FinishText(request, 200, "text/javascript; charset=utf-8", m_suiteSource);
    } else if (rest == "~name") {
        CResourceScheme::FinishText(request, 200, "application/json", json(m_suiteName).dump());
    } else if (rest == "~prepare") {
        const std::string error = Prepare(CResourceScheme::ReadBody(request));
        CResourceScheme::FinishText(request, 200, "application/json",
                                    json{{"error", error}}.dump());
        if (error.empty()) {
            // The harness runs again, now with the suite's clock from its first line.
            g_idle_add(
                [](gpointer self) -> gboolean {
                    static_cast<CPageTestRunner*>(self)->m_page.LoadUri(
                        "tavelo://app/TEST/harness?run");
                    return G_SOURCE_REMOVE;
                },
                this);
        }
    } else if (rest == "~report") {
        std::printf("%s\n", CResourceScheme::ReadBody(request).c_str());
        std::fflush(stdout);
        CResourceScheme::FinishText(request, 200, "application/json", "{}");
    } else if (rest == "~done") {
        int passed = 0;
        int failed = 1;
        try {
            const json counts = json::parse(CResourceScheme::ReadBody(request));
            passed = counts.at("passed").get<int>();
            failed = counts.at("failed").get<int>();
        } catch (const json::exception&) {
        }
        CResourceScheme::FinishText(request, 200, "application/json", "{}");
        EndSuite(passed, failed);
    } else if (rest == "~state") {
        CResourceScheme::FinishText(request, 200, "application/json",
                                    json{{"opened", m_opened}, {"refused", m_refused}}.dump());
    } else if (rest == "~input") {
        Input(CResourceScheme::ReadBody(request));
        CResourceScheme::FinishText(request, 200, "application/json", "{}");
    } else if (rest == "~screenshot") {
        Screenshot(request, CResourceScheme::ReadBody(request));
    } else {
        ServeFixture(request, rest);
    }
}

void CPageTestRunner::ServeFixture(WebKitURISchemeRequest* request, const std::string& name) {
    if (name.find("..") != std::string::npos) {
        CResourceScheme::FinishText(request, 404, "text/plain", "not found");
        return;
    }
    for (const std::string suffix : {".html", ".js", ""}) {
        const std::filesystem::path path = m_fixtures / (name + suffix);
        if (!std::filesystem::is_regular_file(path)) {
            continue;
        }
        if (const auto text = ReadFile(path)) {
            // The harness lets its frame try any address, so that the view's own navigation
            // policy, not the harness's content policy, is what tests see refusing it.
            const char* policy = name == "harness" ? kHarnessPolicy : CResourceScheme::kContentPolicy;
            CResourceScheme::FinishText(request, 200, ContentTypeOf(path), *text, policy);
            return;
        }
    }
    CResourceScheme::FinishText(request, 404, "text/plain", "not found");
}

std::string CPageTestRunner::Prepare(const std::string& body) {
    using nlohmann::json;
    json options;
    try {
        options = json::parse(body);
    } catch (const json::exception&) {
        return "the suite options are not readable";
    }
    LeaveWorkDir();
    std::string pattern = (std::filesystem::temp_directory_path() / "tavelo-page-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return "cannot make a working directory";
    }
    m_workDir = pattern;
    std::filesystem::current_path(m_workDir);

    // The program's own first start creates the database with its full schema.
    CQuietMessages messages;
    LoadParameters(" name='pos'", messages);
    if (options.contains("sql")) {
        DbConnection db = OpenDatabase();
        for (const auto& statement : options["sql"]) {
            const std::string sql = statement.get<std::string>();
            // Seeds are written as the program writes: in the database's code page.
            if (!ExecuteSql(db.get(), ToCodePage(sql))) {
                return "seed statement failed: " + sql + ": " + sqlite3_errmsg(db.get());
            }
        }
    }
    m_dispatch = std::make_unique<CServerFunDispatch>(
        CServerFunDispatch::Platform{m_bridge, m_pictures, *this, m_icons});
    m_dispatch->SetInitialSize(kDefaultWidth, kDefaultHeight);

    if (options.contains("clock") && options["clock"].is_string()) {
        const auto clock = ReadFile(m_fixtures / "clock.js");
        if (!clock) {
            return "clock.js is missing";
        }
        const std::string script =
            "(" + *clock + ")(" + json(options["clock"].get<std::string>()).dump() + ");";
        m_page.AddUserScript(script);
    }
    if (options.contains("size") && options["size"].is_array() && options["size"].size() == 2) {
        ResizeWindow(options["size"][0].get<int>(), options["size"][1].get<int>());
    }
    return {};
}

void CPageTestRunner::Input(const std::string& body) {
    using nlohmann::json;
    json input;
    try {
        input = json::parse(body);
    } catch (const json::exception&) {
        return;
    }
    GdkDisplay* display = gtk_widget_get_display(m_window);
    if (!GDK_IS_X11_DISPLAY(display)) {
        return;
    }
    Display* x = GDK_DISPLAY_XDISPLAY(display);
    GdkWindow* top = gtk_widget_get_window(m_window);
    int originX = 0;
    int originY = 0;
    gdk_window_get_origin(top, &originX, &originY);
    int viewX = 0;
    int viewY = 0;
    gtk_widget_translate_coordinates(m_page.Widget(), m_window, 0, 0, &viewX, &viewY);
    // Keys go where the X focus is; the window takes it as a person's click would give it.
    XSetInputFocus(x, gdk_x11_window_get_xid(top), RevertToParent, CurrentTime);
    gtk_widget_grab_focus(m_page.Widget());
    const std::string type = input.value("type", "");
    if (type == "click") {
        const int px = originX + viewX + static_cast<int>(input.value("x", 0.0));
        const int py = originY + viewY + static_cast<int>(input.value("y", 0.0));
        XTestFakeMotionEvent(x, -1, px, py, CurrentTime);
        XTestFakeButtonEvent(x, 1, True, CurrentTime);
        XTestFakeButtonEvent(x, 1, False, CurrentTime);
        XFlush(x);
    } else if (type == "key") {
        PressKeys(x, input.value("name", ""));
    }
}

void CPageTestRunner::Screenshot(WebKitURISchemeRequest* request, const std::string& body) {
    std::string name = "shot";
    try {
        name = nlohmann::json::parse(body).at("name").get<std::string>();
    } catch (const nlohmann::json::exception&) {
    }
    for (char& c : name) {
        if (c == '/' || c == '\\') {
            c = '_';
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(m_artifacts, ec);
    const std::string stem = m_suiteName.substr(0, m_suiteName.find('.'));
    struct Pending {
        WebKitURISchemeRequest* request;
        std::string path;
    };
    auto* pending = new Pending{WEBKIT_URI_SCHEME_REQUEST(g_object_ref(request)),
                                (m_artifacts / (stem + "-" + name + ".png")).string()};
    webkit_web_view_get_snapshot(
        m_page.View(), WEBKIT_SNAPSHOT_REGION_VISIBLE, WEBKIT_SNAPSHOT_OPTIONS_NONE, nullptr,
        [](GObject* view, GAsyncResult* result, gpointer data) {
            std::unique_ptr<Pending> p(static_cast<Pending*>(data));
            cairo_surface_t* surface =
                webkit_web_view_get_snapshot_finish(WEBKIT_WEB_VIEW(view), result, nullptr);
            std::string answer = R"({"error":"no snapshot"})";
            if (surface != nullptr) {
                if (cairo_surface_write_to_png(surface, p->path.c_str()) == CAIRO_STATUS_SUCCESS) {
                    answer = nlohmann::json{{"path", p->path}}.dump();
                }
                cairo_surface_destroy(surface);
            }
            CResourceScheme::FinishText(p->request, 200, "application/json", answer);
            g_object_unref(p->request);
        },
        pending);
}

}  // namespace tavelo
