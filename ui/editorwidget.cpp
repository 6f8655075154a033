// EditorWidget: the main text area's keys, its font notification and its caret.
#include "ui/editorwidget.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <QStyleHints>
#include <QTextBlock>

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
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &EditorWidget::WerkKnipperenBij);
    connect(this, &QPlainTextEdit::textChanged, this, &EditorWidget::WerkKnipperenBij);
}

EditorWidget::~EditorWidget()
{
    if (m_knipperenUit)
        QGuiApplication::styleHints()->setCursorFlashTime(m_flitstijd);
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

void EditorWidget::focusInEvent(QFocusEvent* e)
{
    QPlainTextEdit::focusInEvent(e);
    WerkKnipperenBij();
}

void EditorWidget::focusOutEvent(QFocusEvent* e)
{
    QPlainTextEdit::focusOutEvent(e);
    WerkKnipperenBij();
}

// Each blink places the caret on its line again (QTextLine::cursorToX), and
// the line's layout dropped its shaped glyphs at the last paint, so Qt
// itemizes and shapes the whole line anew: on a line of megabytes that is
// seconds of work twice a second with nothing changed. On such a line the
// caret stands still. The blink time is the application's; only the focused
// editor shows a caret, so it is switched off only while that caret is here,
// and given back as soon as it leaves the line or the editor.
void EditorWidget::WerkKnipperenBij()
{
    const bool lang = hasFocus() && textCursor().block().length() > langeRegel;
    QStyleHints* hints = QGuiApplication::styleHints();
    if (lang && !m_knipperenUit) {
        m_flitstijd = hints->cursorFlashTime();
        m_knipperenUit = true;
        hints->setCursorFlashTime(0);
    } else if (!lang && m_knipperenUit) {
        m_knipperenUit = false;
        hints->setCursorFlashTime(m_flitstijd);
    }
}

} // namespace korvane
