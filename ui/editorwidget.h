// The text area of the main window: a QPlainTextEdit that switches between
// inserting and overwriting on Insert, and whose caret stands still on a
// line too long to redraw twice a second.
#pragma once

#include <QPlainTextEdit>

namespace korvane {

class EditorWidget : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EditorWidget(QWidget* parent = nullptr);
    ~EditorWidget() override;

    // Lines longer than this (in characters) get a caret that does not blink.
    static constexpr int langeRegel = 20000;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void WerkKnipperenBij();

    bool m_knipperenUit = false;
    int m_flitstijd = 0;   // the desktop's blink time, while ours is off
};

} // namespace korvane
