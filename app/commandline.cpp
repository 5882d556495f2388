#include "commandline.h"

#include "apperror.h"
#include "ipini.h"
#include "storelogin.h"
#include "tdiz.h"
#include "tst_fatt.h"

#include "controllo/controllosdi.h"
#include "controllo/visualizzafattura.h"
#include "fattura/generaxml.h"
#include "fattura/totali.h"
#include "servizio/servicesettings.h"
#include "servizio/transmissionservice.h"
#include "import/invoiceimport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
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
    // Commands on files alone do without ip.ini and the store.
    bool needsStore = true;
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
                                  "I comandi sulle fatture leggono ip.ini dalla cartella corrente e lavorano sull'archivio fatture.\n\n"
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

// Options of a sub-command: flags and "--name VALUE" pairs, then the
// positional arguments.
struct Options
{
    QStringList flags;
    QMap<QString, QString> values;
    QStringList positional;
};

Options parseOptions(const QStringList &args, const QStringList &flags, const QStringList &valued)
{
    Options options;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (flags.contains(arg)) {
            options.flags << arg;
        } else if (valued.contains(arg)) {
            if (i + 1 >= args.size())
                throw UsageFailure(QStringLiteral("Manca il valore dell'opzione %1").arg(arg));
            options.values.insert(arg, args[++i]);
        } else if (arg.startsWith(QLatin1String("--"))) {
            throw UsageFailure(QStringLiteral("Opzione sconosciuta: %1").arg(arg));
        } else {
            options.positional << arg;
        }
    }
    return options;
}

int ricalcola(Context &context, const QStringList &args)
{
    positionInvoice(context, args);
    RicalcolaTotali(context.diz);
    context.out << QStringLiteral("Totale documento: %1\n").arg(context.diz.Testata->text(QStringLiteral("tot_doc")));
    return Success;
}

int xml(Context &context, const QStringList &args)
{
    const Options options = parseOptions(args, {QStringLiteral("--pa")}, {});
    positionInvoice(context, options.positional);
    const QString path = options.flags.contains(QLatin1String("--pa")) ? GeneraXmlPA(context.diz)
                                                                       : GeneraXmlPrivati(context.diz);
    context.out << path << '\n';
    return Success;
}

Options stampaOptions(const QStringList &args)
{
    return parseOptions(args, {QStringLiteral("--acquisto")}, {QStringLiteral("--pdf")});
}

int stampa(Context &context, const QStringList &args)
{
    const Options options = stampaOptions(args);
    const bool purchase = options.flags.contains(QLatin1String("--acquisto"));
    if (purchase) {
        if (options.positional.size() != 1)
            throw UsageFailure(QStringLiteral("Indicare un solo protocollo di fattura d'acquisto (prot)"));
        position(context.diz.Testa_Car, QStringLiteral("prot"),
                 parseId(options.positional.first(), QStringLiteral("Protocollo")), QStringLiteral("Fattura d'acquisto"));
    } else {
        positionInvoice(context, options.positional);
    }
    TSt_Fatt report(&context.diz);
    const QString pdf = options.values.value(QStringLiteral("--pdf"));
    try {
        if (purchase)
            pdf.isEmpty() ? report.previewQR2() : report.writeQR2Pdf(pdf);
        else
            pdf.isEmpty() ? report.previewQR1() : report.writeQR1Pdf(pdf);
    } catch (const AppError &error) {
        // The desk reports a report that cannot be made as missing data.
        throw AppError(QStringLiteral("Mancanza Dati: ") + error.message());
    }
    if (!pdf.isEmpty())
        context.out << QFileInfo(pdf).absoluteFilePath() << '\n';
    return Success;
}

// One line per problem, "FILE: CODE: text (path)"; Success only when every
// file is clean.
int controlla(Context &context, const QStringList &args)
{
    const Options options = parseOptions(args, {}, {});
    if (options.positional.isEmpty())
        throw UsageFailure(QStringLiteral("Indicare almeno un file XML da controllare"));
    // A folder stands for the FatturaPA files in it.
    QStringList files;
    for (const QString &argument : options.positional) {
        const QDir folder(argument);
        if (!QFileInfo(argument).isDir()) {
            files << argument;
            continue;
        }
        for (const QString &name : folder.entryList({QStringLiteral("*.xml"), QStringLiteral("*.XML")}, QDir::Files,
                                                    QDir::Name))
            files << folder.filePath(name);
    }
    int code = Success;
    for (const QString &file : std::as_const(files)) {
        try {
            const SdiProblems problems = ControlloSdi::checkFile(file);
            for (const SdiProblem &problem : problems)
                context.out << file << ": " << problem.toString() << '\n';
            if (hasErrors(problems))
                code = Failure;
        } catch (const AppError &error) {
            context.err << file << ": " << error.message() << '\n';
            code = Failure;
        }
    }
    return code;
}

int visualizza(Context &context, const QStringList &args)
{
    const Options options = parseOptions(args, {}, {QStringLiteral("--html")});
    if (options.positional.size() != 1)
        throw UsageFailure(QStringLiteral("Indicare un solo file XML da visualizzare"));
    const QString html =
        VisualizzaFattura::writeHtml(options.positional.first(), options.values.value(QStringLiteral("--html")));
    context.out << html << '\n';
    if (!options.values.contains(QStringLiteral("--html")) &&
        !QProcess::startDetached(QStringLiteral("xdg-open"), {html}))
        context.err << QStringLiteral("Browser non disponibile: aprire il file %1\n").arg(html);
    return Success;
}

// The transmission service runs until the program is stopped.
int servizio(const QStringList &args, QTextStream &out)
{
    const Options options = parseOptions(args, {}, {QStringLiteral("--impostazioni")});
    if (!options.positional.isEmpty())
        throw UsageFailure(QStringLiteral("Argomento inatteso: %1").arg(options.positional.first()));
    const QString path = options.values.value(QStringLiteral("--impostazioni"), QStringLiteral("servizio.ini"));
    if (options.values.contains(QStringLiteral("--impostazioni")) && !QFileInfo::exists(path))
        throw UsageFailure(QStringLiteral("File delle impostazioni non trovato: %1").arg(path));
    TransmissionService service(ServiceSettings::read(path));
    // A file that fails the SdI check is not sent.
    service.setInvoiceCheck([](const QString &file) {
        QStringList texts;
        for (const SdiProblem &problem : ControlloSdi::checkFile(file))
            if (!problem.isWarning())
                texts << problem.toString();
        return texts;
    });
    const quint16 port = service.listen();
    out << QStringLiteral("Servizio di trasmissione in ascolto su http://localhost:%1\n").arg(port);
    out.flush();
    return QCoreApplication::exec();
}

// The desk's "Importa Fatture" without the question: one line per imported
// invoice, then the summary; a document that fails stops the run.
int importa(Context &context, const QStringList &args)
{
    if (!args.isEmpty())
        throw UsageFailure(QStringLiteral("Il comando importa non accetta argomenti"));
    const ImportResult result = InvoiceImport(context.diz).run();
    for (const ImportedInvoice &invoice : result.invoices)
        context.out << QStringLiteral("Fattura %1 (%2) id_invio %3: %4\n")
                           .arg(invoice.number, invoice.type)
                           .arg(invoice.idInvio)
                           .arg(invoice.fileName);
    context.out << InvoiceImport::summaryText(result) << '\n';
    if (result.failed()) {
        context.err << result.failure << '\n';
        return Failure;
    }
    return Success;
}

const QList<Command> &commands()
{
    static const QList<Command> list = {
        {QStringLiteral("ricalcola"), QStringLiteral("ricalcola ID"),
         QStringLiteral("Ricalcola i totali della fattura con id_invio ID e li registra."), false, nullptr, ricalcola},
        {QStringLiteral("xml"), QStringLiteral("xml [--pa] ID"),
         QStringLiteral("Crea il file XML FatturaPA (FPR12, oppure FPA12 con --pa) della fattura ID nella cartella "
                        "dell'azienda e ne stampa il percorso."),
         false, nullptr, xml},
        {QStringLiteral("stampa"), QStringLiteral("stampa ID [--pdf FILE] | stampa --acquisto PROT [--pdf FILE]"),
         QStringLiteral("Mostra l'anteprima di stampa della fattura ID (o della fattura d'acquisto PROT); con --pdf "
                        "scrive le pagine nel FILE PDF senza aprire finestre."),
         true, [](const QStringList &args) {
             try {
                 return !stampaOptions(args).values.contains(QStringLiteral("--pdf"));
             } catch (const UsageFailure &) {
                 return false;
             }
         },
         stampa},
        {QStringLiteral("controlla"), QStringLiteral("controlla FILE..."),
         QStringLiteral("Controllo SdI dei file XML FatturaPA (di una cartella, i suoi file .xml): stampa un problema "
                        "per riga (FILE: CODICE: testo (percorso)); esito 0 se tutti i file sono corretti, 1 "
                        "altrimenti."),
         false, nullptr, controlla, false},
        {QStringLiteral("visualizza"), QStringLiteral("visualizza FILE [--html OUT]"),
         QStringLiteral("Trasforma il file XML FatturaPA con il foglio di stile dell'Agenzia delle Entrate e lo apre "
                        "nel browser; con --html scrive la pagina nel file OUT senza aprirla."),
         false, nullptr, visualizza, false},
        {QStringLiteral("servizio"), QStringLiteral("servizio [--impostazioni FILE]"),
         QStringLiteral("Avvia il servizio di trasmissione (invio a SDI per posta certificata, caricamento delle "
                        "fatture ricevute) su 127.0.0.1, con le impostazioni di FILE (predefinito servizio.ini); "
                        "resta attivo finché non viene fermato."),
         false, nullptr, [](Context &context, const QStringList &args) { return servizio(args, context.out); }, false},
        {QStringLiteral("importa"), QStringLiteral("importa"),
         QStringLiteral("Importa dal database del gestionale (a2020) le fatture e le note di credito non ancora "
                        "presenti, con righe, totali e file XML; stampa una riga per fattura importata e il "
                        "riepilogo."),
         false, nullptr, importa},
    };
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
        if (!command->needsStore) {
            TDiz unconnected;
            Context context{unconnected, out, err};
            return command->run(context, arguments.mid(2));
        }
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
