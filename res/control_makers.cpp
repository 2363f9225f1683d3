#include "res/control_makers.h"

#include "controls/link_static.h"
#include "controls/num_edit.h"
#include "controls/styled_static.h"
#include "platform/dialog.h"

namespace {

QWidget* MakeStyledLabel(const ControlTemplate& c, QWidget* parent) {
    auto* label = new CStyledStatic(parent);
    label->setText(QString::fromStdString(c.caption));
    return label;
}

QWidget* MakeLinkLabel(const ControlTemplate& c, QWidget* parent) {
    auto* link = new CLinkStatic(parent);
    link->SetTextAlignment(CDialog::TemplateAlignment(c.style));
    link->setText(QString::fromStdString(c.caption));
    return link;
}

QWidget* MakeNumEdit(const ControlTemplate&, QWidget* parent) {
    auto* edit = new CNumEdit(parent);
    edit->setFrame(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

} // namespace

DialogTemplate WithControlMakers(DialogTemplate tmpl) {
    for (ControlTemplate& c : tmpl.controls) {
        switch (c.kind) {
        case ControlKind::StyledLabel:
            c.make = MakeStyledLabel;
            break;
        case ControlKind::LinkLabel:
            c.make = MakeLinkLabel;
            break;
        case ControlKind::NumEdit:
            c.make = MakeNumEdit;
            break;
        default:
            break;
        }
    }
    return tmpl;
}
