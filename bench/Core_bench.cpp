// Measures the requests the calendar and the entries page make, through the real dispatch and
// the real database file, at two sizes of the entries table.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <memory>

#include "app/ServerFunDispatch.h"
#include "storage/Parameters.h"
#include "tests/support/TempDir.h"

namespace {

using namespace tavelo;

class NullPlatform : public IPageHost, public IPictureProbe, public IWindowSizer, public IIconWriter {
public:
    void CallScript(const std::string&, const std::string& argument) override {
        m_answerBytes += argument.size();
    }
    void LoadPage(int) override {}
    void OpenTarget(const std::string&) override {}
    std::optional<PixelSize> PictureSize(const std::string&) override { return std::nullopt; }
    void ResizeWindow(int, int) override {}
    void SaveFileIconAsPng(const std::string&, const std::string&) override {}
    size_t m_answerBytes = 0;
};

class Silent : public IMessageBox {
public:
    void ShowMessage(const std::string&) override {}
};

// One working directory per table size, filled once: entries spread over ten years, a mix of
// notes and ledger entries with Chinese remarks.
test::ScopedWorkDir& Database(int64_t entries) {
    static std::map<int64_t, std::unique_ptr<test::ScopedWorkDir>> dirs;
    auto& dir = dirs[entries];
    if (!dir) {
        dir = std::make_unique<test::ScopedWorkDir>();
        Silent silent;
        LoadParameters(" name='pos'", silent);
        sqlite3* db = nullptr;
        sqlite3_open("taveloDB.db", &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (int64_t i = 0; i < entries; ++i) {
            char sql[256];
            const int day = static_cast<int>(i % 3650);
            std::snprintf(sql, sizeof sql,
                          "insert into shzl(time,type,cont,remark) values("
                          "strftime('%%Y-%%m-%%d %%H:%%M','2012-01-01','+%d days','+%d minutes'),"
                          "'%s',%s,'remark %lld \xBC\xC7\xCA\xC2')",
                          day, static_cast<int>(i % 1440), i % 2 ? "jz" : "sb",
                          i % 2 ? "-12.5" : "0", static_cast<long long>(i));
            sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    std::filesystem::current_path(dir->Path());
    return *dir;
}

void BM_GetData(benchmark::State& state) {
    Database(state.range(0));
    NullPlatform platform;
    CServerFunDispatch dispatch({platform, platform, platform, platform});
    for (auto _ : state) {
        dispatch.ServerFun("shzl", "getData", "", "", "", "");
    }
    state.counters["answer_bytes"] =
        static_cast<double>(platform.m_answerBytes) / static_cast<double>(state.iterations());
}

void BM_MonthList(benchmark::State& state) {
    Database(state.range(0));
    NullPlatform platform;
    CServerFunDispatch dispatch({platform, platform, platform, platform});
    for (auto _ : state) {
        dispatch.ServerFun("shzl", "getDataByData",
                           " time>='2015-05-01' and time<'2015-06-01' ORDER BY time DESC", "", "",
                           "");
        dispatch.ServerFun("shzl", "InitData", "", "", "", "");
    }
}

void BM_AddData(benchmark::State& state) {
    Database(state.range(0));
    NullPlatform platform;
    CServerFunDispatch dispatch({platform, platform, platform, platform});
    for (auto _ : state) {
        dispatch.ServerFun("shzl", "addData", "2030-01-01 08:00", "sb", "0", "benchmark");
    }
}

BENCHMARK(BM_GetData)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthList)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddData)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
