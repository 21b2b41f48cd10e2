#include "app/gtk/WindowPlacement.h"

#include <gtest/gtest.h>

namespace tavelo {
namespace {

TEST(WindowPlacementTest, KeepsAPositionThatShowsAnyPartOfTheWindowOnSomeMonitor) {
    const std::vector<ScreenRect> monitors{{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
    struct Case {
        int left, top;
        bool kept;
    };
    const Case cases[] = {
        {100, 100, true},     {-8, 20, true},       {-354, 20, true},  {-355, 20, false},
        {3199, 500, true},    {3200, 500, false},   {100, -489, true}, {100, -490, false},
        {1270, 1050, true},   {-5000, -5000, false}, {0, 1024, false},
    };
    for (const Case& c : cases) {
        const auto place = CWindowPlacement::Restorable(c.left, c.top, 355, 490, monitors);
        EXPECT_EQ(place.has_value(), c.kept) << c.left << "," << c.top;
        if (place) {
            EXPECT_EQ(place->x, c.left);
            EXPECT_EQ(place->y, c.top);
        }
    }
}

TEST(WindowPlacementTest, RefusesEveryPositionWithoutMonitors) {
    EXPECT_FALSE(CWindowPlacement::Restorable(0, 0, 355, 490, {}).has_value());
}

}  // namespace
}  // namespace tavelo
