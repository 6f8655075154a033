// TForm1's media player, outside programs and about box: building them into
// the window and the handlers of their commands.
#include "ui/mainwindow.h"

#include "ui/aboutbox.h"
#include "ui/externaltools.h"
#include "ui/mediaplayer.h"

#include "files/documentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QLayout>

namespace korvane {

void TForm1::BouwMedia()
{
    MediaPlayer1 = new MediaPlayer(prompter, m_mediaPanel);
    m_mediaPanel->layout()->addWidget(MediaPlayer1);

    externeProgrammas = std::make_shared<ExternalTools>(prompter);

    AboutBox = new TAboutBox(prompter, this);
    AboutBox->SetInputSource([this] {
        // The file browser keeps the process's current folder on the folder
        // it shows.
        return AboutInput{programmatitel, bestandsnaam, state.analyse.aantalbalken,
                          ReadDriveInfo(QDir::currentPath())};
    });
    AboutBox->SetMailSender([this](const QString& adres, const QString& onderwerp,
                                   const QString& tekst) {
        return SendEMail(adres, onderwerp, tekst);
    });
}

void TForm1::OpenMediaClick()
{
    // Never the folder Qt happened to visit last.
    const QString& map = instellingen.mediamap;
    MediaPlayer1->OpenMediaClick(QFileInfo(map).isDir() ? map : bestanden().DialoogMap());
}

void TForm1::VolumeClick()
{
    externeProgrammas->VolumeClick();
}

void TForm1::internetClick()
{
    externeProgrammas->internetClick();
}

bool TForm1::SendEMail(const QString& adres, const QString& onderwerp, const QString& tekst)
{
    return externeProgrammas->SendEMail(adres, onderwerp, tekst);
}

void TForm1::Info1Click()
{
    AboutBox->exec();
}

} // namespace korvane
