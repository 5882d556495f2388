#pragma once

class TDiz;

// Recomputes the current invoice of Testata from the lines Detta shows for
// it: up to four VAT slots (rate, taxable amount, VAT, free-goods total), the
// header discount amount and the document total, and posts the header with
// them (with any change the user had pending). Detta is left on its last
// line. A quantity, amount or free-goods rate that is not a number stops the
// computation at that line with the conversion error (AppError); the header
// then holds what was posted up to there.
void RicalcolaTotali(TDiz &diz);
