#include <QAccessible>
#include <QBitmap>
#include <QFile>
#include <QImage>
#include <QRegion>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest/QTest>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "controls/link_static.h"
#include "platform/message_box.h"
#include "platform/shell_open.h"

namespace {

using Request = std::pair<std::string, std::string>;

// A label with no style (a plain label), or made a link to a target (none: its empty target).
struct LinkCase {
    const char* name;
    std::optional<LinkStyle> style;
    const char* target;
    const char* caption;
    const char* shows;
    std::vector<Request> press; // what the desktop is asked on each press
};

const LinkCase kLinks[] = {
    {"Plain", std::nullopt, nullptr, "", "plain", {}},
    {"Mail", LinkStyle::Mail, "x", "", "x", {{"", "mailto:x"}}},
    {"Web", LinkStyle::Web, "velmarch.example", "Visit", "Visit", {{"open", "velmarch.example"}}},
    {"EmptyMail", LinkStyle::Mail, nullptr, "", "plain", {{"", "mailto:"}}},
};

constexpr auto kLinkName = [](const auto& info) { return std::string(info.param.name); };

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

    void Make(const LinkCase& c) {
        if (c.style) {
            link->SetLinkStyle(*c.style);
        }
        if (c.target != nullptr) {
            link->SetTarget(c.target, c.caption);
        }
    }
    QPoint Centre() const { return link->geometry().center(); }

    std::unique_ptr<QWidget> window;
    CLinkStatic* link = nullptr;
    std::vector<Request> requests;
    bool desktopOpens = true;
    std::vector<MessageRecord> messages;
};

class EachLink : public LinkLabel, public ::testing::WithParamInterface<LinkCase> {};

// A link acts on the left button's press, every time; once Tab has brought the focus to it, on
// Enter and Space; and on a screen reader's press. A plain label is text, with nothing to press.
TEST_P(EachLink, ActsOnEveryPressAndLooksALink) {
    const LinkCase& c = GetParam();
    const bool isLink = c.style.has_value();
    Make(c);
    EXPECT_EQ(link->text(), c.shows);
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, Centre());
    EXPECT_EQ(requests, c.press);
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, Centre());
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, Centre());
    EXPECT_EQ(requests, c.press);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, Centre());

    link->setFocusPolicy(Qt::TabFocus);
    link->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(link->hasFocus());
    QTest::keyClick(link, Qt::Key_Return);
    QTest::keyClick(link, Qt::Key_Space);
    QTest::keyClick(link, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(link, Qt::Key_A); // not a key that opens
    QAccessibleInterface* said = QAccessible::queryAccessibleInterface(link);
    ASSERT_NE(said, nullptr);
    EXPECT_EQ(said->role(), isLink ? QAccessible::Link : QAccessible::StaticText);
    EXPECT_EQ(said->text(QAccessible::Name), c.shows);
    EXPECT_TRUE(said->state().focused);
    EXPECT_EQ(
        said->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
        isLink);
    said->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(requests.size(), 6 * c.press.size());
    EXPECT_TRUE(messages.empty());

    EXPECT_EQ(link->LinkColor(),
              isLink ? QColor(0, 0, 255) : link->palette().color(QPalette::WindowText));
    EXPECT_EQ(link->LinkFont().underline(), isLink);
    const QImage blue =
        link->grab().toImage().createMaskFromColor(qRgb(0, 0, 255), Qt::MaskOutColor);
    EXPECT_EQ(QRegion(QBitmap::fromImage(blue)).isEmpty(), !isLink);
    // The desktop theme's pointing hand.
    EXPECT_EQ(link->testAttribute(Qt::WA_SetCursor), isLink);
    EXPECT_EQ(link->cursor().shape(), isLink ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

// With no browser or mail program set up, each press says so and shows the address to copy.
TEST_P(EachLink, WithoutAProgramSaysSoWithTheAddress) {
    const LinkCase& c = GetParam();
    desktopOpens = false;
    Make(c);
    for (std::size_t press = 1; press <= 2; ++press) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, Centre());
        ASSERT_EQ(messages.size(), press * c.press.size());
    }
    for (const MessageRecord& m : messages) {
        EXPECT_EQ(m.icon, MessageIcon::Warning);
        EXPECT_EQ(m.text, std::string(c.style == LinkStyle::Web
                                          ? "No program is set up to open this web address:"
                                          : "No program is set up to send mail to this address:") +
                              "\n\n" + (c.target != nullptr ? c.target : ""));
    }
    EXPECT_EQ(requests.size(), 2 * c.press.size());
}

INSTANTIATE_TEST_SUITE_P(, EachLink, ::testing::ValuesIn(kLinks), kLinkName);

// The desktop's opener can start and then fail, when no browser or mail program stands behind it:
// that is heard once it has ended, and said as when there is no opener at all.
TEST_F(LinkLabel, AnOpenerThatEndsInFailureIsHeard) {
    SetShellSink({});
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    qputenv("PATH", bin.path().toUtf8());
    Make(kLinks[1]);
    for (const int status : {3, 0, 4}) {
        QFile opener(bin.filePath("xdg-open"));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly | QIODevice::Truncate));
        opener.write("#!/bin/sh\nexit " + QByteArray::number(status) + "\n");
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const std::size_t expected = messages.size() + (status != 0 ? 1 : 0);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, Centre());
        // A success has nothing to wait for: long enough for a failure to have been heard.
        if (status == 0) {
            QTest::qWait(300);
        } else {
            EXPECT_TRUE(QTest::qWaitFor([&] { return messages.size() == expected; }, 5000));
        }
        ASSERT_EQ(messages.size(), expected) << "exit " << status;
    }
    qputenv("PATH", path);
    EXPECT_EQ(messages.back().text, "No program is set up to send mail to this address:\n\nx");
}

} // namespace
