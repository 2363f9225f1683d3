#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QTextEdit>
#include <QTimer>
#include <QtTest/QTest>
#include <algorithm>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "controls/control_makers.h"
#include "controls/styled_static.h"
#include "platform/resources.h"

namespace {

using Id = MainWindowId;

constexpr auto kRowName = [](const auto& info) { return std::string(info.param.name); };

// Presses a key in whatever modal window is active once the loop has started.
void PressWhenModal(Qt::Key key) {
    QTimer::singleShot(0, [key] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, key);
    });
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { dlg.Create(); }
    CRollCalcDlg dlg;
};

TEST_F(MainWindow, ShowsItsControlsWithTheirCaptions) {
    EXPECT_EQ(dlg.windowTitle(), "Velmarch Roll Calculation Application");
    EXPECT_FALSE(dlg.windowIcon().isNull());
    EXPECT_TRUE(dlg.Item<QPushButton>(Id::Close)->isDefault());
    const std::pair<Id, const char*> leftToRight[] = {{Id::RollDiameter, "Roll &Diameter"},
                                                      {Id::RollWeight, "Roll &Weight"},
                                                      {Id::KnifePositions, "&Knife Positions"},
                                                      {Id::Close, "&Close"}};
    int left = -1;
    for (const auto& [id, caption] : leftToRight) {
        EXPECT_EQ(dlg.Item<QPushButton>(id)->text(), caption);
        EXPECT_GT(dlg.GetDlgItem(id)->x(), left) << caption;
        left = dlg.GetDlgItem(id)->x();
    }
}

TEST_F(MainWindow, StyledHeadingsAreBlackAndCentred) {
    for (const auto& [id, text] : {std::pair{Id::Version, "Version 1.00"},
                                   std::pair{Id::Heading, "IMPORTANT INFORMATION -- Please Read"},
                                   std::pair{Id::DisclaimerHeading, "DISCLAIMER"}}) {
        auto* label = dlg.Item<CStyledStatic>(id);
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(label->Colour(), QColor(0, 0, 0)) << text;
        EXPECT_EQ(label->TextAlignment(), Qt::AlignHCenter) << text;
        EXPECT_EQ(label->Weight(), QFont::Normal) << text;
        EXPECT_EQ(label->Underline(), id == Id::DisclaimerHeading) << text;
    }
}

// The About entry belongs to the calculators' menus only.
TEST_F(MainWindow, SystemMenuHasNoAboutEntry) {
    for (QAction* action : dlg.SystemMenu()->actions()) {
        EXPECT_FALSE(action->text().contains("About")) << action->text().toStdString();
    }
}

TEST_F(MainWindow, DisclaimerIsOneUpperCaseParagraph) {
    auto* box = dlg.Item<QTextEdit>(Id::Disclaimer);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
    const QString text = box->toPlainText();
    EXPECT_EQ(text.size(), 1168);
    EXPECT_EQ(text, text.toUpper());
    EXPECT_FALSE(text.contains('\n'));
    EXPECT_EQ(text.count(".  "), 4);
    EXPECT_TRUE(text.endsWith('.'));
    EXPECT_EQ(text.count("VELMARCH PRODUCTS LLC"), 4);
    EXPECT_EQ(box->accessibleName(), "Disclaimer");
}

// Right after the start, Enter presses the default button and Esc cancels.
class KeyEnds : public ::testing::TestWithParam<Window> {
protected:
    DialogCommand After(Qt::Key key) const {
        PressWhenModal(key);
        return RowOf(GetParam()).open(nullptr)->DoModal();
    }
};

TEST_P(KeyEnds, EnterPressesTheDefaultButton) {
    EXPECT_EQ(After(Qt::Key_Return), DialogCommand::Ok);
}

TEST_P(KeyEnds, EscapeCancels) {
    EXPECT_EQ(After(Qt::Key_Escape), DialogCommand::Cancel);
}

INSTANTIATE_TEST_SUITE_P(, KeyEnds, ::testing::Values(Window::Main, Window::About), kWindowName);

TEST(AboutBox, ShowsItsVersionAndAnOkButton) {
    CAboutDlg about;
    about.Create();
    EXPECT_EQ(about.windowTitle(), "About velmarch");
    EXPECT_TRUE(std::ranges::any_of(about.findChildren<QLabel*>(), [](const QLabel* label) {
        return label->text() == "velmarch Version 1.0";
    }));
    EXPECT_EQ(about.Item<QPushButton>(AboutBoxId::Ok)->text(), "OK");
    EXPECT_TRUE(about.Item<QPushButton>(AboutBoxId::Ok)->isDefault());
}

// The real box, over a window: captioned with the program's name, in its owner's dialog font, its
// text copyable; a question is a warning with Yes (the default) and No (Esc).
struct Box {
    const char* name;
    MessageIcon icon;
    MessageButtons buttons;
    Qt::Key key;
    MessageAnswer answer;
    QMessageBox::Icon shows;
    QMessageBox::StandardButtons offers;
};

const Box kBoxes[] = {
    {"Stop", MessageIcon::Stop, MessageButtons::Ok, Qt::Key_Return, MessageAnswer::Ok,
     QMessageBox::Critical, QMessageBox::Ok},
    {"Information", MessageIcon::Information, MessageButtons::Ok, Qt::Key_Escape, MessageAnswer::Ok,
     QMessageBox::Information, QMessageBox::Ok},
    {"QuestionYes", MessageIcon::Warning, MessageButtons::YesNo, Qt::Key_Return, MessageAnswer::Yes,
     QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No},
    {"QuestionNo", MessageIcon::Warning, MessageButtons::YesNo, Qt::Key_Escape, MessageAnswer::No,
     QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No},
};

class MessageBox : public ::testing::TestWithParam<Box> {};

TEST_P(MessageBox, IsCaptionedWithTheProgramNameInItsWindowsFont) {
    const Box& c = GetParam();
    CAboutDlg owner;
    owner.Create();
    int seen = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "gui_tests");
        EXPECT_EQ(box->text(), "Only one field can be zero!");
        EXPECT_EQ(box->icon(), c.shows);
        EXPECT_EQ(box->standardButtons(), c.offers);
        EXPECT_TRUE(box->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
        EXPECT_EQ(box->font(), owner.font());
        ++seen;
    });
    PressWhenModal(c.key);
    EXPECT_EQ(ShowMessageBox(&owner, "Only one field can be zero!", c.icon, c.buttons), c.answer);
    EXPECT_EQ(seen, 1);
}

INSTANTIATE_TEST_SUITE_P(, MessageBox, ::testing::ValuesIn(kBoxes), kRowName);

TEST(DialogUnits, GeometryFollowsTheFont) {
    DialogTemplate small = MainWindowTemplate();
    DialogTemplate large = small;
    large.pointSize = 16;
    CDialog a(small, StandardControlMakers());
    CDialog b(large, StandardControlMakers());
    a.Create();
    b.Create();
    EXPECT_GT(b.width(), a.width() * 3 / 2);
    EXPECT_GT(b.GetDlgItem(Id::Close)->width(), a.GetDlgItem(Id::Close)->width() * 3 / 2);
    // A control's rectangle is its template rectangle in base units.
    EXPECT_EQ(a.GetDlgItem(Id::Close)->geometry(), a.MapDialogRect(318, 236, 54, 14));
    EXPECT_EQ(a.width(), a.MapDialogRect(0, 0, 379, 254).width());
}

// The icon reads its pictures on first use; each size must come out as from an icon built from
// them straight away.
TEST(ProgramIcon, DrawsAsIfItsPicturesWereReadAtOnce) {
    QIcon eager;
    for (int size : {16, 32, 64, 256}) {
        eager.addFile(QStringLiteral(":/res/hicolor/%1.png").arg(size));
    }
    const QIcon icon = LoadAppIcon(IDR_MAINFRAME);
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}, {256, 256}}));
    for (int size : {16, 20, 24, 32, 48, 64, 100, 256, 300}) {
        EXPECT_EQ(icon.actualSize(QSize(size, size)), eager.actualSize(QSize(size, size))) << size;
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            EXPECT_EQ(icon.pixmap(size, mode).toImage(), eager.pixmap(size, mode).toImage())
                << size;
        }
    }
    auto painted = [](const QIcon& i) {
        QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            i.paint(&painter, QRect(2, 3, 35, 30));
        }
        return image;
    };
    EXPECT_EQ(painted(icon), painted(eager));
}

} // namespace
