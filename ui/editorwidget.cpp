// EditorWidget: the main text area's keys and font notification.
#include "ui/editorwidget.h"

#include <QKeyEvent>

namespace korvane {

EditorWidget::EditorWidget(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("Editor"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(2);
}

void EditorWidget::keyPressEvent(QKeyEvent* e)
{
    // The window's key handling has switched the typing mode already; the
    // keypad's Insert (Num Lock off) is the same key. Shift+Insert and
    // Ctrl+Insert go on to paste and copy.
    if (e->key() == Qt::Key_Insert && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void EditorWidget::changeEvent(QEvent* e)
{
    QPlainTextEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        emit LettertypeVeranderd();
}

} // namespace korvane
