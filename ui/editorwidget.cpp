// EditorWidget: the typing modes of the main text area.
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
    if (e->key() == Qt::Key_Insert && e->modifiers() == Qt::NoModifier) {
        setOverwriteMode(!overwriteMode());
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
