#include "controllo/regolesdi.h"

#include "controllo/codicifiscali.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <algorithm>

#include <cmath>
#include <optional>

namespace {

// --- reading the tree -------------------------------------------------

bool isElement(xmlNodePtr node, const char *elementName)
{
    return node && node->type == XML_ELEMENT_NODE && xmlStrcmp(node->name, BAD_CAST elementName) == 0;
}

QList<xmlNodePtr> children(xmlNodePtr parent, const char *elementName)
{
    QList<xmlNodePtr> result;
    if (!parent)
        return result;
    for (xmlNodePtr child = parent->children; child; child = child->next) {
        if (isElement(child, elementName))
            result << child;
    }
    return result;
}

xmlNodePtr child(xmlNodePtr parent, const char *elementName)
{
    if (!parent)
        return nullptr;
    for (xmlNodePtr node = parent->children; node; node = node->next) {
        if (isElement(node, elementName))
            return node;
    }
    return nullptr;
}

// child(child(...)) along a path of element names.
xmlNodePtr descend(xmlNodePtr node, std::initializer_list<const char *> names)
{
    for (const char *elementName : names)
        node = child(node, elementName);
    return node;
}

QString text(xmlNodePtr node)
{
    if (!node)
        return QString();
    xmlChar *content = xmlNodeGetContent(node);
    const QString result = QString::fromUtf8(reinterpret_cast<const char *>(content)).trimmed();
    xmlFree(content);
    return result;
}

std::optional<double> number(xmlNodePtr node)
{
    if (!node)
        return std::nullopt;
    bool ok = false;
    const double value = text(node).toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString path(xmlNodePtr node)
{
    xmlChar *path = xmlGetNodePath(node);
    const QString result = QString::fromUtf8(reinterpret_cast<const char *>(path));
    xmlFree(path);
    return result;
}

// --- the rules --------------------------------------------------------

constexpr double kCent = 0.01;
constexpr double kEuro = 1.0;
// Rounding noise of binary arithmetic on amounts with a few decimals.
constexpr double kNoise = 1e-6;

class Rules
{
public:
    explicit Rules(xmlDocPtr document) : m_root(xmlDocGetRootElement(document)) {}

    SdiProblems run()
    {
        if (!m_root)
            return m_problems;
        checkHeader();
        for (xmlNodePtr body : children(m_root, "FatturaElettronicaBody"))
            checkBody(body);
        return m_problems;
    }

private:
    void report(const char *code, const QString &message, xmlNodePtr node)
    {
        m_problems.append({QString::fromLatin1(code), message, path(node), int(xmlGetLineNo(node))});
    }

    void warn(const char *code, const QString &message, xmlNodePtr node)
    {
        report(code, message, node);
        m_problems.last().severity = SdiProblem::Severity::Warning;
    }

    void checkHeader()
    {
        xmlNodePtr header = child(m_root, "FatturaElettronicaHeader");
        xmlNodePtr transmission = child(header, "DatiTrasmissione");
        const QString format = text(child(transmission, "FormatoTrasmissione"));
        if (xmlNodePtr formatNode = child(transmission, "FormatoTrasmissione")) {
            xmlChar *version = xmlGetProp(m_root, BAD_CAST "versione");
            const QString versione = QString::fromUtf8(reinterpret_cast<const char *>(version));
            xmlFree(version);
            if (!versione.isEmpty() && versione != format)
                report("00428",
                       QStringLiteral("FormatoTrasmissione '%1' diverso dall'attributo versione '%2' della fattura")
                           .arg(format, versione),
                       formatNode);
        }
        checkRecipientCode(header, transmission, format);
        checkTransmitter(transmission);
        checkSupplier(child(header, "CedentePrestatore"));
        checkCustomer(child(header, "CessionarioCommittente"));
    }

    void checkRecipientCode(xmlNodePtr header, xmlNodePtr transmission, const QString &format)
    {
        xmlNodePtr codeNode = child(transmission, "CodiceDestinatario");
        if (!codeNode)
            return;
        const QString code = text(codeNode);
        if (format == QLatin1String("FPR12") && code.size() != 7)
            report("00427",
                   QStringLiteral("CodiceDestinatario '%1' di %2 caratteri: per una fattura tra privati (FPR12) "
                                  "deve averne 7")
                       .arg(code)
                       .arg(code.size()),
                   codeNode);
        if (format == QLatin1String("FPA12") && code.size() != 6)
            report("00427",
                   QStringLiteral("CodiceDestinatario '%1' di %2 caratteri: per una pubblica amministrazione "
                                  "(FPA12) deve averne 6 (codice univoco ufficio)")
                       .arg(code)
                       .arg(code.size()),
                   codeNode);
        if (code == QLatin1String("XXXXXXX")) {
            xmlNodePtr customer = descend(header, {"CessionarioCommittente", "DatiAnagrafici"});
            QString country = text(descend(customer, {"IdFiscaleIVA", "IdPaese"}));
            if (!child(customer, "IdFiscaleIVA"))
                country = QStringLiteral("IT"); // identified by an Italian fiscal code only
            if (country == QLatin1String("IT"))
                report("00313",
                       QStringLiteral("CodiceDestinatario 'XXXXXXX' ammesso solo per un cliente estero (IdPaese "
                                      "diverso da IT)"),
                       codeNode);
        }
    }

    void checkTransmitter(xmlNodePtr transmission)
    {
        xmlNodePtr id = child(transmission, "IdTrasmittente");
        xmlNodePtr code = child(id, "IdCodice");
        if (!code || text(child(id, "IdPaese")) != QLatin1String("IT"))
            return;
        const QString value = text(code);
        if (!CodiciFiscali::isValidVatNumber(value) && !CodiciFiscali::isValidFiscalCode(value))
            report("00300",
                   QStringLiteral("IdCodice '%1' del trasmittente non è un codice fiscale o una partita IVA "
                                  "valida (cifra di controllo errata)")
                       .arg(value),
                   code);
    }

    void checkSupplier(xmlNodePtr supplier)
    {
        xmlNodePtr vatId = descend(supplier, {"DatiAnagrafici", "IdFiscaleIVA"});
        xmlNodePtr code = child(vatId, "IdCodice");
        if (code && text(child(vatId, "IdPaese")) == QLatin1String("IT") &&
            !CodiciFiscali::isValidVatNumber(text(code)))
            report("00301",
                   QStringLiteral("Partita IVA '%1' del cedente/prestatore non valida (cifra di controllo errata)")
                       .arg(text(code)),
                   code);
    }

    void checkCustomer(xmlNodePtr customer)
    {
        xmlNodePtr personal = child(customer, "DatiAnagrafici");
        if (!personal)
            return;
        xmlNodePtr vatId = child(personal, "IdFiscaleIVA");
        xmlNodePtr fiscalCode = child(personal, "CodiceFiscale");
        if (!vatId && !fiscalCode)
            report("00417",
                   QStringLiteral("Il cliente (cessionario/committente) non ha né partita IVA (IdFiscaleIVA) né "
                                  "codice fiscale: indicarne almeno uno"),
                   personal);
        xmlNodePtr vatCode = child(vatId, "IdCodice");
        if (vatCode && text(child(vatId, "IdPaese")) == QLatin1String("IT") &&
            !CodiciFiscali::isValidVatNumber(text(vatCode)))
            report("00305",
                   QStringLiteral("Partita IVA '%1' del cliente non valida (cifra di controllo errata)")
                       .arg(text(vatCode)),
                   vatCode);
        if (fiscalCode && !CodiciFiscali::isValidFiscalCode(text(fiscalCode)))
            report("00306",
                   QStringLiteral("Codice fiscale '%1' del cliente non valido (formato o carattere di controllo "
                                  "errato)")
                       .arg(text(fiscalCode)),
                   fiscalCode);
    }

    // A rate and nature pair: the key of a VAT summary.
    struct RateKey
    {
        qint64 cents;
        QString nature;
        bool operator==(const RateKey &) const = default;
    };
    friend size_t qHash(const RateKey &key, size_t seed) { return qHashMulti(seed, key.cents, key.nature); }

    static qint64 cents(double value) { return qint64(std::llround(value * 100)); }

    void checkBody(xmlNodePtr body)
    {
        xmlNodePtr document = descend(body, {"DatiGenerali", "DatiGeneraliDocumento"});
        const QString documentType = text(child(document, "TipoDocumento"));
        // The generic nature codes are refused on documents dated from 2021.
        const bool genericNatureRefused = text(child(document, "Data")) >= QLatin1String("2021-01-01");
        if (xmlNodePtr numberNode = child(document, "Numero")) {
            const QString value = text(numberNode);
            if (std::none_of(value.begin(), value.end(), [](QChar c) { return c.isDigit(); }))
                report("00425", QStringLiteral("Il numero del documento '%1' non contiene alcuna cifra").arg(value),
                       numberNode);
        }

        QHash<RateKey, double> lineTotals;
        QList<xmlNodePtr> usedRates; // rate elements of lines and pension funds
        auto checkRateAndNature = [&](xmlNodePtr owner, const char *missingCode, const char *unexpectedCode,
                                      const char *what) {
            xmlNodePtr rateNode = child(owner, "AliquotaIVA");
            xmlNodePtr natureNode = child(owner, "Natura");
            const std::optional<double> rate = number(rateNode);
            if (!rate)
                return;
            if (*rate > 0 && *rate < 1)
                report("00424",
                       QStringLiteral("AliquotaIVA %1 %2 non espressa in percentuale (per esempio 22.00, non 0.22)")
                           .arg(text(rateNode), QString::fromUtf8(what)),
                       rateNode);
            if (cents(*rate) == 0 && !natureNode)
                report(missingCode,
                       QStringLiteral("Natura mancante %1 con AliquotaIVA zero: indicare il codice natura "
                                      "(N1 ... N7) dell'operazione")
                           .arg(QString::fromUtf8(what)),
                       rateNode);
            if (cents(*rate) != 0 && natureNode && documentType != QLatin1String("TD16"))
                report(unexpectedCode,
                       QStringLiteral("Natura '%1' %2 con AliquotaIVA %3 diversa da zero")
                           .arg(text(natureNode), QString::fromUtf8(what), text(rateNode)),
                       natureNode);
            const QString nature = text(natureNode);
            if (genericNatureRefused &&
                (nature == QLatin1String("N2") || nature == QLatin1String("N3") || nature == QLatin1String("N6")))
                report("00445",
                       QStringLiteral("Natura generica '%1' %2 non più ammessa: usare un codice di dettaglio "
                                      "(per esempio %1.1)")
                           .arg(nature, QString::fromUtf8(what)),
                       natureNode);
        };

        xmlNodePtr goods = child(body, "DatiBeniServizi");
        checkWithholding(document, goods);
        checkStampDuty(document, goods);
        for (xmlNodePtr line : children(goods, "DettaglioLinee")) {
            checkRateAndNature(line, "00400", "00401", "della linea");
            checkLineTotal(line);
            const std::optional<double> rate = number(child(line, "AliquotaIVA"));
            const std::optional<double> total = number(child(line, "PrezzoTotale"));
            if (rate && total) {
                lineTotals[{cents(*rate), text(child(line, "Natura"))}] += *total;
                usedRates << child(line, "AliquotaIVA");
            }
        }
        for (xmlNodePtr fund : children(document, "DatiCassaPrevidenziale")) {
            checkRateAndNature(fund, "00413", "00414", "della cassa previdenziale");
            const std::optional<double> rate = number(child(fund, "AliquotaIVA"));
            const std::optional<double> amount = number(child(fund, "ImportoContributoCassa"));
            if (rate && amount) {
                lineTotals[{cents(*rate), text(child(fund, "Natura"))}] += *amount;
                usedRates << child(fund, "AliquotaIVA");
            }
        }

        QHash<RateKey, double> summaryTaxable;
        QHash<RateKey, double> summaryRounding;
        QList<std::pair<RateKey, xmlNodePtr>> firstSummaries;
        QList<qint64> summaryRates;
        for (xmlNodePtr summary : children(goods, "DatiRiepilogo")) {
            checkRateAndNature(summary, "00429", "00430", "del riepilogo");
            const std::optional<double> rate = number(child(summary, "AliquotaIVA"));
            const std::optional<double> taxable = number(child(summary, "ImponibileImporto"));
            if (!rate)
                continue;
            summaryRates << cents(*rate);
            checkTax(summary, *rate, taxable);
            if (!taxable)
                continue;
            const RateKey key{cents(*rate), text(child(summary, "Natura"))};
            if (!summaryTaxable.contains(key))
                firstSummaries.append({key, summary});
            summaryTaxable[key] += *taxable;
            summaryRounding[key] += number(child(summary, "Arrotondamento")).value_or(0);
        }

        for (xmlNodePtr rateNode : usedRates) {
            const qint64 rate = cents(*number(rateNode));
            if (!summaryRates.contains(rate)) {
                report("00419",
                       QStringLiteral("Manca il riepilogo IVA (DatiRiepilogo) dell'aliquota %1 usata nel documento")
                           .arg(text(rateNode)),
                       rateNode);
                summaryRates << rate; // once per rate
            }
        }

        // Charges (SpeseAccessorie) are part of the line totals already.
        for (const auto &[key, summary] : firstSummaries) {
            const double expected = lineTotals.value(key) + summaryRounding.value(key);
            const double taxable = summaryTaxable.value(key);
            if (std::fabs(taxable - expected) > kEuro + kNoise)
                report("00422",
                       QStringLiteral("ImponibileImporto %1 diverso dalla somma delle linee all'aliquota %2%3 "
                                      "più gli arrotondamenti (%4), oltre la tolleranza di 1 euro")
                           .arg(QString::number(taxable, 'f', 2), QString::number(key.cents / 100.0, 'f', 2),
                                key.nature.isEmpty() ? QString() : QStringLiteral(" natura ") + key.nature,
                                QString::number(expected, 'f', 2)),
                       child(summary, "ImponibileImporto"));
        }
    }

    // A line or pension fund subject to withholding needs DatiRitenuta.
    void checkWithholding(xmlNodePtr document, xmlNodePtr goods)
    {
        if (child(document, "DatiRitenuta"))
            return;
        QList<xmlNodePtr> owners = children(goods, "DettaglioLinee");
        owners << children(document, "DatiCassaPrevidenziale");
        for (xmlNodePtr owner : owners) {
            xmlNodePtr withholding = child(owner, "Ritenuta");
            if (text(withholding) == QLatin1String("SI")) {
                report("00411",
                       QStringLiteral("Ritenuta SI senza i dati della ritenuta (DatiRitenuta) nel documento: "
                                      "indicare tipo, aliquota e causale della ritenuta d'acconto"),
                       withholding);
                return;
            }
        }
    }

    // Operations without VAT above 77,47 euro owe the stamp duty: the SdI
    // accepts the file without it, so this is a warning.
    void checkStampDuty(xmlNodePtr document, xmlNodePtr goods)
    {
        static const QStringList dutiable = {QStringLiteral("N2.1"), QStringLiteral("N2.2"), QStringLiteral("N3.5"),
                                             QStringLiteral("N3.6"), QStringLiteral("N4")};
        if (child(document, "DatiBollo"))
            return;
        double sum = 0;
        xmlNodePtr first = nullptr;
        for (xmlNodePtr summary : children(goods, "DatiRiepilogo")) {
            if (!dutiable.contains(text(child(summary, "Natura"))))
                continue;
            sum += number(child(summary, "ImponibileImporto")).value_or(0);
            if (!first)
                first = summary;
        }
        if (cents(sum) > 7747)
            warn("BOLLO",
                 QStringLiteral("Operazioni senza IVA per %1 euro, oltre 77,47: è dovuta l'imposta di bollo, "
                                "indicare il bollo virtuale (DatiBollo)")
                     .arg(QString::number(sum, 'f', 2)),
                 first);
    }

    void checkTax(xmlNodePtr summary, double rate, std::optional<double> taxable)
    {
        xmlNodePtr taxNode = child(summary, "Imposta");
        const std::optional<double> tax = number(taxNode);
        if (!tax || !taxable)
            return;
        const double expected = *taxable * rate / 100;
        if (std::fabs(*tax - expected) > kEuro + kNoise)
            report("00421",
                   QStringLiteral("Imposta %1 diversa da ImponibileImporto per AliquotaIVA (%2), oltre la "
                                  "tolleranza di 1 euro")
                       .arg(text(taxNode), QString::number(expected, 'f', 2)),
                   taxNode);
    }

    // PrezzoTotale = PrezzoUnitario, with its discounts and surcharges in
    // cascade, times Quantita (1 when missing). A discount given as an
    // amount counts per unit and takes the place of its percentage.
    void checkLineTotal(xmlNodePtr line)
    {
        xmlNodePtr totalNode = child(line, "PrezzoTotale");
        const std::optional<double> total = number(totalNode);
        std::optional<double> price = number(child(line, "PrezzoUnitario"));
        if (!total || !price)
            return;
        for (xmlNodePtr discount : children(line, "ScontoMaggiorazione")) {
            const double sign = text(child(discount, "Tipo")) == QLatin1String("MG") ? 1 : -1;
            if (const std::optional<double> amount = number(child(discount, "Importo")))
                *price += sign * *amount;
            else if (const std::optional<double> percent = number(child(discount, "Percentuale")))
                *price += sign * *price * *percent / 100;
        }
        const double quantity = number(child(line, "Quantita")).value_or(1);
        const double expected = *price * quantity;
        if (std::fabs(*total - expected) > kCent + kNoise)
            report("00423",
                   QStringLiteral("PrezzoTotale %1 diverso da PrezzoUnitario per Quantita con sconti e "
                                  "maggiorazioni (%2)")
                       .arg(text(totalNode), QString::number(expected, 'f', 2)),
                   totalNode);
    }

    xmlNodePtr m_root;
    SdiProblems m_problems;
};

} // namespace

namespace RegoleSdi {

SdiProblems check(xmlDocPtr document)
{
    return Rules(document).run();
}

} // namespace RegoleSdi
