// The text area of the main window: a QPlainTextEdit that switches between
// inserting and overwriting on Insert.
#pragma once

#include <QPlainTextEdit>

namespace korvane {

class EditorWidget : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EditorWidget(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace korvane
