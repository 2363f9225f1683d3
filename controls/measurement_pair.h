// Measurement pairs: two boxes showing one quantity in two units, brought into step when the user
// has changed one and leaves it. The box that lost the focus keeps its text exactly as typed, and
// a box merely passed through changes nothing.
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

    // Runs the pair's step as if the user had just changed and left `source`.
    void OnFocusLost(CNumEdit* source);

private:
    CMeasurementPair(CNumEdit* first, CNumEdit* second, bool clearing, double firstToSecond,
                     double secondToFirst);

    CNumEdit* first_;
    CNumEdit* second_;
    bool clearing_;
    double firstToSecond_;
    double secondToFirst_;
};
