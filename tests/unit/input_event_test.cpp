#include <gtest/gtest.h>

#include <cstring>

#include "capture/hook_mapping.h"
#include "model/record_list.h"
#include "sim_desktop.h"

namespace {

struct MouseCase {
    const char* what;
    int nCode;
    uint32_t message;
    int32_t x, y;
    uint32_t mouseData;
    bool recorded;
    INPUTEVENT expected;
};

TEST(HookMapping, MouseMessages)
{
    const MouseCase cases[] = {
        {"move", 0, kWmMouseMove, 100, 200, 0, true, {EV_MOUSEMOVE, 100, 200, 0, 0}},
        {"left down", 0, kWmLButtonDown, 1, 2, 0, true, {EV_LBUTTONDOWN, 1, 2, 0, 0}},
        {"left up", 0, kWmLButtonUp, 1, 2, 0, true, {EV_LBUTTONUP, 1, 2, 0, 0}},
        {"right down is 5", 0, kWmRButtonDown, 3, 4, 0, true, {EV_RBUTTONDOWN, 3, 4, 0, 0}},
        {"right up is 6", 0, kWmRButtonUp, 3, 4, 0, true, {EV_RBUTTONUP, 3, 4, 0, 0}},
        {"middle down is 3", 0, kWmMButtonDown, 5, 6, 0, true, {EV_MBUTTONDOWN, 5, 6, 0, 0}},
        {"middle up is 4", 0, kWmMButtonUp, 5, 6, 0, true, {EV_MBUTTONUP, 5, 6, 0, 0}},
        {"wheel away", 0, kWmMouseWheel, 7, 8, 120u << 16, true, {EV_MOUSEWHEEL, 7, 8, 120, 0}},
        {"wheel toward", 0, kWmMouseWheel, 7, 8, 0xFF880000u, true, {EV_MOUSEWHEEL, 7, 8, -120, 0}},
        {"wheel data ignored elsewhere", 0, kWmLButtonDown, 7, 8, 120u << 16, true, {EV_LBUTTONDOWN, 7, 8, 0, 0}},
        {"negative x", 0, kWmMouseMove, -5, 10, 0, true, {EV_MOUSEMOVE, 65531, 10, 0, 0}},
        {"low 16 bits", 0, kWmMouseMove, 70000, -1, 0, true, {EV_MOUSEMOVE, 70000 - 65536, 65535, 0, 0}},
        {"left double-click", 0, kWmLButtonDblClk, 0, 0, 0, false, {}},
        {"right double-click", 0, kWmRButtonDblClk, 0, 0, 0, false, {}},
        {"middle double-click", 0, kWmMButtonDblClk, 0, 0, 0, false, {}},
        {"X button down", 0, 0x020B, 0, 0, 0, false, {}},
        {"X button up", 0, 0x020C, 0, 0, 0, false, {}},
        {"X double-click", 0, 0x020D, 0, 0, 0, false, {}},
        {"horizontal wheel", 0, 0x020E, 0, 0, 120u << 16, false, {}},
        {"below the mouse range", 0, 0x01FF, 0, 0, 0, false, {}},
        {"non-zero nCode", 3, kWmMouseMove, 1, 1, 0, false, {}},
        {"negative nCode", -1, kWmLButtonDown, 1, 1, 0, false, {}},
    };
    for (const MouseCase& c : cases) {
        INPUTEVENT ev;
        memset(&ev, 0xCD, sizeof(ev));
        bool recorded = MouseMessageToEvent(c.nCode, c.message, c.x, c.y, c.mouseData, &ev);
        ASSERT_EQ(recorded, c.recorded) << c.what;
        if (!recorded) continue;
        EXPECT_EQ(memcmp(&ev, &c.expected, sizeof(ev)), 0) << c.what;
    }
}

TEST(HookMapping, KeyMessages)
{
    const struct {
        const char* what;
        int nCode;
        uint32_t message;
        uint32_t vk;
        bool recorded;
        uint16_t type;
    } cases[] = {
        {"A down", 0, kWmKeyDown, 0x41, true, EV_KEYDOWN},
        {"A up", 0, kWmKeyUp, 0x41, true, EV_KEYUP},
        {"Alt as a system key", 0, kWmSysKeyDown, 0xA4, true, EV_KEYDOWN},
        {"Tab under Alt", 0, kWmSysKeyDown, 0x09, true, EV_KEYDOWN},
        {"system key up", 0, kWmSysKeyUp, 0xA4, true, EV_KEYUP},
        {"left Shift keeps its code", 0, kWmKeyDown, 0xA0, true, EV_KEYDOWN},
        {"char message", 0, 0x0102, 0x41, false, 0},
        {"non-zero nCode", 1, kWmKeyDown, 0x41, false, 0},
    };
    for (const auto& c : cases) {
        INPUTEVENT ev;
        memset(&ev, 0xCD, sizeof(ev));
        ASSERT_EQ(KeyMessageToEvent(c.nCode, c.message, c.vk, &ev), c.recorded) << c.what;
        if (!c.recorded) continue;
        EXPECT_EQ(ev.type, c.type) << c.what;
        EXPECT_EQ(ev.x, c.vk) << c.what;
        EXPECT_EQ(ev.y, 0) << c.what;
        EXPECT_EQ(ev.wheelDelta, 0) << c.what;
        EXPECT_EQ(ev.delay, 0u) << c.what;
    }
}

TEST(InputEvent, LaysOutLikeTheFile)
{
    INPUTEVENT ev = {EV_MOUSEWHEEL, 0x0201, 0x0403, -120, 0x08070605};
    const uint8_t expected[12] = {7, 0, 0x01, 0x02, 0x03, 0x04, 0x88, 0xFF, 5, 6, 7, 8};
    EXPECT_EQ(memcmp(&ev, expected, 12), 0);
}

class AppendEventTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_recordList.clear();
        SetRecordingClock(&desktop);
    }
    void TearDown() override
    {
        SetRecordingClock(nullptr);
        g_recordList.clear();
    }
    void AppendAt(uint32_t tick, uint16_t type, uint32_t carriedDelay = 0)
    {
        desktop.now = tick;
        INPUTEVENT ev = {type, 1, 2, 0, carriedDelay};
        AppendEvent(ev);
    }
    SimDesktop desktop;
};

TEST_F(AppendEventTest, DelayBelongsToTheEventBeforeTheGap)
{
    AppendAt(1000, EV_MOUSEMOVE);
    AppendAt(1250, EV_LBUTTONDOWN);
    AppendAt(1300, EV_LBUTTONUP, 999);  // whatever delay it carries, the last one is 0
    ASSERT_EQ(g_recordList.size(), 3u);
    EXPECT_EQ(g_recordList[0].delay, 250u);
    EXPECT_EQ(g_recordList[1].delay, 50u);
    EXPECT_EQ(g_recordList[2].delay, 0u);
    EXPECT_EQ(GetTotalDelay(g_recordList), 300u);
}

TEST_F(AppendEventTest, SingleEventAndWrapAround)
{
    AppendAt(0xFFFFFFFFu - 255, EV_KEYDOWN);
    EXPECT_EQ(g_recordList[0].delay, 0u);
    EXPECT_EQ(GetTotalDelay(g_recordList), 0u);
    AppendAt(16, EV_KEYUP);
    EXPECT_EQ(g_recordList[0].delay, 272u);
}

TEST_F(AppendEventTest, FirstEventOfANewRecordingRestartsTheClock)
{
    AppendAt(100, EV_KEYDOWN);
    g_recordList.clear();
    AppendAt(5000, EV_KEYDOWN);
    AppendAt(5010, EV_KEYUP);
    EXPECT_EQ(g_recordList[0].delay, 10u);
}

TEST(InputEvent, TotalDelayWraps)
{
    EventList list = {{EV_KEYDOWN, 0x41, 0, 0, 0xFFFFFFFFu}, {EV_KEYUP, 0x41, 0, 0, 2}, {EV_KEYUP, 0x41, 0, 0, 0}};
    EXPECT_EQ(GetTotalDelay(list), 1u);
    EXPECT_EQ(GetTotalDelay(EventList()), 0u);
}

}  // namespace
