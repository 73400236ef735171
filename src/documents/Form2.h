#pragma once

#include "shell/DesignUnits.h"

#include <QWidget>

class QPlainTextEdit;

namespace quillmere {

class ProportionalLayout;

// The Information window: "about.txt" in a read-only pane, no menu bar, an
// ordinary resizable frame. It is read once each time the window is loaded.
class Form2 final : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize ReferenceSize = DesignSize;

    Form2();

    void Form_Load();

    QPlainTextEdit *Text1;

    ProportionalLayout *proportionalLayout() const { return m_layout; }

private:
    ProportionalLayout *m_layout;
};

} // namespace quillmere
