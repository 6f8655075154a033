// EditorWidget: the main text area's keys and font notification.
#include "ui/editorwidget.h"

#include <QKeyEvent>
#include <QTextCursor>

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
    const QString tekst = e->text();
    if (!tekst.isEmpty() && (tekst.front().isPrint() || tekst.front() == u'\t')) {
        // Overwriting removes a character and inserts one, which the document
        // would keep as two undo steps (undo once and the line is a character
        // short); and it would merge a run of typed characters into one step.
        // One edit block per keystroke makes every typed key one undo and one
        // redo step, in both modes.
        QTextCursor blok(document());
        blok.beginEditBlock();
        QPlainTextEdit::keyPressEvent(e);
        blok.endEditBlock();
        // The layout caught up only now; keep the caret in view after it.
        ensureCursorVisible();
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
