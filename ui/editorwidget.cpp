// EditorWidget: typing modes and shortcut hand-over of the main text area.
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

bool EditorWidget::event(QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (m_commandKeys.contains(ke->keyCombination())) {
            // Not accepting the override lets the window's shortcut run.
            e->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(e);
}

void EditorWidget::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Insert && e->modifiers() == Qt::NoModifier) {
        setOverwriteMode(!overwriteMode());
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

} // namespace korvane
