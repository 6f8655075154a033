// One panel of the main window's status bar: a fixed-width sunken frame with
// one line of text. Unlike a QLabel it never asks the status bar for a new
// layout when its text changes, so the caret position can be shown on every
// keystroke for the cost of repainting the panel alone.
#pragma once

#include <QFrame>
#include <QString>

namespace korvane {

class StatusVak : public QFrame {
    Q_OBJECT
public:
    StatusVak(int breedte, Qt::Alignment uitlijning, QWidget* parent = nullptr);

    QString text() const { return m_tekst; }
    void setText(const QString& tekst);
    Qt::Alignment alignment() const { return m_uitlijning; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_tekst;
    Qt::Alignment m_uitlijning;
};

} // namespace korvane
