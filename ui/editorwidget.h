// The text area of the main window: a QPlainTextEdit that switches between
// inserting and overwriting on Insert, and that leaves the window's command
// shortcuts (Ctrl+Z, Ctrl+C, ...) to the window instead of using them itself.
#pragma once

#include <QKeyCombination>
#include <QPlainTextEdit>
#include <QSet>

namespace korvane {

class EditorWidget : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EditorWidget(QWidget* parent = nullptr);

    // Keys the window's commands own; the widget never claims them.
    void SetCommandKeys(QSet<QKeyCombination> keys) { m_commandKeys = std::move(keys); }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QSet<QKeyCombination> m_commandKeys;
};

} // namespace korvane
