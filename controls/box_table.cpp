#include "controls/box_table.h"

#include "controls/measurement_pair.h"
#include "controls/num_edit.h"

void SetUpBoxes(const CDialog& dialog, std::span<const BoxSpec> boxes) {
    for (const BoxSpec& spec : boxes) {
        auto* box = dialog.Item<CNumEdit>(spec.id);
        box->SetFormat(spec.format);
        if (spec.typingLimit > 0) {
            box->SetTypingLimit(spec.typingLimit);
        }
        box->setAccessibleName(spec.name);
        box->setText(spec.clearedText);
        auto* partner = dialog.Item<CNumEdit>(spec.partner);
        if (spec.pair == PairKind::Clearing) {
            CMeasurementPair::Clearing(box, partner);
        } else if (spec.pair == PairKind::Direct) {
            CMeasurementPair::Direct(box, partner, spec.toPartner, spec.fromPartner);
        }
    }
}

void ClearBoxes(const CDialog& dialog, std::span<const BoxSpec> boxes) {
    for (const BoxSpec& spec : boxes) {
        dialog.Item<CNumEdit>(spec.id)->setText(spec.clearedText);
    }
}

CMeasurementPair* PairOf(const CNumEdit* box) {
    // A pair is a child of its first box.
    return box->findChild<CMeasurementPair*>(QString(), Qt::FindDirectChildrenOnly);
}
