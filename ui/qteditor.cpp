// QtEditor: the editor contract on a QPlainTextEdit.
#include "ui/qteditor.h"


#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace korvane {

QtEditor::QtEditor(QPlainTextEdit* widget, QWidget* paintRoot)
    : QObject(widget)
    , m_widget(widget)
    , m_paintRoot(paintRoot ? paintRoot : widget)
{
    m_widget->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(m_widget, &QPlainTextEdit::textChanged, this, &QtEditor::OnContentsChange);
    connect(m_widget->document(), &QTextDocument::contentsChange, this, &QtEditor::OnDocumentChange);
    OnDocumentChange(0, 0, m_widget->document()->characterCount());
}

void QtEditor::OnDocumentChange(int position, int, int added)
{
    // The edits of the contract report themselves (inside an edit block this
    // signal only comes at its end); this catches the user's typing, undo
    // and a text loaded into the widget.
    const QTextDocument* doc = m_widget->document();
    if (!m_ownEdit)
        m_allPairs = -1;
    if (position == 0 && added >= doc->characterCount() - 1) {
        m_pairs = false;
        m_allPairs = -1;
    }
    if (m_pairs) {
        const QTextBlock block = doc->findBlock(position);
        m_validPairs = std::min(m_validPairs, (block.isValid() ? block.blockNumber() : 0) + 1);
        return;
    }
    // Without pairs nothing is counted; once they come, counting starts over.
    m_validPairs = 0;
    if (added <= 16) {
        // A keystroke: look at what it added only, without copying its line.
        for (int p = position; p < position + added; ++p)
            if (doc->characterAt(p).isSurrogate())
                m_pairs = true;
        return;
    }
    for (QTextBlock block = doc->findBlock(position); block.isValid() && block.position() <= position + added;
         block = block.next()) {
        if (HeeftSurrogaat(block.text())) {
            m_pairs = true;
            break;
        }
    }
}

namespace {

int TelParen(QStringView tekst)
{
    int paren = 0;
    for (const QChar c : tekst)
        paren += c.isHighSurrogate();
    return paren;
}

} // namespace

void QtEditor::Edited(int firstBlock, QStringView inserted, QStringView removed)
{
    m_validPairs = std::min(m_validPairs, std::max(firstBlock, 0) + 1);
    if (!m_pairs && HeeftSurrogaat(inserted)) {
        m_pairs = true;
        m_allPairs = -1;
        m_validPairs = 0;
    }
    if (m_pairs && m_allPairs >= 0)
        m_allPairs += TelParen(inserted) - TelParen(removed);
}

int QtEditor::Pairs() const
{
    if (!m_pairs)
        return 0;
    if (m_allPairs < 0) {
        m_allPairs = 0;
        for (QTextBlock b = m_widget->document()->firstBlock(); b.isValid(); b = b.next())
            m_allPairs += TelParen(b.text());
    }
    return m_allPairs;
}

int QtEditor::PairsBefore(int k) const
{
    if (!m_pairs)
        return 0;
    const QTextDocument* doc = m_widget->document();
    const int blocks = doc->blockCount();
    k = std::clamp(k, 0, blocks);
    if (k < m_validPairs)
        return m_pairsBefore[static_cast<std::size_t>(k)];
    if (static_cast<int>(m_pairsBefore.size()) < blocks + 1)
        m_pairsBefore.resize(static_cast<std::size_t>(blocks) + 1);
    if (m_validPairs == 0) {
        m_pairsBefore[0] = 0;
        m_validPairs = 1;
    }
    QTextBlock block = doc->findBlockByNumber(m_validPairs - 1);
    for (int i = m_validPairs; i <= k; ++i, block = block.next()) {
        int pairs = 0;
        for (const QChar c : block.text())
            pairs += c.isHighSurrogate();
        m_pairsBefore[static_cast<std::size_t>(i)] = m_pairsBefore[static_cast<std::size_t>(i) - 1] + pairs;
    }
    m_validPairs = k + 1;
    return m_pairsBefore[static_cast<std::size_t>(k)];
}

int QtEditor::Start(int k) const
{
    return m_widget->document()->findBlockByNumber(k).position() + k - PairsBefore(k);
}

int QtEditor::ColumnToUnit(const QTextBlock& block, int column) const
{
    if (!m_pairs)
        return column;
    const QString text = block.text();
    int unit = 0;
    for (int c = 0; c < column && unit < text.size(); ++c)
        unit += text[unit].isHighSurrogate() && unit + 1 < text.size() ? 2 : 1;
    return unit;
}

int QtEditor::UnitToColumn(const QTextBlock& block, int unit) const
{
    if (!m_pairs)
        return unit;
    const QString text = block.text();
    int column = 0;
    for (int u = 0; u < unit && u < text.size(); ++column)
        u += text[u].isHighSurrogate() && u + 1 < text.size() ? 2 : 1;
    return column;
}

int QtEditor::Columns(const QTextBlock& block) const
{
    const int units = block.length() - 1;
    return m_pairs ? UnitToColumn(block, units) : units;
}

void QtEditor::OnContentsChange()
{
    if (m_locked) {
        m_pendingChange = true;
        return;
    }
    NotifyChange();
}

int QtEditor::OffsetOfPosition(int position) const
{
    const QTextBlock block = m_widget->document()->findBlock(position);
    if (!m_pairs)
        return position + block.blockNumber();
    return Start(block.blockNumber()) + UnitToColumn(block, position - block.position());
}

int QtEditor::PositionOfOffset(int offset) const
{
    const int line = LineFromOffset(offset);
    const QTextBlock block = m_widget->document()->findBlockByNumber(line);
    const int column = std::clamp(offset - LineStart(line), 0, Columns(block));
    return block.position() + ColumnToUnit(block, column);
}

QTextCursor QtEditor::Cursor() const
{
    return m_locked ? m_lockedCursor : m_widget->textCursor();
}

void QtEditor::SetCursor(const QTextCursor& cursor)
{
    if (m_locked)
        m_lockedCursor = cursor;
    else
        m_widget->setTextCursor(cursor);
}

int QtEditor::CaretOffset() const
{
    return OffsetOfPosition(Cursor().selectionStart());
}

int QtEditor::SelectionLength() const
{
    const QTextCursor c = Cursor();
    return OffsetOfPosition(c.selectionEnd()) - OffsetOfPosition(c.selectionStart());
}

void QtEditor::SetCaret(int offset)
{
    QTextCursor c(m_widget->document());
    c.setPosition(PositionOfOffset(std::clamp(offset, 0, TextLength())));
    SetCursor(c);
}

void QtEditor::SetSelectionLength(int n)
{
    QTextCursor c = Cursor();
    const int start = c.selectionStart();
    const int startOffset = OffsetOfPosition(start);
    const int end = PositionOfOffset(std::clamp(startOffset + std::max(n, 0), startOffset, TextLength()));
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    SetCursor(c);
    if (!m_locked)
        m_widget->ensureCursorVisible();
}

template <typename F> void QtEditor::EditOutsideHistory(F&& edit)
{
    QTextDocument* doc = m_widget->document();
    // QTextDocument cannot leave one edit out of its history, and replaying
    // the widget's undo onto text a command has changed since would corrupt
    // it, so the history goes.
    const bool undo = doc->isUndoRedoEnabled();
    if (undo)
        doc->setUndoRedoEnabled(false);
    m_ownEdit = true;
    edit();
    m_ownEdit = false;
    if (m_locked)
        m_lockedModified = true;
    if (undo && !m_locked)
        doc->setUndoRedoEnabled(true);
}

void QtEditor::ReplaceSelection(std::u32string_view text)
{
    EditOutsideHistory([&] {
        QTextCursor c = Cursor();
        const QString tekst = QTekst(text);
        Edited(m_widget->document()->findBlock(c.selectionStart()).blockNumber(), tekst,
               m_pairs ? QString(c.selectedText()) : QString());
        c.insertText(tekst);
        SetCursor(c);
    });
}

void QtEditor::PutLine(int i, std::u32string_view text)
{
    if (i < 0 || i >= m_widget->document()->blockCount())
        return;
    if (text.find_first_of(U"\r\n") != std::u32string_view::npos) {
        EditorOps::PutLine(i, text);
        return;
    }
    EditOutsideHistory([&] {
        const QTextBlock block = m_widget->document()->findBlockByNumber(i);
        // setPosition, not movePosition: moving by block lays the block out.
        QTextCursor c(m_widget->document());
        c.setPosition(block.position());
        c.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        const QString tekst = QTekst(text);
        Edited(i, tekst, m_pairs ? block.text() : QString());
        c.insertText(tekst);
        SetCursor(c);
    });
}

void QtEditor::ReplaceEach(const std::vector<int>& offsets, int length, std::u32string_view text)
{
    if (offsets.empty())
        return;
    QTextDocument* doc = m_widget->document();
    const QString nieuw = QTekst(text);

    // The edits, worked out in one walk down the blocks before anything
    // changes; a conversion per offset would search the blocks from the top
    // every time. Occurrences inside one stretch of a line in one format go
    // in as one edit with the text between them: a replacement takes the
    // format of the last character it replaces, which is that one format for
    // all of them, and a line holds one edit instead of dozens.
    struct Edit {
        int van, tot;
        QString tekst;
    };
    std::vector<Edit> edits;
    const int lengte = TextLength();
    QTextBlock block = doc->firstBlock();
    int positie = 0;  // of the block
    int begin = 0;    // its offset: a break before it counted as two
    int regel = 0;
    int kolommen = Columns(block);  // of the block, in characters
    const auto Positie = [&](int offset) {
        offset = std::clamp(offset, 0, lengte);
        for (QTextBlock next = block.next(); next.isValid() && begin + kolommen + 2 <= offset;
             next = block.next()) {
            positie += block.length();
            begin += kolommen + 2;
            block = next;
            kolommen = Columns(block);
            ++regel;
        }
        return positie + ColumnToUnit(block, std::clamp(offset - begin, 0, kolommen));
    };
    int gekeurdeRegel = -1;      // the line whose formats are known
    std::vector<int> runEinden;  // where each stretch of one format in it ends
    QString regelTekst;
    int groepRegel = -1;         // the line of the last edit, when more may join it
    const auto Stuk = [&runEinden](int waar) {
        return std::upper_bound(runEinden.begin(), runEinden.end(), waar) - runEinden.begin();
    };
    for (const int offset : offsets) {
        const int van = Positie(offset);
        const int regelVan = regel;
        const int tot = Positie(offset + length);
        const bool inRegel = regel == regelVan;
        if (inRegel && gekeurdeRegel != regel) {
            gekeurdeRegel = regel;
            regelTekst = block.text();
            runEinden.clear();
            int vorige = -1;
            for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                if (f.charFormatIndex() != vorige)
                    runEinden.push_back(0);
                runEinden.back() = f.position() + f.length();
                vorige = f.charFormatIndex();
            }
        }
        if (inRegel && groepRegel == regel && Stuk(edits.back().van) == Stuk(tot - 1)) {
            Edit& e = edits.back();
            e.tekst += QStringView(regelTekst).mid(e.tot - positie, van - e.tot);
            e.tekst += nieuw;
            e.tot = tot;
            continue;
        }
        edits.push_back({van, tot, nieuw});
        groepRegel = inRegel ? regel : -1;
    }

    Edited(doc->findBlock(edits.front().van).blockNumber(), nieuw, {});
    m_allPairs = -1;
    EditOutsideHistory([&] {
        // From the last to the first, so that the positions still ahead stay
        // where they were.
        QTextCursor c(doc);
        int einde = -1;
        for (auto e = edits.rbegin(); e != edits.rend(); ++e) {
            c.setPosition(e->van);
            c.setPosition(e->tot, QTextCursor::KeepAnchor);
            c.insertText(e->tekst);
            // The first edit is the last one in the text; each one before it
            // moves that end by what it added.
            einde = einde < 0 ? c.position() : einde + (c.position() - e->tot);
        }
        c.setPosition(einde);
        SetCursor(c);
    });
}

int QtEditor::LineFromOffset(int offset) const
{
    // Line k starts at offset position(k) + k; find the last line starting at
    // or before `offset`.
    const QTextDocument* doc = m_widget->document();
    int lo = 0;
    int hi = doc->blockCount() - 1;
    if (offset <= 0)
        return 0;
    if (m_pairs) {
        // Count the pairs only as far as the offset reaches: commands walk
        // down the document, and counting to its end after every edit would
        // make a line-by-line command quadratic.
        PairsBefore(0);
        while (m_validPairs <= hi && Start(m_validPairs - 1) <= offset)
            PairsBefore(m_validPairs);
        hi = std::min(hi, m_validPairs - 1);
    }
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (Start(mid) <= offset)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

int QtEditor::LineStart(int line) const
{
    const QTextDocument* doc = m_widget->document();
    if (line < 0 || line >= doc->blockCount())
        return -1;
    return Start(line);
}

int QtEditor::LineCount() const
{
    const QTextDocument* doc = m_widget->document();
    const int n = doc->blockCount();
    return doc->lastBlock().length() <= 1 ? n - 1 : n;
}

std::u32string QtEditor::GetLine(int i) const
{
    const QTextBlock block = m_widget->document()->findBlockByNumber(i);
    return block.isValid() ? Tekens(block.text()) : std::u32string();
}

void QtEditor::VisitLines(int from, int to,
                          const std::function<void(int, std::u32string_view)>& visit) const
{
    QTextBlock block = m_widget->document()->findBlockByNumber(from);
    std::u32string tekens;
    for (int i = from; i < to && block.isValid(); ++i, block = block.next()) {
        Tekens(block.text(), tekens);
        visit(i, tekens);
    }
}

int QtEditor::TextLength() const
{
    const QTextDocument* doc = m_widget->document();
    // characterCount() includes the final paragraph separator.
    return doc->characterCount() - 1 + (doc->blockCount() - 1) - Pairs();
}

bool QtEditor::CanUndo() const
{
    return m_widget->document()->isUndoAvailable();
}

void QtEditor::UndoLastEdit()
{
    m_validPairs = 0;
    m_allPairs = -1;
    m_widget->undo();
}

void QtEditor::ClearUndo()
{
    QTextDocument* doc = m_widget->document();
    doc->clearUndoRedoStacks();
}

void QtEditor::SelectAll()
{
    QTextCursor c(m_widget->document());
    c.select(QTextCursor::Document);
    SetCursor(c);
}

void QtEditor::FocusEditor()
{
    m_widget->setFocus();
}

void QtEditor::LockPainting()
{
    if (m_locked)
        return;
    m_locked = true;
    if (m_paintRoot) {
        m_updatesWereEnabled = m_paintRoot->updatesEnabled();
        m_paintRoot->setUpdatesEnabled(false);
    }
    QTextDocument* doc = m_widget->document();
    doc->setUndoRedoEnabled(false);
    // One edit block: the layout is brought up to date once, at the end.
    m_lockedCursor = m_widget->textCursor();
    m_blockCursor = QTextCursor(doc);
    m_blockCursor.beginEditBlock();
}

void QtEditor::UnlockPainting()
{
    if (!m_locked)
        return;
    m_blockCursor.endEditBlock();
    m_blockCursor = QTextCursor();
    m_widget->document()->setUndoRedoEnabled(true);
    m_locked = false;
    if (m_lockedModified)
        m_widget->document()->setModified(*m_lockedModified);
    m_lockedModified.reset();
    m_widget->setTextCursor(m_lockedCursor);
    m_lockedCursor = QTextCursor();
    if (m_paintRoot)
        m_paintRoot->setUpdatesEnabled(m_updatesWereEnabled);
    if (m_pendingChange) {
        m_pendingChange = false;
        NotifyChange();
    }
}

void QtEditor::SetBusyCursor(bool on)
{
    if (on)
        m_widget->viewport()->setCursor(Qt::WaitCursor);
    else
        m_widget->viewport()->setCursor(Qt::IBeamCursor);
}

bool QtEditor::Modified() const
{
    if (m_locked && m_lockedModified)
        return *m_lockedModified;
    return m_widget->document()->isModified();
}

void QtEditor::SetModified(bool modified)
{
    if (m_locked)
        m_lockedModified = modified;
    m_widget->document()->setModified(modified);
}

} // namespace korvane
