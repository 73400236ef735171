#pragma once

#include "TenCardWindow.h"

namespace quillmere {

// The Celtic Cross window: a cross of six cards with a column of four beside
// it. Slot 2 lies across slot 1, in front of it, and takes the mouse where the
// two overlap.
class Form3 final : public TenCardWindow {
    Q_OBJECT
public:
    static constexpr QSize ReferenceSize{792, 554};

    explicit Form3(Shell &shell);

    void qts_Click() { navigateTo(WindowKind::Qabalistic); }
};

} // namespace quillmere
