// The text area of the main window: a QPlainTextEdit that leaves Insert to
// the window (which switches its typing mode wherever the key is pressed)
// and tells when its font changed.
#pragma once

#include <QPlainTextEdit>

namespace korvane {

class EditorWidget : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EditorWidget(QWidget* parent = nullptr);

signals:
    // The base font changed, by whichever command or load.
    void LettertypeVeranderd();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
};

} // namespace korvane
