// Measurement pairs: two boxes showing one quantity in two units, brought into step when either
// loses the focus. The box that lost the focus keeps its text exactly as typed.
#pragma once

#include <QObject>

class CNumEdit;

// Shows the inch box's value in the mm box if it is positive, else the mm box's in the inch box
// if that is positive, else changes nothing.
void SyncInchMm(CNumEdit& inch, CNumEdit& mm);

class CMeasurementPair : public QObject {
    Q_OBJECT

public:
    // An inch/mm pair whose partner is zeroed first, so a source that is not positive clears it.
    static CMeasurementPair* Clearing(CNumEdit* inch, CNumEdit* mm);
    // partner = source x factor, whatever the source holds.
    static CMeasurementPair* Direct(CNumEdit* first, CNumEdit* second, double firstToSecond,
                                    double secondToFirst);

    // Runs the pair's step as if `source` had just lost the focus.
    void OnFocusLost(CNumEdit* source);
    // The same step for a source showing `value`, for a value whose text ("inf", "nan") does not
    // read back as it.
    void Carry(CNumEdit* source, double value);

private:
    CMeasurementPair(CNumEdit* first, CNumEdit* second, bool clearing, double firstToSecond,
                     double secondToFirst);

    CNumEdit* first_;
    CNumEdit* second_;
    bool clearing_;
    double firstToSecond_;
    double secondToFirst_;
};
