#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
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

// Once Tab has brought the focus to it, Enter and Space open a link, and so does a screen
// reader's press; a plain label is text to a screen reader, with nothing to press.
TEST_F(LinkLabel, OpenedByKeyboardAndByAScreenReader) {
    QAccessibleInterface* said = QAccessible::queryAccessibleInterface(link);
    ASSERT_NE(said, nullptr);
    EXPECT_EQ(said->role(), QAccessible::StaticText);
    EXPECT_FALSE(
        said->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    link->setFocusPolicy(Qt::TabFocus);
    link->SetLinkStyle(LinkStyle::Web);
    link->SetTarget("www.velmarch.example", "Visit Velmarch Online");
    link->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(link->hasFocus());
    QTest::keyClick(link, Qt::Key_Return);
    QTest::keyClick(link, Qt::Key_Space);
    QTest::keyClick(link, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(link, Qt::Key_A); // not a key that opens
    EXPECT_EQ(said->role(), QAccessible::Link);
    EXPECT_EQ(said->text(QAccessible::Name), "Visit Velmarch Online");
    EXPECT_TRUE(said->state().focused);
    said->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(requests.size(), 4u);
    EXPECT_TRUE(messages.empty());
}

// The desktop's opener can start and then fail, when no browser or mail program stands behind it:
// that is heard once it has ended, and said as when there is no opener at all.
TEST_F(LinkLabel, AnOpenerThatEndsInFailureIsHeard) {
    SetShellSink({});
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    qputenv("PATH", bin.path().toUtf8());
    link->SetLinkStyle(LinkStyle::Mail);
    link->SetTarget("sales@velmarch.example", "Contact The Velmarch Sales Team");
    for (const int status : {3, 0, 4}) {
        QFile opener(bin.filePath("xdg-open"));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly | QIODevice::Truncate));
        opener.write("#!/bin/sh\nexit " + QByteArray::number(status) + "\n");
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const std::size_t before = messages.size();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, Centre());
        const std::size_t expected = before + (status != 0 ? 1 : 0);
        // The opener's end is heard from the event loop; a success has nothing to wait for.
        if (status == 0) {
            QTest::qWait(300); // long enough for a failure to have been heard
        } else {
            EXPECT_TRUE(QTest::qWaitFor([&] { return messages.size() == expected; }, 5000));
        }
        ASSERT_EQ(messages.size(), expected) << "exit " << status;
    }
    qputenv("PATH", path);
    EXPECT_EQ(messages.back().text,
              "No program is set up to send mail to this address:\n\nsales@velmarch.example");
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
