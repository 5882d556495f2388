#include "commandline.h"

#include "apperror.h"
#include "ipini.h"
#include "storelogin.h"
#include "tdiz.h"

#include <QDir>
#include <QTextStream>

#include <functional>

namespace CommandLine {
namespace {

// What a sub-command works on: the data module, connected and open.
struct Context
{
    TDiz &diz;
    QTextStream &out;
    QTextStream &err;
};

struct Command
{
    QString name;
    QString usage;
    QString description;
    bool gui;
    std::function<bool(const QStringList &)> showsWindow;
    std::function<int(Context &, const QStringList &)> run;
};

class UsageFailure : public std::exception
{
public:
    explicit UsageFailure(QString message) : message(std::move(message)) {}
    QString message;
};

int parseId(const QString &text, const QString &what)
{
    bool ok = false;
    const int id = text.toInt(&ok);
    if (!ok)
        throw UsageFailure(QStringLiteral("%1 non valido: '%2'").arg(what, text));
    return id;
}

// Positions a table on the row whose key is id.
void position(TableComponent *table, const QString &keyField, int id, const QString &what)
{
    if (!table->locate(keyField, id))
        throw UsageFailure(QStringLiteral("%1 %2 non trovata").arg(what).arg(id));
}

void positionInvoice(Context &context, const QStringList &args)
{
    if (args.size() != 1)
        throw UsageFailure(QStringLiteral("Indicare un solo numero di fattura (id_invio)"));
    position(context.diz.Testata, QStringLiteral("id_invio"), parseId(args.first(), QStringLiteral("Numero di fattura")),
             QStringLiteral("Fattura"));
}

const QList<Command> &commands();

QString helpText()
{
    QString text = QStringLiteral("Uso: fatturazione [COMANDO] [ARGOMENTI]\n"
                                  "Senza comando apre il menu principale.\n"
                                  "Ogni comando legge ip.ini dalla cartella corrente e lavora sull'archivio fatture.\n\n"
                                  "Comandi:\n");
    for (const Command &command : commands())
        text += QStringLiteral("  %1\n      %2\n").arg(command.usage, command.description);
    text += QStringLiteral("  --help\n      Mostra questo aiuto.\n\n"
                           "Esito: 0 riuscito; 1 errore della procedura (messaggio sullo standard error);\n"
                           "2 uso errato, ip.ini mancante o fattura inesistente.\n");
    return text;
}

const Command *find(const QString &name)
{
    for (const Command &command : commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

const QList<Command> &commands()
{
    static const QList<Command> list = {};
    return list;
}

} // namespace

bool wantsCommand(const QStringList &arguments) { return arguments.size() > 1; }

bool needsGui(const QStringList &arguments)
{
    const Command *command = arguments.size() > 1 ? find(arguments[1]) : nullptr;
    return command && command->gui;
}

bool showsWindow(const QStringList &arguments)
{
    const Command *command = arguments.size() > 1 ? find(arguments[1]) : nullptr;
    return command && command->showsWindow && command->showsWindow(arguments.mid(2));
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString name = arguments.value(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("aiuto")) {
        out << helpText();
        return Success;
    }
    const Command *command = find(name);
    if (!command) {
        err << QStringLiteral("Comando sconosciuto: '%1'. Vedere 'fatturazione --help'.\n").arg(name);
        return UsageError;
    }
    try {
        const std::optional<IpIni> ini = IpIni::read(QDir::currentPath());
        if (!ini) {
            err << QStringLiteral("File ip.ini non trovato nella cartella corrente (%1)\n").arg(QDir::currentPath());
            return UsageError;
        }
        TDiz diz;
        connectStore(diz, *ini);
        Context context{diz, out, err};
        const int code = command->run(context, arguments.mid(2));
        diz.closeTables();
        return code;
    } catch (const UsageFailure &failure) {
        err << failure.message << '\n';
        return UsageError;
    } catch (const AppError &error) {
        err << error.message() << '\n';
        return Failure;
    }
}

} // namespace CommandLine
