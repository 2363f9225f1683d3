#include <QApplication>
#include <QImage>
#include <QWidget>
#include <QtTest/QTest>
#include <memory>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "controls/link_static.h"
#include "platform/message_box.h"
#include "platform/shell_open.h"

namespace {

using Request = std::pair<std::string, std::string>;

// A window holding one label, pressed through the window as a real mouse would be. The desktop
// takes every address unless a test says there is no program for it.
class LinkLabel : public ::testing::Test {
protected:
    void SetUp() override {
        SetShellSink([this](const std::string& verb, const std::string& target) {
            requests.emplace_back(verb, target);
            return desktopOpens;
        });
        SetMessageSink([this](const MessageRecord& r) { messages.push_back(r); });
        window = std::make_unique<QWidget>();
        window->resize(300, 60);
        link = new CLinkStatic(window.get());
        link->setGeometry(10, 20, 280, 16);
        link->setText("plain");
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        SetShellSink({});
        SetMessageSink({});
    }

    QPoint Centre() const { return link->geometry().center(); }
    bool ShowsBlue() const {
        const QImage image = link->grab().toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == QColor(0, 0, 255)) {
                    return true;
                }
            }
        }
        return false;
    }

    std::unique_ptr<QWidget> window;
    CLinkStatic* link = nullptr;
    std::vector<Request> requests;
    bool desktopOpens = true;
    std::vector<MessageRecord> messages;
};

TEST_F(LinkLabel, PlainUntilMadeALink) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, Centre());
    EXPECT_TRUE(requests.empty());
    EXPECT_FALSE(link->testAttribute(Qt::WA_SetCursor));
    EXPECT_FALSE(link->LinkFont().underline());
    EXPECT_EQ(link->LinkColor(), link->palette().color(QPalette::WindowText));
    EXPECT_FALSE(ShowsBlue());
}

TEST_F(LinkLabel, MailLinkActsOnThePressEveryTime) {
    link->SetLinkStyle(LinkStyle::Mail);
    link->SetTarget("x", "");
    EXPECT_EQ(link->text(), "x");
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, Centre());
    EXPECT_EQ(requests, std::vector<Request>({{"", "mailto:x"}}));
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, Centre());
    EXPECT_EQ(requests.size(), 1u);
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, Centre());
    EXPECT_EQ(requests.size(), 1u);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, Centre());
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests.back(), Request("", "mailto:x"));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(link->LinkColor(), QColor(0, 0, 255));
    EXPECT_TRUE(link->LinkFont().underline());
    EXPECT_TRUE(ShowsBlue());
    // The desktop theme's pointing hand.
    EXPECT_TRUE(link->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(LinkLabel, WebLinkOpensItsTargetUnchanged) {
    link->SetLinkStyle(LinkStyle::Web);
    link->SetTarget("www.velmarch.example", "Visit Velmarch Online");
    EXPECT_EQ(link->text(), "Visit Velmarch Online");
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, Centre());
    EXPECT_EQ(requests, std::vector<Request>({{"open", "www.velmarch.example"}}));
}

TEST_F(LinkLabel, EmptyMailTargetStillAsks) {
    link->SetLinkStyle(LinkStyle::Mail);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, Centre());
    EXPECT_EQ(requests, std::vector<Request>({{"", "mailto:"}}));
}

// With no browser or mail program set up, each press says so and shows the address to copy.
class LinkWithoutProgram : public LinkLabel, public ::testing::WithParamInterface<LinkStyle> {};

TEST_P(LinkWithoutProgram, SaysSoWithTheAddress) {
    desktopOpens = false;
    link->SetLinkStyle(GetParam());
    link->SetTarget("sales@velmarch.example", "Contact The Velmarch Sales Team");
    for (int press = 1; press <= 2; ++press) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, Centre());
        ASSERT_EQ(messages.size(), static_cast<std::size_t>(press));
        EXPECT_EQ(messages.back().icon, MessageIcon::Warning);
        EXPECT_EQ(messages.back().text,
                  std::string(GetParam() == LinkStyle::Web
                                  ? "No program is set up to open this web address:"
                                  : "No program is set up to send mail to this "
                                    "address:") +
                      "\n\nsales@velmarch.example");
    }
    EXPECT_EQ(requests.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(WebAndMail, LinkWithoutProgram,
                         ::testing::Values(LinkStyle::Web, LinkStyle::Mail),
                         [](const ::testing::TestParamInfo<LinkStyle>& info) {
                             return std::string(info.param == LinkStyle::Web ? "Web" : "Mail");
                         });

} // namespace
