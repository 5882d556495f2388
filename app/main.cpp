#include "commandline.h"
#include "screenset.h"
#include "tdiz.h"
#include "tmenu.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace {
int runMenu(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Every screen is created once, in this order, and lives until the end.
    TMenu menu;
    TDiz diz;
    menu.setDataModule(&diz);
    ScreenSet screens(&diz);
    menu.setScreen(1, &screens.elenco_fatt);
    menu.setScreen(2, &screens.anag_cl);
    menu.setScreen(3, &screens.elenco_carico);
    menu.setScreen(4, &screens.anag_fo);
    menu.setScreen(5, &screens.articoli);
    menu.setScreen(6, &screens.anag_az);
    menu.show();
    return app.exec();
}

int runCommand(int argc, char **argv, const QStringList &arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!CommandLine::needsGui(arguments)) {
        QCoreApplication app(argc, argv);
        return CommandLine::run(arguments, out, err);
    }
    // Painting without a window needs no display.
    if (!CommandLine::showsWindow(arguments) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return CommandLine::run(arguments, out, err);
}
} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (CommandLine::wantsCommand(arguments))
        return runCommand(argc, argv, arguments);
    return runMenu(argc, argv);
}
