#include "fattura/fatturacodes.h"

using namespace Qt::StringLiterals;

// Codes and descriptions as the FatturaPA schema 1.2.3 lists them.
namespace FatturaCodes {

const QList<FatturaCode> &natureCodes()
{
    static const QList<FatturaCode> list = {
        {u"N1"_s, u"Escluse ex. art. 15 del D.P.R. 633/1972"_s},
        {u"N2.1"_s, u"Non soggette ad IVA ai sensi degli artt. da 7 a 7-septies del DPR 633/72"_s},
        {u"N2.2"_s, u"Non soggette - altri casi"_s},
        {u"N3.1"_s, u"Non Imponibili - esportazioni"_s},
        {u"N3.2"_s, u"Non Imponibili - cessioni intracomunitarie"_s},
        {u"N3.3"_s, u"Non Imponibili - cessioni verso San Marino"_s},
        {u"N3.4"_s, u"Non Imponibili - operazioni assimilate alle cessioni all'esportazione"_s},
        {u"N3.5"_s, u"Non Imponibili - a seguito di dichiarazioni d'intento"_s},
        {u"N3.6"_s, u"Non Imponibili - altre operazioni che non concorrono alla formazione del plafond"_s},
        {u"N4"_s, u"Esenti"_s},
        {u"N5"_s, u"Regime del margine/IVA non esposta in fattura"_s},
        {u"N6.1"_s, u"Inversione contabile - cessione di rottami e altri materiali di recupero"_s},
        {u"N6.2"_s,
         u"Inversione contabile - cessione di oro e argento ai sensi della legge 7/2000 nonché di oreficeria usata ad OPO"_s},
        {u"N6.3"_s, u"Inversione contabile - subappalto nel settore edile"_s},
        {u"N6.4"_s, u"Inversione contabile - cessione di fabbricati"_s},
        {u"N6.5"_s, u"Inversione contabile - cessione di telefoni cellulari"_s},
        {u"N6.6"_s, u"Inversione contabile - cessione di prodotti elettronici"_s},
        {u"N6.7"_s, u"Inversione contabile - prestazioni comparto edile e settori connessi"_s},
        {u"N6.8"_s, u"Inversione contabile - operazioni settore energetico"_s},
        {u"N6.9"_s, u"Inversione contabile - altri casi"_s},
        {u"N7"_s,
         u"IVA assolta in altro stato UE (prestazione di servizi di telecomunicazioni, tele-radiodiffusione ed elettronici ex art. 7-octies lett. a, b, art. 74-sexies DPR 633/72)"_s},
    };
    return list;
}

const QList<FatturaCode> &documentTypes()
{
    static const QList<FatturaCode> list = {
        {u"TD01"_s, u"Fattura"_s},
        {u"TD02"_s, u"Acconto / anticipo su fattura"_s},
        {u"TD03"_s, u"Acconto / anticipo su parcella"_s},
        {u"TD04"_s, u"Nota di credito"_s},
        {u"TD05"_s, u"Nota di debito"_s},
        {u"TD06"_s, u"Parcella"_s},
        {u"TD16"_s, u"Integrazione fattura reverse charge interno"_s},
        {u"TD17"_s, u"Integrazione/autofattura per acquisto servizi dall'estero"_s},
        {u"TD18"_s, u"Integrazione per acquisto di beni intracomunitari"_s},
        {u"TD19"_s, u"Integrazione/autofattura per acquisto di beni ex art.17 c.2 DPR 633/72"_s},
        {u"TD20"_s,
         u"Autofattura per regolarizzazione e integrazione delle fatture (ex art. 6 c.9-bis d.lgs. 471/97 o art.46 c.5 D.L. 331/93)"_s},
        {u"TD21"_s, u"Autofattura per splafonamento"_s},
        {u"TD22"_s, u"Estrazione beni da Deposito IVA"_s},
        {u"TD23"_s, u"Estrazione beni da Deposito IVA con versamento dell'IVA"_s},
        {u"TD24"_s, u"Fattura differita di cui all'art.21, comma 4, terzo periodo lett. a) DPR 633/72"_s},
        {u"TD25"_s, u"Fattura differita di cui all'art.21, comma 4, terzo periodo lett. b) DPR 633/72"_s},
        {u"TD26"_s, u"Cessione di beni ammortizzabili e per passaggi interni (ex art.36 DPR 633/72)"_s},
        {u"TD27"_s, u"Fattura per autoconsumo o per cessioni gratuite senza rivalsa"_s},
        {u"TD28"_s, u"Acquisti da San Marino con IVA (fattura cartacea)"_s},
        {u"TD29"_s,
         u"Comunicazione per omessa o irregolare fatturazione da parte del cedente/prestatore italiano (art. 6, comma 8, D.Lgs. 471/97)"_s},
    };
    return list;
}

const QList<FatturaCode> &taxRegimes()
{
    static const QList<FatturaCode> list = {
        {u"RF01"_s, u"Regime ordinario"_s},
        {u"RF02"_s, u"Regime dei contribuenti minimi (art. 1,c.96-117, L. 244/2007)"_s},
        {u"RF04"_s, u"Agricoltura e attività connesse e pesca (artt. 34 e 34-bis, D.P.R. 633/1972)"_s},
        {u"RF05"_s, u"Vendita sali e tabacchi (art. 74, c.1, D.P.R. 633/1972)"_s},
        {u"RF06"_s, u"Commercio dei fiammiferi (art. 74, c.1, D.P.R. 633/1972)"_s},
        {u"RF07"_s, u"Editoria (art. 74, c.1, D.P.R. 633/1972)"_s},
        {u"RF08"_s, u"Gestione di servizi di telefonia pubblica (art. 74, c.1, D.P.R. 633/1972)"_s},
        {u"RF09"_s, u"Rivendita di documenti di trasporto pubblico e di sosta (art. 74, c.1, D.P.R. 633/1972)"_s},
        {u"RF10"_s,
         u"Intrattenimenti, giochi e altre attività di cui alla tariffa allegata al D.P.R. 640/72 (art. 74, c.6, D.P.R. 633/1972)"_s},
        {u"RF11"_s, u"Agenzie di viaggi e turismo (art. 74-ter, D.P.R. 633/1972)"_s},
        {u"RF12"_s, u"Agriturismo (art. 5, c.2, L. 413/1991)"_s},
        {u"RF13"_s, u"Vendite a domicilio (art. 25-bis, c.6, D.P.R. 600/1973)"_s},
        {u"RF14"_s,
         u"Rivendita di beni usati, di oggetti d’arte, d’antiquariato o da collezione (art. 36, D.L. 41/1995)"_s},
        {u"RF15"_s,
         u"Agenzie di vendite all’asta di oggetti d’arte, antiquariato o da collezione (art. 40-bis, D.L. 41/1995)"_s},
        {u"RF16"_s, u"IVA per cassa P.A. (art. 6, c.5, D.P.R. 633/1972)"_s},
        {u"RF17"_s, u"IVA per cassa (art. 32-bis, D.L. 83/2012)"_s},
        {u"RF18"_s, u"Altro"_s},
        {u"RF19"_s, u"Regime forfettario"_s},
        {u"RF20"_s, u"Regime transfrontaliero di Franchigia IVA (Direttiva UE 2020/285)"_s},
    };
    return list;
}

const QList<FatturaCode> &withholdingTypes()
{
    static const QList<FatturaCode> list = {
        {u"RT01"_s, u"Ritenuta di acconto persone fisiche"_s},
        {u"RT02"_s, u"Ritenuta di acconto persone giuridiche"_s},
        {u"RT03"_s, u"Contributo INPS"_s},
        {u"RT04"_s, u"Contributo ENASARCO"_s},
        {u"RT05"_s, u"Contributo ENPAM"_s},
        {u"RT06"_s, u"Altro contributo previdenziale"_s},
    };
    return list;
}

const QList<FatturaCode> &paymentReasons()
{
    static const QList<FatturaCode> list = {
        {u"A"_s, u"Prestazioni di lavoro autonomo rientranti nell'esercizio di arte o professione abituale"_s},
        {u"B"_s, u"Utilizzazione economica di opere dell'ingegno o di brevetti da parte dell'autore o inventore"_s},
        {u"C"_s, u"Utili da contratti di associazione in partecipazione con apporto di solo lavoro"_s},
        {u"D"_s, u"Utili spettanti ai soci promotori e ai soci fondatori delle società di capitali"_s},
        {u"E"_s, u"Levata di protesti cambiari da parte dei segretari comunali"_s},
        {u"G"_s, u"Indennità per la cessazione di attività sportiva professionale"_s},
        {u"H"_s, u"Indennità per la cessazione dei rapporti di agenzia"_s},
        {u"I"_s, u"Indennità per la cessazione da funzioni notarili"_s},
        {u"L"_s,
         u"Utilizzazione economica di opere dell'ingegno o di brevetti da parte di un soggetto diverso dall'autore"_s},
        {u"M"_s, u"Prestazioni di lavoro autonomo non esercitate abitualmente"_s},
        {u"N"_s,
         u"Indennità di trasferta, rimborsi forfetari, premi e compensi nelle attività sportive dilettantistiche"_s},
        {u"O"_s, u"Prestazioni di lavoro autonomo occasionale senza obbligo di iscrizione alla gestione separata"_s},
        {u"P"_s, u"Compensi a non residenti per l'uso di attrezzature industriali, commerciali o scientifiche"_s},
        {u"Q"_s, u"Provvigioni ad agente o rappresentante di commercio monomandatario"_s},
        {u"R"_s, u"Provvigioni ad agente o rappresentante di commercio plurimandatario"_s},
        {u"S"_s, u"Provvigioni a commissionario"_s},
        {u"T"_s, u"Provvigioni a mediatore"_s},
        {u"U"_s, u"Provvigioni a procacciatore di affari"_s},
        {u"V"_s, u"Provvigioni a incaricato per le vendite a domicilio o porta a porta"_s},
        {u"W"_s, u"Corrispettivi per prestazioni relative a contratti d'appalto"_s},
        {u"X"_s, u"Canoni corrisposti nel 2004 a società o enti di altri Stati UE"_s},
        {u"Y"_s, u"Canoni corrisposti dal 1° gennaio 2005 al 26 luglio 2005"_s},
        {u"Z"_s, u"Titolo diverso dai precedenti (non più valido dal 2021)"_s},
        {u"L1"_s, u"Utilizzazione economica di opere dell'ingegno da parte di chi ne ha acquistato i diritti"_s},
        {u"M1"_s, u"Redditi derivanti dall'assunzione di obblighi di fare, non fare o permettere"_s},
        {u"M2"_s, u"Lavoro autonomo non abituale con obbligo di iscrizione alla gestione separata ENPAPI"_s},
        {u"O1"_s, u"Obblighi di fare, non fare o permettere senza obbligo di iscrizione alla gestione separata"_s},
        {u"V1"_s, u"Redditi derivanti da attività commerciali non esercitate abitualmente"_s},
        {u"ZO"_s, u"Titolo diverso dai precedenti"_s},
    };
    return list;
}

QStringList withCurrentCodes(const QStringList &items, const QList<FatturaCode> &codes)
{
    QStringList result = items;
    for (const FatturaCode &code : codes) {
        if (!result.contains(code.code))
            result << code.code;
    }
    return result;
}

QString description(const QList<FatturaCode> &codes, const QString &code)
{
    for (const FatturaCode &known : codes) {
        if (known.code == code)
            return known.description;
    }
    return QString();
}

} // namespace FatturaCodes
