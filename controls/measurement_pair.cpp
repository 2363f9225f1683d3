#include "controls/measurement_pair.h"

#include "controls/num_edit.h"
#include "numbers/unit_factors.h"

void SyncInchMm(CNumEdit& inch, CNumEdit& mm) {
    const double inches = inch.GetValue();
    if (inches > 0.0) {
        mm.SetValue(inches * kMmPerInch);
        return;
    }
    const double millimetres = mm.GetValue();
    if (millimetres > 0.0) {
        inch.SetValue(millimetres * kInchesPerMm);
    }
}

CMeasurementPair::CMeasurementPair(CNumEdit* first, CNumEdit* second, bool clearing,
                                   double firstToSecond, double secondToFirst)
    : QObject(first), first_(first), second_(second), clearing_(clearing),
      firstToSecond_(firstToSecond), secondToFirst_(secondToFirst) {
    for (CNumEdit* box : {first_, second_}) {
        connect(box, &CNumEdit::lostFocus, this, [this, box] {
            if (box->EditedSinceFocus()) {
                OnFocusLost(box);
            }
        });
    }
}

CMeasurementPair* CMeasurementPair::Clearing(CNumEdit* inch, CNumEdit* mm) {
    return new CMeasurementPair(inch, mm, true, kMmPerInch, kInchesPerMm);
}

CMeasurementPair* CMeasurementPair::Direct(CNumEdit* first, CNumEdit* second, double firstToSecond,
                                           double secondToFirst) {
    return new CMeasurementPair(first, second, false, firstToSecond, secondToFirst);
}

void CMeasurementPair::OnFocusLost(CNumEdit* source) {
    CNumEdit* partner = source == first_ ? second_ : first_;
    if (clearing_) {
        // Deliberate: the partner is zeroed first, so an empty or negative source clears it.
        partner->SetValue(0.0);
        SyncInchMm(*first_, *second_);
        return;
    }
    const double factor = source == first_ ? firstToSecond_ : secondToFirst_;
    partner->SetValue(source->GetValue() * factor);
}
