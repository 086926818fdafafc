// The capture decision and the chain duties of the clipboard watcher, on its own.
#include "headless_platform.h"
#include "mainwindow/clipboard_watcher.h"
#include <gtest/gtest.h>

namespace qv::test {
namespace {

using platform::ClipboardNotice;
using platform::WindowRef;
using platform::headless::HeadlessPlatform;

class WatcherTest : public ::testing::Test {
  protected:
    WatcherTest() {
        // Another viewer joined before the watcher; it records what reaches it.
        platform.clipboard.RegisterWindow(
            kOther, {[this](const ClipboardNotice& n) { forwarded.push_back(n.wParam); },
                     [this](WindowRef removed, WindowRef) { chainNotices.push_back(removed); }});
        WindowRef ignored = 0;
        platform.clipboard.SetViewer(kOther, ignored);
        forwarded.clear();
    }
    static constexpr WindowRef kSelf = 0x7000;
    static constexpr WindowRef kOther = 0x7100;
    HeadlessPlatform platform;
    CClipboardWatcher watcher{platform.clipboard, platform.clock};
    std::vector<std::uintptr_t> forwarded;
    std::vector<WindowRef> chainNotices;
};

TEST_F(WatcherTest, TakesAChangeOnlyWhenWatchingInTheBackgroundAndNotRightAfterItsOwnWrite) {
    struct Case {
        const char* name;
        bool watching, active, minimized;
        std::uint32_t sinceOwnWrite;
        bool taken;
    };
    const Case cases[] = {
        {"in the background", true, false, false, 501, true},
        {"watching off", false, false, false, 501, false},
        {"window in front", true, true, false, 501, false},
        {"active but minimized", true, true, true, 501, true},
        {"at the end of the half second", true, false, false, 500, false},
        {"right after its own write", true, false, false, 10, false},
    };
    ASSERT_TRUE(watcher.Join(kSelf));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        watcher.SetWatching(c.watching);
        watcher.SetActive(c.active);
        watcher.SetMinimized(c.minimized);
        watcher.StampOwnWrite();
        platform.clock.Advance(c.sinceOwnWrite);
        forwarded.clear();
        EXPECT_EQ(watcher.OnChange(ClipboardNotice{0x42, 7}), c.taken);
        EXPECT_EQ(forwarded, std::vector<std::uintptr_t>{0x42}) << "passed on in every case";
    }
}

TEST_F(WatcherTest, OwnWritePausesWatchingAndStampsItsEnd) {
    ASSERT_TRUE(watcher.Join(kSelf));
    watcher.SetWatching(true);
    platform.clock.Advance(1000);
    {
        const CClipboardWatcher::OwnWrite write(watcher);
        EXPECT_FALSE(watcher.IsWatching());
        EXPECT_FALSE(watcher.OnChange({})) << "the notice during the write";
        platform.clock.Advance(3000); // a slow save before the write ends
    }
    EXPECT_TRUE(watcher.IsWatching());
    platform.clock.Advance(100);
    EXPECT_FALSE(watcher.OnChange({})) << "a late notice of the write";
    platform.clock.Advance(500);
    EXPECT_TRUE(watcher.OnChange({}));
}

TEST_F(WatcherTest, FollowsTheChainRepairAndLeavesOnce) {
    ASSERT_TRUE(watcher.Join(kSelf));
    EXPECT_EQ(watcher.NextViewer(), kOther);
    watcher.OnChainChange(0x9999, 0);
    EXPECT_EQ(chainNotices, std::vector<WindowRef>{0x9999}) << "not ours: passed on";
    watcher.OnChainChange(kOther, 0x7200);
    EXPECT_EQ(watcher.NextViewer(), WindowRef(0x7200));
    platform.clipboard.failSetViewer = true;
    CClipboardWatcher refused(platform.clipboard, platform.clock);
    EXPECT_FALSE(refused.Join(0x7300));
    EXPECT_FALSE(refused.IsJoined());
}

} // namespace
} // namespace qv::test
