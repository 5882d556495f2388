#include "import/vatslots.h"

std::array<VatSlot, 4> chooseVatSlots(const std::array<SourceVatSlot, 5> &source)
{
    std::array<VatSlot, 4> chosen{};
    for (int k = 0; k < int(chosen.size()); ++k) {
        for (int i = k; i < int(source.size()); ++i) {
            const SourceVatSlot &candidate = source[i];
            if (!(candidate.vat > 0))
                continue;
            bool repeated = false;
            for (int j = 0; j < k; ++j)
                repeated = repeated || candidate.rate == double(chosen[j].rate);
            if (repeated)
                continue;
            chosen[k] = {toSingle(candidate.taxable), toSingle(candidate.vat), toSingle(candidate.rate)};
            break;
        }
    }
    return chosen;
}
