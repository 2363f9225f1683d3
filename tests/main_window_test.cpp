#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "app/about_dlg.h"
#include "app/roll_calc_dlg.h"
#include "controls/control_makers.h"
#include "controls/styled_static.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "res/templates.h"

namespace {

using Id = MainWindowId;

// Presses a key in whatever modal window is active once the loop has started.
void PressWhenModal(Qt::Key key) {
    QTimer::singleShot(0, [key] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, key);
    });
}

TEST(MainWindow, ShowsItsControlsWithTheirCaptions) {
    CRollCalcDlg dlg;
    dlg.Create();
    EXPECT_EQ(dlg.windowTitle(), "Velmarch Roll Calculation Application");
    EXPECT_EQ(dlg.Item<QPushButton>(Id::Close)->text(), "&Close");
    EXPECT_EQ(dlg.Item<QPushButton>(Id::RollDiameter)->text(), "Roll &Diameter");
    EXPECT_EQ(dlg.Item<QPushButton>(Id::RollWeight)->text(), "Roll &Weight");
    EXPECT_EQ(dlg.Item<QPushButton>(Id::KnifePositions)->text(), "&Knife Positions");
    EXPECT_TRUE(dlg.Item<QPushButton>(Id::Close)->isDefault());
    // Left to right: Roll Diameter, Roll Weight, Knife Positions, Close.
    EXPECT_LT(dlg.GetDlgItem(Id::RollDiameter)->x(), dlg.GetDlgItem(Id::RollWeight)->x());
    EXPECT_LT(dlg.GetDlgItem(Id::RollWeight)->x(), dlg.GetDlgItem(Id::KnifePositions)->x());
    EXPECT_LT(dlg.GetDlgItem(Id::KnifePositions)->x(), dlg.GetDlgItem(Id::Close)->x());
    EXPECT_EQ(dlg.Item<CStyledStatic>(Id::Version)->text(), "Version 1.00");
    EXPECT_EQ(dlg.Item<CStyledStatic>(Id::Heading)->text(), "IMPORTANT INFORMATION -- Please Read");
    EXPECT_EQ(dlg.Item<CStyledStatic>(Id::DisclaimerHeading)->text(), "DISCLAIMER");
    EXPECT_FALSE(dlg.windowIcon().isNull());
}

TEST(MainWindow, StyledHeadingsAreBlackAndCentred) {
    CRollCalcDlg dlg;
    dlg.Create();
    for (ControlId id : {Id::Version, Id::Heading, Id::DisclaimerHeading}) {
        auto* label = dlg.Item<CStyledStatic>(id);
        EXPECT_EQ(label->Colour(), QColor(0, 0, 0)) << id.value;
        EXPECT_EQ(label->TextAlignment(), Qt::AlignHCenter) << id.value;
        EXPECT_EQ(label->Weight(), QFont::Normal) << id.value;
        EXPECT_EQ(label->Underline(), id == Id::DisclaimerHeading) << id.value;
    }
}

TEST(MainWindow, DisclaimerIsOneUpperCaseParagraph) {
    CRollCalcDlg dlg;
    dlg.Create();
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

TEST(MainWindow, TabOrderAndFirstFocus) {
    CRollCalcDlg dlg;
    dlg.Create();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    EXPECT_EQ(QApplication::focusWidget(), dlg.GetDlgItem(Id::Close));
    const Id order[] = {Id::Disclaimer, Id::RollWeight, Id::RollDiameter, Id::KnifePositions,
                        Id::Close};
    for (ControlId id : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dlg.GetDlgItem(id)) << id.value;
    }
}

TEST(MainWindow, EnterRightAfterStartEndsIt) {
    CRollCalcDlg dlg;
    PressWhenModal(Qt::Key_Return);
    EXPECT_EQ(dlg.DoModal(), DialogCommand::Ok);
}

TEST(MainWindow, EscapeEndsIt) {
    CRollCalcDlg dlg;
    PressWhenModal(Qt::Key_Escape);
    EXPECT_EQ(dlg.DoModal(), DialogCommand::Cancel);
}

TEST(MainWindow, SystemMenuHasNoAboutEntry) {
    CRollCalcDlg dlg;
    dlg.Create();
    for (QAction* action : dlg.SystemMenu()->actions()) {
        EXPECT_FALSE(action->text().contains("About")) << action->text().toStdString();
    }
}

TEST(MainWindow, EveryFocusableControlHasAName) {
    CRollCalcDlg dlg;
    dlg.Create();
    for (QWidget* w : dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString();
    }
}

TEST(AboutBox, ShowsItsVersionAndAnOkButton) {
    CAboutDlg about;
    about.Create();
    EXPECT_EQ(about.windowTitle(), "About velmarch");
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.contains("velmarch Version 1.0"));
    EXPECT_EQ(about.Item<QPushButton>(AboutBoxId::Ok)->text(), "OK");
    EXPECT_TRUE(about.Item<QPushButton>(AboutBoxId::Ok)->isDefault());
    PressWhenModal(Qt::Key_Escape);
    about.hide();
    EXPECT_EQ(about.DoModal(), DialogCommand::Cancel);
}

TEST(MessageBox, IsCaptionedWithTheProgramName) {
    std::vector<MessageRecord> seen;
    SetMessageSink([&](const MessageRecord& r) { seen.push_back(r); });
    ShowMessageBox(nullptr, "Only one field can be zero!", MessageIcon::Stop);
    SetMessageSink({});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "gui_tests");
    EXPECT_EQ(seen[0].text, "Only one field can be zero!");
    EXPECT_EQ(seen[0].icon, MessageIcon::Stop);
}

// The real box for a question: a warning with Yes (the default) and No (Esc), its text copyable.
TEST(MessageBox, QuestionIsAWarningWithYesAndNo) {
    for (const auto& [key, answer] : {std::pair{Qt::Key_Return, MessageAnswer::Yes},
                                      std::pair{Qt::Key_Escape, MessageAnswer::No}}) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        Qt::TextInteractionFlags flags;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            buttons = box->standardButtons();
            flags = box->textInteractionFlags();
        });
        PressWhenModal(key);
        EXPECT_EQ(ShowMessageBox(nullptr, "Save?", MessageIcon::Warning, MessageButtons::YesNo),
                  answer);
        EXPECT_EQ(icon, QMessageBox::Warning);
        EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_TRUE(flags.testFlag(Qt::TextSelectableByMouse));
    }
}

TEST(MessageBox, UsesItsWindowsDialogFont) {
    CAboutDlg owner;
    owner.Create();
    QFont shown;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        shown = box->font();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    ShowMessageBox(&owner, "Only one field can be zero!", MessageIcon::Stop);
    EXPECT_EQ(shown, owner.font());
}

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

TEST(ProgramIcon, DrawsAsIfItsPicturesWereReadAtOnce) {
    // The icon reads its pictures on first use; each size must come out as from an icon built
    // from them straight away.
    QIcon eager;
    for (int size : {16, 32, 64, 256}) {
        eager.addFile(QStringLiteral(":/res/hicolor/%1.png").arg(size));
    }
    const QIcon icon = LoadAppIcon(IDR_MAINFRAME);
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), eager.availableSizes());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}, {256, 256}}));
    for (int size : {16, 20, 24, 32, 48, 64, 100, 256, 300}) {
        EXPECT_EQ(icon.actualSize(QSize(size, size)), eager.actualSize(QSize(size, size))) << size;
        EXPECT_EQ(icon.pixmap(size).toImage(), eager.pixmap(size).toImage()) << size;
        EXPECT_EQ(icon.pixmap(size, QIcon::Disabled).toImage(),
                  eager.pixmap(size, QIcon::Disabled).toImage())
            << size;
    }
    QImage drawn(40, 40, QImage::Format_ARGB32_Premultiplied);
    QImage expected = drawn;
    drawn.fill(Qt::transparent);
    expected.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        icon.paint(&painter, QRect(2, 3, 35, 30));
    }
    {
        QPainter painter(&expected);
        eager.paint(&painter, QRect(2, 3, 35, 30));
    }
    EXPECT_EQ(drawn, expected);
}

} // namespace
