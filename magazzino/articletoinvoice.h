#pragma once

class TDiz;

// Adds the current article as a line (quantity 1, numbered after the last
// line) of the current invoice, then rewrites the first two VAT slots of the
// header from the invoice's lines: the first two rates met in line order,
// compared as text, each with its taxable sum and tax; lines at any other
// rate are in neither slot and tot_doc stays as it was until the totals are
// next recomputed. A line total or a header rate that is not a number stops
// the action with the conversion error, the two slots left empty.
void addArticleToInvoice(TDiz &diz);
