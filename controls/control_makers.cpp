#include "controls/control_makers.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTableView>
#include <QTextEdit>

#include "controls/focus_frame.h"
#include "controls/link_static.h"
#include "controls/num_edit.h"
#include "controls/styled_static.h"
#include "platform/resources.h"

namespace {

QString Caption(const ControlTemplate& c) {
    return QString::fromStdString(c.caption);
}

// What a screen reader says for a caption: its text without the mnemonic marks.
QString WithoutMnemonic(const std::string& caption) {
    QString text = QString::fromStdString(caption);
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
        }
        out += text[i];
    }
    return out;
}

// A frame of two lines, dark and light, with its caption on the top edge, leaving the inside to
// the controls it frames (a style's own group box fills and insets it).
class EtchedGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(frame.adjusted(1, 1, 0, 0));
        const QString text = title().remove('&');
        if (!text.isEmpty()) {
            const QRect caption(metrics.averageCharWidth() + 2, 0,
                                metrics.horizontalAdvance(text) + 4, metrics.height());
            painter.fillRect(caption, palette().color(QPalette::Window));
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(caption, Qt::AlignCenter, text);
        }
    }
};

QWidget* MakePushButton(const ControlTemplate& c, CDialog& dialog) {
    auto* button = new FocusButton(Caption(c), &dialog);
    button->setAutoDefault(false);
    button->setDefault(c.kind == ControlKind::DefPushButton);
    button->setAccessibleName(WithoutMnemonic(c.caption));
    const ControlId id = c.id;
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, id] {
        if (id == DialogCommand::Ok) {
            dialog.accept();
        } else if (id == DialogCommand::Cancel) {
            dialog.reject();
        }
    });
    return button;
}

QWidget* MakeCheckBox(const ControlTemplate& c, CDialog& dialog) {
    auto* box = new QCheckBox(Caption(c), &dialog);
    box->setAccessibleName(WithoutMnemonic(c.caption));
    return box;
}

QWidget* MakeGroupBox(const ControlTemplate& c, CDialog& dialog) {
    auto* group = new EtchedGroupBox(Caption(c), &dialog);
    group->setFocusPolicy(Qt::NoFocus);
    // A frame lets clicks through to what lies beneath it.
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
    group->setAccessibleName(WithoutMnemonic(c.caption));
    return group;
}

QWidget* MakeLabel(const ControlTemplate& c, CDialog& dialog) {
    auto* label = new QLabel(&dialog);
    label->setTextFormat(Qt::PlainText);
    label->setText((c.style & kNoPrefix) ? Caption(c) : WithoutMnemonic(c.caption));
    label->setAlignment(CDialog::TemplateAlignment(c.style) | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAccessibleName(label->text());
    return label;
}

QWidget* MakeStyledLabel(const ControlTemplate& c, CDialog& dialog) {
    auto* label = new CStyledStatic(&dialog);
    label->setText(Caption(c));
    return label;
}

QWidget* MakeLinkLabel(const ControlTemplate& c, CDialog& dialog) {
    auto* link = new CLinkStatic(&dialog);
    link->SetTextAlignment(CDialog::TemplateAlignment(c.style));
    link->setText(Caption(c));
    return link;
}

QWidget* MakeMultilineEdit(const ControlTemplate& c, CDialog& dialog) {
    auto* edit = new FocusFramed<QTextEdit>(&dialog);
    edit->setReadOnly((c.style & kReadOnly) != 0);
    edit->setAcceptRichText(false);
    // Only a hair of space around the text, so that the disclaimer fits its box.
    edit->document()->setDocumentMargin(2);
    edit->setTabChangesFocus(true);
    edit->setFrameShape((c.style & kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A scroll bar when the text does not fit, so that all of it can be reached.
    edit->setVerticalScrollBarPolicy((c.style & kAutoVScroll) ? Qt::ScrollBarAsNeeded
                                                              : Qt::ScrollBarAlwaysOff);
    edit->setProperty("alignment", static_cast<int>(CDialog::TemplateAlignment(c.style)));
    edit->setAutoFillBackground(false);
    edit->viewport()->setAutoFillBackground(false);
    return edit;
}

QWidget* MakeEdit(const ControlTemplate& c, CDialog& dialog) {
    if (c.style & kMultiline) {
        return MakeMultilineEdit(c, dialog);
    }
    auto* edit = new QLineEdit(&dialog);
    edit->setReadOnly((c.style & kReadOnly) != 0);
    edit->setFrame((c.style & kBorder) != 0);
    return edit;
}

QWidget* MakeNumEdit(const ControlTemplate&, CDialog& dialog) {
    auto* edit = new CNumEdit(&dialog);
    edit->setFrame(true);
    return edit;
}

QWidget* MakePicture(const ControlTemplate& c, CDialog& dialog) {
    auto* picture = new QLabel(&dialog);
    picture->setProperty("picture", true);
    picture->setFocusPolicy(Qt::NoFocus);
    if (c.style & kIcon) {
        picture->setPixmap(LoadAppIconImage(c.resource, 32, dialog.devicePixelRatioF()));
        picture->setFixedSize(32, 32); // an icon keeps its size, whatever its rectangle
        picture->setAccessibleName("Icon");
        return picture;
    }
    picture->setPixmap(LoadAppBitmap(c.resource, dialog.devicePixelRatioF()));
    picture->setAlignment((c.style & kCenterImage) ? Qt::AlignCenter
                                                   : Qt::AlignLeft | Qt::AlignTop);
    if (c.style & (kSunken | kClientEdge)) {
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    } else if (c.style & kBorder) {
        picture->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    picture->setAccessibleName("Velmarch banner");
    return picture;
}

// A table rather than a tree: a tree view lays every row out again whenever rows are inserted, a
// table with one fixed row height takes on just the new ones, so a long list stays quick to grow.
QWidget* MakeListView(const ControlTemplate& c, CDialog& dialog) {
    auto* view = new FocusFramed<QTableView>(&dialog);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->setTabKeyNavigation(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView* rows = view->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(QFontMetrics(dialog.font()).height() + 4);
    QHeaderView* columns = view->horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    columns->setSectionsClickable((c.style & kNoSortHeader) == 0);
    columns->setSectionsMovable(false);
    return view;
}

} // namespace

const ControlMakers& StandardControlMakers() {
    // In the order of ControlKind.
    static const ControlMakers makers = {
        MakePushButton, MakePushButton, MakeCheckBox, MakeGroupBox, MakeLabel,    MakeStyledLabel,
        MakeLinkLabel,  MakeEdit,       MakeNumEdit,  MakePicture,  MakeListView,
    };
    return makers;
}
