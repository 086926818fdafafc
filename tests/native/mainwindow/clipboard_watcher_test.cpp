// The capture decision and the chain duties of the clipboard watcher, on its own.
#include "headless_platform.h"
#include "clipboard/clipboard_watcher.h"
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
    CClipboardWatcher watcher{platform.clipboard};
    std::vector<std::uintptr_t> forwarded;
    std::vector<WindowRef> chainNotices;
};

TEST_F(WatcherTest, TakesAnotherProgramsChangeOnlyWhenWatchingInTheBackground) {
    struct Case {
        const char* name;
        bool watching, active, minimized;
        bool taken;
    };
    const Case cases[] = {
        {"in the background", true, false, false, true},
        {"watching off", false, false, false, false},
        {"window in front", true, true, false, false},
        {"active but minimized", true, true, true, true},
    };
    ASSERT_TRUE(watcher.Join(kSelf));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        watcher.SetWatching(c.watching);
        watcher.SetActive(c.active);
        watcher.SetMinimized(c.minimized);
        platform.clipboard.PutFromOtherApp(c.name);
        forwarded.clear();
        EXPECT_EQ(watcher.OnChange(ClipboardNotice{0x42, 7}), c.taken);
        EXPECT_EQ(forwarded, std::vector<std::uintptr_t>{0x42}) << "passed on in every case";
    }
}

TEST_F(WatcherTest, TellsOwnWritesFromOtherProgramsByContentsNotByTime) {
    ASSERT_TRUE(watcher.Join(kSelf));
    watcher.SetWatching(true);
    EXPECT_FALSE(watcher.OnChange({})) << "the contents present when it began";
    platform.clipboard.PutFromOtherApp("copied");
    ASSERT_TRUE(watcher.OnChange({}));
    watcher.MarkTaken(platform.clipboard.SequenceNumber());
    EXPECT_FALSE(watcher.OnChange({})) << "a second notice of contents already taken";
    platform.clipboard.PutFromOtherApp("copied at once again");
    EXPECT_TRUE(watcher.OnChange({})) << "another program's change, however soon";
    {
        const CClipboardWatcher::OwnWrite write(watcher);
        EXPECT_FALSE(watcher.IsWatching());
        ASSERT_TRUE(platform.clipboard.Open(kSelf));
        platform.clipboard.Empty();
        platform.clipboard.SetText("own", "");
        platform.clipboard.Close();
        EXPECT_TRUE(write.Changed());
    }
    EXPECT_TRUE(watcher.IsWatching());
    EXPECT_FALSE(watcher.OnChange({})) << "a late notice of the own write";
    platform.clipboard.PutFromOtherApp("after the own write");
    EXPECT_TRUE(watcher.OnChange({}));
}

TEST_F(WatcherTest, AChangeThatArrivedDuringAnOwnWriteIsTakenWhenTheWriteEnds) {
    ASSERT_TRUE(watcher.Join(kSelf));
    watcher.SetWatching(true);
    int missed = 0;
    watcher.SetMissedChangeHandler([&missed] { ++missed; });
    {
        const CClipboardWatcher::OwnWrite write(watcher);
        ASSERT_TRUE(platform.clipboard.Open(kSelf));
        platform.clipboard.Empty();
        platform.clipboard.SetText("own", "");
        platform.clipboard.Close(); // its notice reaches no one here
        EXPECT_FALSE(watcher.OnChange({})) << "the write's own notice";
        platform.clipboard.PutFromOtherApp("while the write's work went on");
        EXPECT_FALSE(watcher.OnChange({})) << "paused";
    }
    EXPECT_EQ(missed, 1);
    EXPECT_TRUE(watcher.HasChangeToTake());
    {
        // A copy that changed nothing leaves another program's contents theirs.
        const CClipboardWatcher::OwnWrite write(watcher);
        EXPECT_FALSE(write.Changed());
    }
    EXPECT_TRUE(watcher.HasChangeToTake());
    EXPECT_EQ(missed, 1) << "nothing arrived during the second write";
}

TEST_F(WatcherTest, FollowsTheChainRepairAndLeavesOnce) {
    ASSERT_TRUE(watcher.Join(kSelf));
    EXPECT_EQ(watcher.NextViewer(), kOther);
    watcher.OnChainChange(0x9999, 0);
    EXPECT_EQ(chainNotices, std::vector<WindowRef>{0x9999}) << "not ours: passed on";
    watcher.OnChainChange(kOther, 0x7200);
    EXPECT_EQ(watcher.NextViewer(), WindowRef(0x7200));
    platform.clipboard.failSetViewer = true;
    CClipboardWatcher refused(platform.clipboard);
    EXPECT_FALSE(refused.Join(0x7300));
    EXPECT_FALSE(refused.IsJoined());
}

} // namespace
} // namespace qv::test
