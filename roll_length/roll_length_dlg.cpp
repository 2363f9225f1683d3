#include "roll_length/roll_length_dlg.h"

#include <QPushButton>

#include "controls/link_static.h"
#include "controls/measurement_pair.h"
#include "controls/num_edit.h"
#include "controls/styled_static.h"
#include "numbers/unit_factors.h"
#include "platform/message_box.h"
#include "platform/print_report.h"
#include "platform/resources.h"
#include "res/templates.h"
#include "roll_length/roll_length_solver.h"

namespace {

constexpr int kFirstBox = 1001;
constexpr int kTypingLimit = 12;

constexpr const char* kBoxNames[] = {
    "Roll Length, feet",          "Roll Length, meters",    "Core Diameter, inches",
    "Core Diameter, mm",          "Roll Diameter, inches",  "Roll Diameter, mm",
    "Material Thickness, inches", "Material Thickness, mm",
};

// The maker's addresses sit on a reserved domain so that no real party is ever contacted.
struct Link {
    int id;
    int kind; // 1 web, 0 mail
    const char* target;
    const char* caption;
};
constexpr Link kLinks[] = {
    {1011, 1, "www.velmarch.example", "Visit Velmarch Online"},
    {1012, 0, "sales@velmarch.example", "Contact The Velmarch Sales Team"},
    {1013, 0, "engineering@velmarch.example", "Contact The Velmarch Engineering Team"},
    {1014, 0, "service@velmarch.example", "Contact The Velmarch Customer Service Team"},
};

const char* StartText(int id) {
    return id <= 1002 ? "0.000" : "0.0000";
}

} // namespace

CRollLengthDlg::CRollLengthDlg(QWidget* owner)
    : CDialog(RollLengthTemplate(), owner), icon_(LoadAppIcon(IDR_MAINFRAME)) {}

CNumEdit* CRollLengthDlg::Box(int id) const {
    return boxes_[static_cast<std::size_t>(id - kFirstBox)];
}

RollLengthFigures CRollLengthDlg::Figures() const {
    return {Box(1001)->GetValue(), Box(1002)->GetValue(), Box(1003)->GetValue(),
            Box(1004)->GetValue(), Box(1005)->GetValue(), Box(1006)->GetValue(),
            Box(1007)->GetValue(), Box(1008)->GetValue()};
}

bool CRollLengthDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    printStep_ = Item<CStyledStatic>(1055);
    enterStep_ = Item<CStyledStatic>(1054);

    for (int i = 0; i < static_cast<int>(boxes_.size()); ++i) {
        const int id = kFirstBox + i;
        CNumEdit* box = Item<CNumEdit>(id);
        boxes_[static_cast<std::size_t>(i)] = box;
        box->SetTypingLimit(kTypingLimit);
        if (id <= 1002) {
            box->SetFormat("%4.3f");
        }
        box->setText(StartText(id));
        box->setAccessibleName(kBoxNames[i]);
    }
    // Feet and metres overwrite each other whatever they hold; the inch/mm pairs zero the
    // partner first, so a source that is not positive clears it.
    lengthPair_ = CMeasurementPair::Direct(Box(1001), Box(1002), kMetersPerFoot, kFeetPerMeter);
    corePair_ = CMeasurementPair::Clearing(Box(1003), Box(1004));
    rollPair_ = CMeasurementPair::Clearing(Box(1005), Box(1006));
    thicknessPair_ = CMeasurementPair::Clearing(Box(1007), Box(1008));

    requiredNote_ = Item<CStyledStatic>(1009);
    coreLabel_ = Item<CStyledStatic>(1010);
    requiredNote_->SetColour(QColor(128, 0, 0));
    requiredNote_->SetWeight(QFont::Bold);
    coreLabel_->SetColour(QColor(128, 0, 0));
    coreLabel_->SetTextAlignment(Qt::AlignRight);
    coreLabel_->SetWeight(QFont::Bold);

    for (std::size_t i = 0; i < links_.size(); ++i) {
        links_[i] = Item<CLinkStatic>(kLinks[i].id);
        links_[i]->SetLinkStyle(kLinks[i].kind);
        links_[i]->SetTarget(kLinks[i].target, kLinks[i].caption);
    }

    if (Template().style & kSysMenu) {
        const QString about = LoadAppString(IDS_ABOUTBOX);
        if (!about.isEmpty()) {
            AppendSystemMenuSeparator();
            AppendSystemMenuItem(IDM_ABOUTBOX, about);
        }
    }

    setWindowIcon(icon_);

    connect(Item<QPushButton>(1000), &QPushButton::clicked, this, &CRollLengthDlg::OnPrint);
    connect(Item<QPushButton>(1052), &QPushButton::clicked, this, &CRollLengthDlg::OnClearAll);
    return true;
}

void CRollLengthDlg::OnOK() {
    // Only the inch-based boxes feed the solver; a metric box counts once it has been left.
    const RollLengthResult result = SolveRollLength(Box(1001)->GetValue(), Box(1003)->GetValue(),
                                                    Box(1005)->GetValue(), Box(1007)->GetValue());
    int solvedId = 0;
    CMeasurementPair* pair = nullptr;
    switch (result.outcome) {
    case RollLengthOutcome::LengthSolved:
        solvedId = 1001;
        pair = lengthPair_;
        break;
    case RollLengthOutcome::ThicknessSolved:
        solvedId = 1007;
        pair = thicknessPair_;
        break;
    case RollLengthOutcome::DiameterSolved:
        solvedId = 1005;
        pair = rollPair_;
        break;
    case RollLengthOutcome::NoUnknown:
    case RollLengthOutcome::NotSolvable:
        ShowMessageBox(this, RollLengthMessage(result.outcome), MessageIcon::Stop);
        return;
    }
    Box(solvedId)->SetValue(result.value);
    // The partner is converted from the exact result, as if the user had left the box.
    pair->OnFocusLost(Box(solvedId));
    GetDlgItem(1000)->setEnabled(true);
}

void CRollLengthDlg::OnClearAll() {
    for (int i = 0; i < static_cast<int>(boxes_.size()); ++i) {
        Box(kFirstBox + i)->setText(StartText(kFirstBox + i));
    }
}

void CRollLengthDlg::OnPrint() {
    PrintReport(this, kRollReportDocument, [figures = Figures()](const PrintSurfaceSource& p) {
        return PrintRollLengthReport(figures, p);
    });
}

void CRollLengthDlg::OnSysCommand(unsigned command) {
    if ((command & 0xFFF0u) == IDM_ABOUTBOX) {
        if (aboutAction_) {
            aboutAction_(this);
        }
        return;
    }
    CDialog::OnSysCommand(command);
}
