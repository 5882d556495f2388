#pragma once

#include "store/decimaltext.h"

#include <array>

// A VAT group of a management header: taxable amount, VAT amount, rate.
struct SourceVatSlot
{
    double taxable = 0;
    double vat = 0;
    double rate = 0;
};

// One of the four VAT slots of a store header as the import fills it, in
// single precision.
struct VatSlot
{
    Single taxable = 0;
    Single vat = 0;
    Single rate = 0;
};

// Picks the store's four slots from the five source slots: slot k takes the
// first source slot from k on with a VAT amount above 0 and a rate that no
// earlier slot holds; a repeated rate is passed over, amounts and all. A
// slot that finds nothing stays 0, 0, 0.
std::array<VatSlot, 4> chooseVatSlots(const std::array<SourceVatSlot, 5> &source);
