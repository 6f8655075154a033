// The window in both languages: the language chosen on the command line
// reaches the menus, every command has English words, shortcuts stay the
// same and no menu offers one accelerator twice.
#include "common/scriptedprompter.h"
#include "files/qstringprinter.h"

#include "files/taal.h"
#include "ui/commandtable.h"
#include "ui/editorwidget.h"
#include "ui/linefont.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

namespace korvane::test {
namespace {

// The letter after a single "&", lower case; none for "&&" or no "&".
QChar Accelerator(const QString& tekst)
{
    for (qsizetype i = 0; i + 1 < tekst.size(); ++i) {
        if (tekst[i] != u'&')
            continue;
        if (tekst[i + 1] == u'&') {
            ++i;
            continue;
        }
        return tekst[i + 1].toLower();
    }
    return {};
}

// Every accelerator that occurs more than once among `acties`.
QStringList Dubbel(const QList<QAction*>& acties)
{
    QStringList dubbel;
    QString gezien;
    for (const QAction* a : acties) {
        if (a->isSeparator())
            continue;
        const QChar c = Accelerator(a->text());
        if (c.isNull())
            continue;
        if (gezien.contains(c))
            dubbel << a->text();
        gezien += c;
    }
    return dubbel;
}

struct TaalRij {
    const char* taal;
    // The File menu's first items as the menu shows them, and the menu bar's
    // first title.
    std::vector<const char*> bestandsmenu;
    const char* bestandTitel;
    // Qt's own dialogs: the standard Cancel button.
    const char* qtAnnuleren;
    // A message from core and a question from files/, through the prompter.
    const char* standaardStemming;
    const char* opslaanVraag;
};

class Taal : public ::testing::TestWithParam<TaalRij> {
protected:
    void SetUp() override
    {
        static const QString font =
            RegisterLineFontFrom({QFileInfo(QStringLiteral(KORVANE_FONT_FILE)).absolutePath()});
        ASSERT_FALSE(font.isEmpty());
        // As main() does: the option out of argv, then the language installed.
        QByteArray programma("korvane"), optie("--lang"), code(GetParam().taal);
        char* argv[] = {programma.data(), optie.data(), code.data(), nullptr};
        int argc = 3;
        InstalleerTaal(TaalVoorStart(TaalOptie(argc, argv)));
        ASSERT_EQ(argc, 1);
        ASSERT_TRUE(dir.isValid());
        w = std::make_unique<TForm1>(prompter, OpstartGegevens{{}, dir.path() + u'/'});
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    void TearDown() override
    {
        w.reset();
        // The other tests expect the Dutch of the C locale.
        InstalleerTaal(QStringLiteral("nl"));
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> w;
};

TEST_P(Taal, TheFileMenuOpensWithTheCaptionsOfTheChosenLanguage)
{
    QMenuBar* balk = w->menuBar();
    QAction* bestand = balk->actions().value(0);
    ASSERT_TRUE(bestand);
    EXPECT_EQ(bestand->text(), QString::fromUtf8(GetParam().bestandTitel));
    QTest::mouseClick(balk, Qt::LeftButton, {}, balk->actionGeometry(bestand).center());
    QMenu* menu = w->menu(Menu::Bestand);
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    QStringList getoond;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator() && a->isVisible())
            getoond << a->text();
    for (const char* verwacht : GetParam().bestandsmenu)
        EXPECT_TRUE(getoond.contains(QString::fromUtf8(verwacht))) << verwacht << " not in " << getoond.join(u'|').toStdString();
    menu->close();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(GetParam().qtAnnuleren));
}

TEST_P(Taal, MessagesAndQuestionsThroughThePrompterSpeakIt)
{
    w->ComboBox1->setEditText(QStringLiteral("EADGBE"));
    w->action(QStringLiteral("Minbutton"))->trigger();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], GetParam().standaardStemming);

    w->Editor->setFocus();
    QTest::keyClicks(w->Editor, QStringLiteral("x"));
    prompter.answers = {Answer::Cancel};
    w->action(QStringLiteral("New1"))->trigger();
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].text, GetParam().opslaanVraag);
}

TEST_P(Taal, NoMenuOffersOneAcceleratorTwiceAndTheShortcutsStayTheSame)
{
    EXPECT_EQ(Dubbel(w->menuBar()->actions()), QStringList());
    for (int m = 0; m < aantalMenus; ++m)
        EXPECT_EQ(Dubbel(w->menu(static_cast<Menu>(m))->actions()), QStringList()) << m;
    EXPECT_EQ(Dubbel(w->menu(Menu::Popup)->actions()), QStringList());
    for (const Commando& c : CommandoTabel()) {
        if (!c.menuItem || !*c.shortcut || QByteArray(c.menuItem) == "-")
            continue;
        const QAction* a = w->action(QString::fromLatin1(c.menuItem));
        ASSERT_TRUE(a) << c.menuItem;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(c.shortcut), QKeySequence::PortableText))
            << c.menuItem;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Talen, Taal,
    ::testing::Values(TaalRij{"en", {"&New", "&Open", "Save", "Print preview", "Save as", "Exit"}, "&File", "Cancel",
                              "The standard tuning (EADGBE) cannot be deleted.", "Save changes to naamloos.tab?"},
                      TaalRij{"nl",
                              {"&Nieuw", "Wizard nieuwe tab", "&Openen", "Opslaan", "Opslaan als", "Afdrukken",
                               "Afdrukvoorbeeld", "Exporteren…", "Afsluiten"},
                              "&Bestand", "Annuleren", "Standaard stemming (EADGBE) kan niet worden gewist.",
                              "Veranderingen in naamloos.tab opslaan ?"}));

// Every caption and hint of the command table, and the menu titles, have
// English words in the built catalogue (a translator answers nothing for a
// text it does not hold).
TEST(EngelseCommandoTabel, EveryCaptionHintAndMenuTitleIsTranslated)
{
    QTranslator engels;
    ASSERT_TRUE(engels.load(QStringLiteral(":/i18n/korvane_en.qm")));
    QStringList zonder;
    auto kijk = [&](const char* tekst) {
        if (tekst && QByteArray(tekst) != "-" && engels.translate("Commando", tekst).isEmpty())
            zonder << QString::fromUtf8(tekst);
    };
    for (const Commando& c : CommandoTabel()) {
        kijk(c.caption);
        kijk(c.hint);
    }
    for (const char* titel : menuTitels)
        kijk(titel);
    EXPECT_EQ(zonder, QStringList());
}

} // namespace
} // namespace korvane::test
