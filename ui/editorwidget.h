// The text area of the main window: a QPlainTextEdit that leaves Insert to
// the window (which switches its typing mode wherever the key is pressed),
// tells when its font changed, and whose caret stands still on a line too
// long to redraw twice a second.
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

signals:
    // The base font changed, by whichever command or load.
    void LettertypeVeranderd();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void WerkKnipperenBij();

    bool m_knipperenUit = false;
    int m_flitstijd = 0;   // the desktop's blink time, while ours is off
};

} // namespace korvane
