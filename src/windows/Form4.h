#pragma once

#include "TenCardWindow.h"
#include "shell/DesignUnits.h"

namespace quillmere {

// The Qabalistic window: ten cards in three columns as the tree of ten.
class Form4 final : public TenCardWindow {
    Q_OBJECT
public:
    static constexpr QSize ReferenceSize = DesignSize;

    explicit Form4(Shell &shell);

    void ccs_Click() { navigateTo(WindowKind::Celtic); }
};

} // namespace quillmere
