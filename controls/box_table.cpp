#include "controls/box_table.h"

#include <QLabel>

#include "controls/measurement_pair.h"
#include "controls/num_edit.h"

void SetUpBoxes(const CDialog& dialog, std::span<const BoxSpec> boxes) {
    for (const BoxSpec& row : boxes) {
        auto* box = dialog.Item<CNumEdit>(row.id);
        box->SetFormat(row.format);
        if (row.typingLimit > 0) {
            box->SetTypingLimit(row.typingLimit);
        }
        box->setAccessibleName(row.name);
        box->setObjectName(ObjectNameFrom(row.name));
        if (auto* caption = dialog.Item<QLabel>(row.caption)) {
            caption->setBuddy(box);
        }
        box->ShowText(row.clearedText);
        auto* partner = dialog.Item<CNumEdit>(row.partner);
        if (row.pair == PairKind::Clearing) {
            CMeasurementPair::Clearing(box, partner);
        } else if (row.pair == PairKind::Direct) {
            CMeasurementPair::Direct(box, partner, row.toPartner, row.fromPartner);
        }
    }
}

void ClearBoxes(const CDialog& dialog, std::span<const BoxSpec> boxes) {
    for (const BoxSpec& row : boxes) {
        dialog.Item<CNumEdit>(row.id)->ShowText(row.clearedText);
    }
}

CMeasurementPair* PairOf(const CNumEdit* box) {
    // A pair is a child of its first box.
    return box->findChild<CMeasurementPair*>(QString(), Qt::FindDirectChildrenOnly);
}
