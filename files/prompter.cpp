// The real dialogs behind the Prompter.
#include "files/prompter.h"

#include <QCoreApplication>
#include <QAbstractPrintDialog>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace korvane {

void QtPrompter::Beep(Sound)
{
    // The desktop offers one bell; the three system sounds share it.
    QApplication::beep();
}

void QtPrompter::Message(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Korvane"), QString::fromStdString(text),
                    QMessageBox::NoButton, m_parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

Answer QtPrompter::Ask(DialogKind kind, const std::string& text, Buttons buttons)
{
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (kind) {
    case DialogKind::Confirmation: caption = QCoreApplication::translate("Prompter", "Bevestigen"); icon = QMessageBox::Question; break;
    case DialogKind::Warning: caption = QCoreApplication::translate("Prompter", "Waarschuwing"); icon = QMessageBox::Warning; break;
    case DialogKind::Error: caption = QCoreApplication::translate("Prompter", "Fout"); icon = QMessageBox::Critical; break;
    case DialogKind::Information: caption = QCoreApplication::translate("Prompter", "Informatie"); icon = QMessageBox::Information; break;
    }
    QMessageBox box(icon, caption, QString::fromStdString(text), QMessageBox::NoButton, m_parent);
    QAbstractButton* ja = nullptr;
    QAbstractButton* nee = nullptr;
    QAbstractButton* ok = nullptr;
    QAbstractButton* annuleren = nullptr;
    if (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) {
        ja = box.addButton(QCoreApplication::translate("Prompter", "&Ja"), QMessageBox::YesRole);
        nee = box.addButton(QCoreApplication::translate("Prompter", "&Nee"), QMessageBox::NoRole);
    }
    if (buttons == Buttons::Ok || buttons == Buttons::OkCancel)
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    if (buttons == Buttons::YesNoCancel || buttons == Buttons::OkCancel) {
        annuleren = box.addButton(QCoreApplication::translate("Prompter", "Annuleren"), QMessageBox::RejectRole);
        box.setEscapeButton(annuleren);
    } else if (nee) {
        box.setEscapeButton(nee);
    }
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == ja)
        return Answer::Yes;
    if (clicked && clicked == nee)
        return Answer::No;
    if (clicked && clicked == ok)
        return Answer::Ok;
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

QString QtPrompter::OpenFileName(FileDialogRequest& r)
{
    QString selected = r.filters.value(r.filterIndex);
    const QString name = QFileDialog::getOpenFileName(m_parent, r.title, r.directory,
                                                      r.filters.join(QStringLiteral(";;")), &selected);
    r.filterIndex = std::max<qsizetype>(0, r.filters.indexOf(selected));
    return name;
}

QString QtPrompter::SaveFileName(FileDialogRequest& r)
{
    QFileDialog dialog(m_parent, r.title, r.directory);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The program asks itself before it replaces a file, in Dutch and
    // through the prompter; Qt's dialog must not ask a second time.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(r.filters);
    if (r.filterIndex >= 0 && r.filterIndex < r.filters.size())
        dialog.selectNameFilter(r.filters.at(r.filterIndex));
    if (!r.fileName.isEmpty())
        dialog.selectFile(r.fileName);
    if (!r.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(r.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    r.filterIndex = std::max<qsizetype>(0, r.filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().constFirst();
}

QString QtPrompter::ExistingDirectory(const QString& title, const QString& start)
{
    return QFileDialog::getExistingDirectory(m_parent, title, start);
}

std::optional<QString> QtPrompter::GetText(const QString& title, const QString& label, const QString& text)
{
    bool ok = false;
    const QString result = QInputDialog::getText(m_parent, title, label, QLineEdit::Normal, text, &ok);
    if (!ok)
        return std::nullopt;
    return result;
}

std::optional<QFont> QtPrompter::ChooseFont(const QFont& initial, bool fixedPitchOnly)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(
        &ok, initial, m_parent, QString(),
        fixedPitchOnly ? QFontDialog::MonospacedFonts : QFontDialog::FontDialogOptions());
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtPrompter::ChooseColor(const QColor& initial)
{
    const QColor color = QColorDialog::getColor(initial, m_parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

bool QtPrompter::PrintDialog(QPrinter& printer, PrintDialogRequest& r)
{
    QPrintDialog dialog(&printer, m_parent);
    // Printing to a file stays offered: without it the dialog drops a PDF
    // destination, and a system without printers could not print at all.
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile |
        QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize;
    if (r.allowSelection)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    dialog.setMinMax(r.minPage, r.maxPage);
    if (r.selectionOnly)
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    else if (r.fromPage > 0) {
        dialog.setFromTo(r.fromPage, r.toPage);
        dialog.setPrintRange(QAbstractPrintDialog::PageRange);
    } else {
        // All pages, with the range fields showing the whole document.
        if (r.minPage <= r.maxPage)
            dialog.setFromTo(r.minPage, r.maxPage);
        dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    r.selectionOnly = dialog.printRange() == QAbstractPrintDialog::Selection;
    if (dialog.printRange() == QAbstractPrintDialog::PageRange) {
        r.fromPage = dialog.fromPage();
        r.toPage = dialog.toPage();
    } else {
        r.fromPage = r.toPage = 0;
    }
    return true;
}

bool QtPrompter::PrinterSetup(QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

int Prompter::ExecDialog(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace korvane
