// Entry point: creates the windows and runs the event loop.
#include <QApplication>
#include <QPlainTextEdit>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QPlainTextEdit editor;
    editor.show();
    return app.exec();
}
