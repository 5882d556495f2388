#pragma once

#include <QStringList>

class QTextStream;

// The program's sub-commands: each runs one of the desk's procedures on
// the invoice store named by ip.ini, without any window.
//   0  success
//   1  the procedure failed (its message on standard error)
//   2  usage error, no ip.ini, unknown invoice
namespace CommandLine {
enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

// True when the arguments ask for a sub-command rather than the menu.
bool wantsCommand(const QStringList &arguments);
// Whether the sub-command paints (so it needs a GUI application object),
// and whether it shows a window.
bool needsGui(const QStringList &arguments);
bool showsWindow(const QStringList &arguments);
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);
} // namespace CommandLine
