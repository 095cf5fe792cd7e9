#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/stop_signals.h"
#include "text/interface_language.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Brindlemark"));
    const InterfaceLanguage language(QLocale::system());
    StopSignals stop;
    CliContext context(stop);
    const int exitCode = dispatch(context, QCoreApplication::arguments().mid(1));
    std::fflush(stdout);
    stop.endByReceivedSignal();
    return exitCode;
}
