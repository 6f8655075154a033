// The file commands, start-up and shut-down on the real main window, with
// real settings files and documents in a temporary program folder.
#include "common/scriptedprompter.h"

#include "files/documentfiles.h"
#include "ui/editorwidget.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace korvane {
namespace {

using test::ScriptedPrompter;

QByteArray Lees(const QString& pad)
{
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<onleesbaar>");
}

void Schrijf(const QString& pad, const QByteArray& bytes)
{
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray Opties(const char* opstartmodus)
{
    return QByteArray("\r\n\r\ncourier new\r\n9\r\nNormal\r\ncourier new\r\n9\r\nNormal\r\nDirTree\r\n"
                      "Plaintext\r\nNo Backup\r\nFixed\r\nPagenumbers\r\n")
        + opstartmodus + "\r\n";
}

class VensterTest : public ::testing::Test {
protected:
    QTemporaryDir programma;
    QTemporaryDir documenten;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> w;

    QString Map() const { return programma.path() + u'/'; }
    QString Doc(const QString& naam) const { return documenten.filePath(naam); }
    void Start(const QStringList& parameters = {})
    {
        OpstartGegevens start;
        start.parameters = parameters;
        start.programmamap = Map();
        w = std::make_unique<TForm1>(prompter, start);
    }
    void Trigger(const char* id) { w->action(QString::fromLatin1(id))->trigger(); }
    bool Vinkje(const char* id) { return w->action(QString::fromLatin1(id))->isChecked(); }
    bool Sluit() { return w->close(); }
    QString Tekst() const { return w->Editor->toPlainText(); }
};

TEST_F(VensterTest, FirstStartWithoutSettingsFilesIsUntitled)
{
    Schrijf(Map() + QStringLiteral("Opties.txt"), Opties("Empty"));
    Start();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvane1.06 - naamloos.tab"));
    EXPECT_EQ(w->bestandsnaam, naamloos);
    EXPECT_EQ(w->size(), QSize(1024, 741));
    ASSERT_EQ(w->ComboBox1->count(), 1);
    EXPECT_EQ(w->ComboBox1->itemText(0), QStringLiteral("EADGBE"));
    EXPECT_EQ(w->ComboBox1->currentText(), QStringLiteral("EADGBE"));
}

TEST_F(VensterTest, RestartRestoresGeometryAndTheLastFile)
{
    Schrijf(Map() + QStringLiteral("Opties.txt"), Opties("Lastfile"));
    Schrijf(Map() + QStringLiteral("snaren.txt"), "DADGAD\r\nEADGBE\r\n");
    const QString lied = Doc(QStringLiteral("lied.tab"));
    Schrijf(lied, "E|---0---|\nB|---1---|\n");
    Start();
    EXPECT_EQ(w->ComboBox1->count(), 2);
    prompter.fileNames.push_back(lied);
    Trigger("Open1");
    ASSERT_EQ(w->bestandsnaam, lied);
    w->resize(900, 650);
    ASSERT_TRUE(Sluit());
    EXPECT_EQ(Lees(Map() + QStringLiteral("kvn.cfg")).split('\n').value(4), (lied.toUtf8() + "\r"));

    Start();
    EXPECT_EQ(w->size(), QSize(900, 650));
    EXPECT_EQ(w->bestandsnaam, lied);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvane1.06 - lied.tab"));
    EXPECT_EQ(Tekst(), QStringLiteral("E|---0---|\nB|---1---|\n"));
    EXPECT_FALSE(w->editor().Modified());
    // Saved unchanged, it keeps its LF line breaks.
    Trigger("Save1");
    EXPECT_EQ(Lees(lied), QByteArray("E|---0---|\nB|---1---|\n"));
}

TEST_F(VensterTest, LastFileThatIsGoneGivesTheUntitledDocument)
{
    Schrijf(Map() + QStringLiteral("Opties.txt"), Opties("Lastfile"));
    Schrijf(Map() + QStringLiteral("kvn.cfg"), "900\r\n650\r\n200\r\n300\r\n" + Doc("weg.tab").toUtf8() + "\r\n");
    Start();
    EXPECT_EQ(w->bestandsnaam, naamloos);
    EXPECT_EQ(Tekst(), QString());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(VensterTest, LastRtfFileIsReadAsTextAtStartUpEvenInRichTextMode)
{
    QByteArray opties = Opties("Lastfile");
    opties.replace("Plaintext", "Richtext");
    Schrijf(Map() + QStringLiteral("Opties.txt"), opties);
    const QString pad = Doc(QStringLiteral("lied.rtf"));
    Schrijf(pad, "{\\rtf1 {\\b vet}}");
    Schrijf(Map() + QStringLiteral("kvn.cfg"), "900\r\n650\r\n200\r\n300\r\n" + pad.toUtf8() + "\r\n");
    Start();
    EXPECT_TRUE(w->instellingen.richtext);
    EXPECT_EQ(Tekst(), QStringLiteral("{\\rtf1 {\\b vet}}"));
}

TEST_F(VensterTest, MalformedConfigurationGives800By600)
{
    Schrijf(Map() + QStringLiteral("Opties.txt"), Opties("Empty"));
    Schrijf(Map() + QStringLiteral("kvn.cfg"), "900\r\nhoog\r\n");
    Start();
    EXPECT_EQ(w->size(), QSize(800, 600));
}

TEST_F(VensterTest, CommandLineNameIsRebuiltFromItsPieces)
{
    Schrijf(Map() + QStringLiteral("Opties.txt"), Opties("Empty"));
    ASSERT_TRUE(QDir().mkpath(Doc(QStringLiteral("Mijn tabs"))));
    Schrijf(Doc(QStringLiteral("Mijn tabs/lied.tab")), "A|--2--|\r\n");
    Start({Doc(QStringLiteral("Mijn")), QStringLiteral("tabs/lied.tab")});
    EXPECT_EQ(w->bestandsnaam, Doc(QStringLiteral("Mijn tabs/lied.tab")));
    EXPECT_EQ(Tekst(), QStringLiteral("A|--2--|\n"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvane1.06 - lied.tab"));
}

TEST_F(VensterTest, ClosingAsksAboutChangesAndCancelKeepsTheWindow)
{
    Schrijf(Map() + QStringLiteral("Opties.txt"), Opties("Empty"));
    Start();
    QTest::keyClicks(w->Editor, QStringLiteral("E|--"));
    prompter.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(Sluit());
    EXPECT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].text, "Veranderingen in naamloos.tab opslaan ?");
    EXPECT_FALSE(QFile::exists(Map() + QStringLiteral("kvn.cfg")));

    prompter.answers.push_back(Answer::No);
    EXPECT_TRUE(Sluit());
    EXPECT_TRUE(Lees(Map() + QStringLiteral("kvn.cfg")).endsWith("naamloos.tab\r\n"));
}

TEST_F(VensterTest, UnwritableConfigurationIsReportedAtClose)
{
    Schrijf(Map() + QStringLiteral("Opties.txt"), Opties("Empty"));
    Start();
    ASSERT_TRUE(QDir().mkpath(Map() + QStringLiteral("kvn.cfg")));
    EXPECT_TRUE(Sluit());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "Fout bij het schrijven van " + Map().toStdString() + "Kvn.cfg");
    EXPECT_EQ(prompter.Beeps(Sound::Default), 1);
}

TEST_F(VensterTest, NewSaveSaveAsAndBackupFromTheCommands)
{
    Schrijf(Map() + QStringLiteral("Opties.txt"), Opties("Empty"));
    Start();
    QTest::keyClicks(w->Editor, QStringLiteral("een"));
    prompter.fileNames.push_back(Doc(QStringLiteral("lied.tab")));
    Trigger("Save1");
    EXPECT_EQ(Lees(Doc(QStringLiteral("lied.tab"))), QByteArray("een"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvane1.06 - lied.tab"));
    EXPECT_EQ(w->statusPaneel(PaneelVeranderd)->text(), QString());

    Trigger("Reservekopie1");
    EXPECT_TRUE(Vinkje("Reservekopie1"));
    QTest::keyClicks(w->Editor, QStringLiteral("!"));
    Trigger("Save1");
    EXPECT_EQ(Lees(Doc(QStringLiteral("lied.tab"))), QByteArray("een!"));
    EXPECT_EQ(Lees(Doc(QStringLiteral("lied.~tab"))), QByteArray("een"));

    prompter.fileNames.push_back(Doc(QStringLiteral("kopie.tab")));
    Trigger("Saveas1");
    EXPECT_EQ(Lees(Doc(QStringLiteral("kopie.tab"))), QByteArray("een!"));
    EXPECT_EQ(w->bestandsnaam, Doc(QStringLiteral("lied.tab")));

    QTest::keyClicks(w->Editor, QStringLiteral("x"));
    Trigger("New1");
    EXPECT_EQ(Tekst(), QString());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvane1.06 - naamloos.tab"));
    EXPECT_TRUE(prompter.questions.empty());
}

TEST_F(VensterTest, RichTextToggleReloadsTheFileInTheNewMode)
{
    Schrijf(Map() + QStringLiteral("Opties.txt"), Opties("Empty"));
    const QString pad = Doc(QStringLiteral("lied.rtf"));
    Schrijf(pad, "{\\rtf1 {\\b vet}\\par regel\\par}\r\n");
    Start({pad});
    EXPECT_EQ(Tekst(), QStringLiteral("{\\rtf1 {\\b vet}\\par regel\\par}\n"));
    Trigger("Richtext1");
    EXPECT_TRUE(w->instellingen.richtext);
    EXPECT_EQ(w->statusPaneel(PaneelTekstsoort)->text(), QStringLiteral("Rich text"));
    EXPECT_TRUE(Tekst().startsWith(QStringLiteral("vet\nregel")));
    Trigger("Richtext1");
    EXPECT_EQ(w->statusPaneel(PaneelTekstsoort)->text(), QStringLiteral("Ascii text"));
    // Back in plain text the source is shown, and saved byte for byte.
    Trigger("Save1");
    EXPECT_EQ(Lees(pad), QByteArray("{\\rtf1 {\\b vet}\\par regel\\par}\r\n"));
}

} // namespace
} // namespace korvane
