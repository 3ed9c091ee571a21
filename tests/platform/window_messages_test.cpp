#include "platform/event_injection.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

std::vector<Message> received;

std::intptr_t recordingProc(unsigned message, std::uintptr_t wparam, std::intptr_t lparam)
{
    received.push_back({ message, wparam, lparam });
    return 0;
}

class WindowMessages : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = createWindow("giftfall test", 0, 0, 800, 600, recordingProc);
        ASSERT_NE(window_, nullptr);
        drain();
    }
    void TearDown() override
    {
        destroyWindow(currentWindow());
        drain();
    }
    // Everything waiting, without the window's own start-up noise.
    static std::vector<Message> drain()
    {
        std::vector<Message> taken;
        Message message;
        while (peekMessage(message))
            if (message.message != MSG_SETCURSOR && message.message != MSG_SIZE &&
                message.message != MSG_ACTIVATEAPP && message.message != MSG_DISPLAYCHANGE)
                taken.push_back(message);
        return taken;
    }
    Window* window_ = nullptr;
};

TEST_F(WindowMessages, KeysArriveAsVirtualKeyCodes)
{
    for (unsigned vk : { 8u, 13u, 27u, 35u, 36u, 37u, 38u, 39u, 40u, 46u, unsigned('A'), unsigned('Z'), unsigned('0'),
                         unsigned('9') }) {
        injectKey(vk, true);
        injectKey(vk, false);
        std::vector<Message> got = drain();
        ASSERT_GE(got.size(), 2u) << vk;
        EXPECT_EQ(got.front().message, MSG_KEYDOWN) << vk;
        EXPECT_EQ(got.front().wparam, vk);
        EXPECT_EQ(got.back().message, MSG_KEYUP) << vk;
        EXPECT_EQ(got.back().wparam, vk);
        EXPECT_NE(got.back().lparam & KEY_TRANSITION_UP, 0);
    }
}

TEST_F(WindowMessages, ControlKeysAlsoTypeTheirCharacter)
{
    injectKey(KEY_BACK, true);
    injectKey('A', true);
    std::vector<Message> got = drain();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[1].message, MSG_CHAR);
    EXPECT_EQ(got[1].wparam, 8u);
    EXPECT_EQ(got[2].message, MSG_KEYDOWN);  // letters type through text input only
}

TEST_F(WindowMessages, TextBecomesLatin1AndDropsOtherCharacters)
{
    injectText("a\xC3\xA9\xE2\x82\xAC" "Z");  // a, e-acute, euro sign, Z
    std::vector<Message> got = drain();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].wparam, unsigned('a'));
    EXPECT_EQ(got[1].wparam, 0xE9u);
    EXPECT_EQ(got[2].wparam, unsigned('Z'));
    for (const Message& m : got)
        EXPECT_EQ(m.message, MSG_CHAR);
}

TEST_F(WindowMessages, AltEnterIsASystemKeyWithTheAltContextBit)
{
    injectKey(KEY_RETURN, true, true);
    injectKey(KEY_RETURN, false, true);
    std::vector<Message> got = drain();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].message, MSG_SYSKEYDOWN);
    EXPECT_EQ(got[1].message, MSG_SYSKEYUP);
    EXPECT_EQ(got[1].wparam, unsigned(KEY_RETURN));
    EXPECT_NE(got[1].lparam & KEY_CONTEXT_ALT, 0);
}

TEST_F(WindowMessages, MouseButtonsPackThePositionAndPairsBecomeDoubleClicks)
{
    injectMouseMotion(-3, 599);
    injectMouseButton(1, true, 10, 20);
    injectMouseButton(1, false, 10, 20);
    injectMouseButton(1, true, 10, 20, 2);
    injectMouseButton(3, true, 10, 20);  // middle: ignored
    injectMouseButton(3, false, 10, 20);
    injectMouseButton(2, true, 799, 0);
    injectMouseButton(2, false, 799, 0);
    std::vector<Message> got = drain();
    ASSERT_EQ(got.size(), 6u);
    EXPECT_EQ(got[0].message, MSG_MOUSEMOVE);
    EXPECT_EQ(mouseX(got[0].lparam), -3);
    EXPECT_EQ(mouseY(got[0].lparam), 599);
    EXPECT_EQ(got[1].message, MSG_LBUTTONDOWN);
    EXPECT_EQ(got[1].lparam, packMousePosition(10, 20));
    EXPECT_EQ(got[1].lparam, 20 * 65536 + 10);
    EXPECT_EQ(got[2].message, MSG_LBUTTONUP);
    EXPECT_EQ(got[3].message, MSG_LBUTTONDBLCLK);
    EXPECT_EQ(got[4].message, MSG_RBUTTONDOWN);
    EXPECT_EQ(got[5].message, MSG_RBUTTONUP);
    EXPECT_EQ(mouseX(got[5].lparam), 799);
}

TEST_F(WindowMessages, WindowChangesBecomeActivationSizeAndClose)
{
    received.clear();
    injectWindowChange(WindowChange::Minimized);
    injectWindowChange(WindowChange::Restored);
    injectWindowChange(WindowChange::FocusLost);
    injectWindowChange(WindowChange::Close);
    std::vector<Message> got;
    Message message;
    while (peekMessage(message))
        got.push_back(message);
    ASSERT_GE(got.size(), 4u);
    EXPECT_EQ(got[0].message, MSG_SIZE);
    EXPECT_EQ(got[0].wparam, unsigned(SIZE_MINIMIZED));
    EXPECT_EQ(got[1].message, MSG_SIZE);
    EXPECT_EQ(got[1].wparam, unsigned(SIZE_RESTORED));
    EXPECT_EQ(got[2].message, MSG_ACTIVATEAPP);
    EXPECT_EQ(got[2].wparam, 0u);
    EXPECT_EQ(got[3].message, MSG_CLOSE);
}

TEST_F(WindowMessages, CloseByDefaultDestroysAndTheQuitMessageEndsTheQueue)
{
    received.clear();
    defaultWindowProc({ MSG_CLOSE, 0, 0 });
    EXPECT_EQ(currentWindow(), nullptr);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, MSG_DESTROY);
    postQuitMessage(0);
    Message message;
    ASSERT_TRUE(peekMessage(message));
    EXPECT_EQ(message.message, MSG_QUIT);
    EXPECT_FALSE(peekMessage(message));
}

}  // namespace
