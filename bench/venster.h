// The real main window for the window benchmarks: settings in a fresh
// temporary folder (DejaVu Sans Mono 9 pt, plain text, no backups), dialogs
// answered by the scripted prompter, shown on the offscreen platform.
#pragma once

#include "common/scriptedprompter.h"
#include "ui/mainwindow.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace korvane::bench {

class BenchVenster {
public:
    // False when the settings cannot be written or the window never shows.
    bool Start()
    {
        QFile opties(m_map.filePath(QStringLiteral("Opties.txt")));
        if (!opties.open(QIODevice::WriteOnly))
            return false;
        const QByteArray map = m_map.path().toUtf8();
        opties.write(map + "\r\n" + map + "\r\nDejaVu Sans Mono\r\n9\r\nBold\r\nDejaVu Sans Mono\r\n9\r\n"
                     "Bold\r\nDirTree\r\nPlaintext\r\nNo Backup\r\nFixed\r\nPagenumbers\r\nEmpty\r\n");
        opties.close();
        OpstartGegevens start;
        start.programmamap = m_map.path() + u'/';
        m_venster = std::make_unique<TForm1>(m_prompter, start);
        m_venster->show();
        return QTest::qWaitForWindowExposed(m_venster.get());
    }
    TForm1& operator*() { return *m_venster; }
    test::ScriptedPrompter& prompter() { return m_prompter; }
    TForm1* operator->() { return m_venster.get(); }

private:
    QTemporaryDir m_map;
    test::ScriptedPrompter m_prompter;
    std::unique_ptr<TForm1> m_venster;
};

} // namespace korvane::bench
