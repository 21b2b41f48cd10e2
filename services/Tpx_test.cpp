#include "services/Tpx.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/TempDir.h"

namespace tavelo {
namespace {

namespace fs = std::filesystem;

class FakeProbe : public IPictureProbe {
public:
    std::optional<PixelSize> PictureSize(const std::string& path) override {
        m_paths.push_back(path);
        return m_size;
    }
    std::optional<PixelSize> m_size;
    std::vector<std::string> m_paths;
};

class FakeSizer : public IWindowSizer {
public:
    void ResizeWindow(int width, int height) override { m_sizes.push_back({width, height}); }
    std::vector<std::pair<int, int>> m_sizes;
};

void Touch(const fs::path& path, const std::string& content = "x") {
    std::ofstream(path, std::ios::binary) << content;
}

TEST(Tpx, FitsPicturesIntoTheInitialWindow) {
    struct Case {
        PixelSize picture;
        std::optional<std::pair<int, int>> window;
    };
    const Case cases[] = {
        {{800, 600}, std::pair{400, 324}},
        {{300, 900}, std::pair{198, 600}},
        {{392, 570}, std::pair{400, 600}},
        {{0, 600}, std::nullopt},
        {{600, 0}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto fit = FitPicture(c.picture, 400, 600);
        ASSERT_EQ(fit.has_value(), c.window.has_value());
        if (fit) {
            EXPECT_EQ(std::pair(fit->width, fit->height), *c.window);
        }
    }
}

TEST(Tpx, LeavesTheWindowAloneForAPictureThatCannotBeLoaded) {
    FakeProbe probe;
    FakeSizer sizer;
    TpxFitWindow("file:///nowhere/x.jpg", 400, 600, probe, sizer);
    EXPECT_EQ(probe.m_paths, std::vector<std::string>{"/nowhere/x.jpg"});
    EXPECT_TRUE(sizer.m_sizes.empty());
    probe.m_size = PixelSize{800, 600};
    TpxFitWindow("/p/a%20b.jpg", 400, 600, probe, sizer);
    EXPECT_EQ(sizer.m_sizes, (std::vector<std::pair<int, int>>{{400, 324}}));
}

TEST(Tpx, DecodesFileUrls) {
    struct Case {
        std::string address;
        std::optional<std::string> path;
    };
    const Case cases[] = {
        {"file:///home/me/tpx/x.jpg", "/home/me/tpx/x.jpg"},
        {"file:///home/me/tpx/it's%20new.jpg", "/home/me/tpx/it's new.jpg"},
        {"file://localhost/a/%E8%AE%B0.png", "/a/记.png"},
        {"file:///a/b.jpg?x#y", "/a/b.jpg"},
        {"/plain/path.jpg", "/plain/path.jpg"},
        {"file://server/share/x.jpg", std::nullopt},
        {"file:///a/%zz.jpg", std::nullopt},
        {"file:///a/%2", std::nullopt},
        {"file:///a/%00.jpg", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PathFromAddress(c.address), c.path) << c.address;
    }
}

TEST(Tpx, ListsEveryEntryOfThePictureFolder) {
    test::ScopedWorkDir dir;
    EXPECT_EQ(TpxListPictures(), "]");
    fs::create_directory("tpx");
    EXPECT_EQ(TpxListPictures(), "]");
    Touch("tpx/it's.jpg");
    fs::create_directory("tpx/old");
    const std::string list = TpxListPictures();
    const std::string folder = (dir.Path() / "tpx").string();
    EXPECT_NE(list.find("'" + folder + "/it'+\"'\"+'s.jpg'"), std::string::npos) << list;
    EXPECT_NE(list.find("'" + folder + "/old'"), std::string::npos) << list;
    EXPECT_EQ(list.front(), '[');
    EXPECT_EQ(list.back(), ']');
}

TEST(Tpx, AddCopiesUnderTheFilesOwnNameReplacingOneThere) {
    test::ScopedWorkDir dir;
    fs::create_directory("tpx");
    fs::create_directory("photos");
    Touch("photos/x.jpg", "new");
    Touch("tpx/x.jpg", "old");
    TpxAddPicture((dir.Path() / "photos/x.jpg").string());
    std::ifstream in("tpx/x.jpg");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new");
    TpxAddPicture("/does/not/exist.jpg");
    EXPECT_FALSE(fs::exists("tpx/exist.jpg"));
}

TEST(Tpx, DeletesOnlyFilesInsideThePictureFolder) {
    test::ScopedWorkDir dir;
    fs::create_directory("tpx");
    Touch("tpx/it's new.jpg");
    Touch("keep.db");
    const std::string url = "file://" + (dir.Path() / "tpx").string() + "/it's%20new.jpg";
    TpxDeletePicture(url);
    EXPECT_FALSE(fs::exists("tpx/it's new.jpg"));

    const std::string refused[] = {
        url,  // already gone
        "file://" + (dir.Path() / "tpx/../keep.db").string(),
        "file://" + (dir.Path() / "keep.db").string(),
        "file:///etc/passwd",
        "file://" + (dir.Path() / "tpx").string() + "/",
        "",
        "file://",
    };
    for (const std::string& address : refused) {
        EXPECT_THROW(TpxDeletePicture(address), ServiceError) << address;
    }
    EXPECT_TRUE(fs::exists("keep.db"));
}

}  // namespace
}  // namespace tavelo
