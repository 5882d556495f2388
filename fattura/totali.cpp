#include "fattura/totali.h"

#include "store/decimaltext.h"
#include "store/tdiz.h"

#include <array>

namespace {

constexpr int kSlotCount = 4;
// Free goods are kept apart in the first three slots only.
constexpr int kFreeGoodsSlotCount = 3;

const QString kAmountPattern = QStringLiteral("######0.00");

// Header columns of one VAT slot; the fourth has no free-goods total.
struct VatSlotColumns
{
    const char *rate;
    const char *taxable;
    const char *vat;
    const char *freeGoods;
};

constexpr std::array<VatSlotColumns, kSlotCount> kSlots{{
    {"aliquota", "imponibile", "imposta", "tot_omaggio"},
    {"aliquota2", "imponibile2", "imposta2", "tot_omaggio2"},
    {"aliquota3", "imponibile3", "imposta3", "tot_omaggio3"},
    {"aliquota4", "imponibile4", "imposta4", nullptr},
}};

// Emptied before the lines are walked, in this order; the free-goods
// totals, the discount and the document total are left for the end.
constexpr const char *kClearedColumns[] = {
    "imponibile",  "imposta",  "aliquota",  "imponibile2", "imposta2", "aliquota2",
    "imponibile3", "imposta3", "aliquota3", "imponibile4", "imposta4", "aliquota4",
};

bool isFreeGoods(const QString &supplyKind)
{
    return supplyKind == u"SC" || supplyKind == u"AB" || supplyKind == u"PR";
}

// The working values of one computation. Each is a single-precision figure,
// rounded to 32 bits every time it is stored; the expressions over them are
// evaluated in long double. Index k is VAT slot k + 1.
struct InvoiceTotals
{
    std::array<Single, kSlotCount> ordinary{};              // A: lines that are not free goods
    std::array<Single, kFreeGoodsSlotCount> freeGoods{};    // O: free-goods amounts
    std::array<Single, kFreeGoodsSlotCount> freeGoodsVat{}; // X: VAT on free goods
    std::array<Single, kSlotCount> rate{};                  // R
    std::array<Single, kFreeGoodsSlotCount> discount{};     // D
    Single expenses1 = 0;                                   // S1
    Single expenses2 = 0;                                   // S2
    Single discountPercent = 0;                             // P
    Single vatTotal = 0;                                    // T

    void addOrdinary(int slot, long double amount)
    {
        ordinary[slot] = toSingle(ordinary[slot] + amount);
    }
    void addFreeGoods(int slot, long double amount, long double lineRate)
    {
        freeGoodsVat[slot] = toSingle(freeGoodsVat[slot] + amount * lineRate / 100);
        freeGoods[slot] = toSingle(freeGoods[slot] + amount);
    }
    long double slotVat(int slot) const
    {
        const long double vat = static_cast<long double>(ordinary[slot]) * rate[slot] / 100;
        return slot < kFreeGoodsSlotCount ? vat + freeGoodsVat[slot] : vat;
    }
    long double documentTotal() const
    {
        long double total = static_cast<long double>(ordinary[0]) + ordinary[1] + ordinary[2] + ordinary[3];
        for (int k = 0; k < kFreeGoodsSlotCount; ++k)
            total -= (1 + static_cast<long double>(rate[k]) / 100) * discount[k];
        total += vatTotal;
        total += (1 + static_cast<long double>(rate[0]) / 100) * expenses1;
        total += (1 + static_cast<long double>(rate[1]) / 100) * expenses2;
        return total;
    }
};

void clearSlots(TableComponent &header)
{
    header.edit();
    for (const char *column : kClearedColumns)
        header.setText(QLatin1StringView(column), QString());
    header.post();
}

// Gives a line's rate a slot when no filled slot has it yet: the first
// empty one, written and posted at once. With four rates taken it is lost.
void assignSlot(TableComponent &header, const QString &lineRate)
{
    if (lineRate.isEmpty())
        return;
    int emptySlot = -1;
    for (int k = 0; k < kSlotCount; ++k) {
        const QString slotRate = header.text(QLatin1StringView(kSlots[k].rate));
        if (slotRate.isEmpty()) {
            if (emptySlot < 0)
                emptySlot = k;
        } else if (slotRate == lineRate) {
            return;
        }
    }
    if (emptySlot < 0)
        return;
    header.edit();
    header.setText(QLatin1StringView(kSlots[emptySlot].rate), lineRate);
    header.post();
}

// Adds one line to every slot whose rate text equals the line's, as the
// slots stand now: a line with an empty rate adds to every empty slot.
void addLine(InvoiceTotals &totals, const TableComponent &header, const TableComponent &line)
{
    const QString lineRate = line.text(QStringLiteral("aliquota"));
    const bool freeGoods = isFreeGoods(line.text(QStringLiteral("tipo_cessione")));
    bool amountRead = false;
    long double amount = 0;
    auto lineAmount = [&] {
        if (!amountRead) {
            amount = DecimalText::readStrict(line.text(QStringLiteral("prezzo_tot")));
            amountRead = true;
        }
        return amount;
    };
    for (int k = 0; k < kSlotCount; ++k) {
        if (header.text(QLatin1StringView(kSlots[k].rate)) != lineRate)
            continue;
        if (freeGoods && k < kFreeGoodsSlotCount) {
            const long double value = lineAmount();
            totals.addFreeGoods(k, value, DecimalText::readStrict(lineRate));
        } else {
            totals.addOrdinary(k, lineAmount());
        }
    }
}

void walkLines(InvoiceTotals &totals, TableComponent &header, TableComponent &lines)
{
    for (lines.first(); !lines.eof(); lines.next()) {
        if (DecimalText::readStrict(lines.text(QStringLiteral("quantita"))) <= 0)
            continue;
        assignSlot(header, lines.text(QStringLiteral("aliquota")));
        addLine(totals, header, lines);
    }
}

void readHeaderValues(InvoiceTotals &totals, const TableComponent &header)
{
    for (int k = 0; k < kSlotCount; ++k)
        totals.rate[k] = toSingle(DecimalText::readLenient(header.text(QLatin1StringView(kSlots[k].rate))));
    totals.expenses1 = toSingle(DecimalText::readLenient(header.text(QStringLiteral("spese"))));
    totals.expenses2 = toSingle(DecimalText::readLenient(header.text(QStringLiteral("spese2"))));
    const QString discountKind = header.text(QStringLiteral("sc_tipo"));
    if (discountKind == u"SC" || discountKind == u"MG")
        totals.discountPercent = toSingle(DecimalText::readLenient(header.text(QStringLiteral("sc_perc"))));
}

void writeAmount(TableComponent &header, const char *column, long double value)
{
    header.setText(QLatin1StringView(column), DecimalText::format(value, kAmountPattern));
}

// Writes the slots that have amounts, the discount and the document total.
// A slot without amounts keeps the empty columns of the clearing and its
// earlier free-goods total.
void writeTotals(InvoiceTotals &totals, TableComponent &header)
{
    for (int k = 0; k < kFreeGoodsSlotCount; ++k) {
        if (totals.discountPercent > 0)
            totals.discount[k] = toSingle(static_cast<long double>(totals.ordinary[k]) * totals.discountPercent / 100);
        if (totals.ordinary[k] > 0 || totals.freeGoods[k] > 0) {
            writeAmount(header, kSlots[k].taxable, totals.ordinary[k]);
            writeAmount(header, kSlots[k].vat, totals.slotVat(k));
            writeAmount(header, kSlots[k].freeGoods, totals.freeGoods[k]);
            totals.vatTotal = toSingle(totals.vatTotal + totals.slotVat(k));
        }
    }
    constexpr int fourth = kSlotCount - 1;
    if (totals.ordinary[fourth] > 0) {
        writeAmount(header, kSlots[fourth].taxable, totals.ordinary[fourth]);
        writeAmount(header, kSlots[fourth].vat, totals.slotVat(fourth));
        totals.vatTotal = toSingle(totals.vatTotal + totals.slotVat(fourth));
    }
    writeAmount(header, "sc_importo",
                static_cast<long double>(totals.discount[0]) + totals.discount[1] + totals.discount[2]);
    writeAmount(header, "tot_doc", totals.documentTotal());
}

} // namespace

void RicalcolaTotali(TDiz &diz)
{
    TableComponent &header = *diz.Testata;
    TableComponent &lines = *diz.Detta;

    clearSlots(header);
    InvoiceTotals totals;
    walkLines(totals, header, lines);
    readHeaderValues(totals, header);
    header.edit();
    writeTotals(totals, header);
    header.post();
}
