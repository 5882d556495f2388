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
