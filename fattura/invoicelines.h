#pragma once

#include <QString>

class TableComponent;
class TDiz;

// The fifteen texts of the line entry panel, as "Registra" writes them
// into a dettaglio row.
struct LineValues
{
    QString descrizione, codice_tipo, codice_val, um, prezzo_unit;
    QString sc_tipo, tipo_cessione, ritenuta, natura;
    QString sc_perc, sc_importo, prezzo_tot, rif_amm, aliquota, quantita;
};

// The texts of the current line of Detta, for the panel opened on it.
LineValues currentLineValues(const TableComponent &detta);

// The number of a new line: the last listed line's prog + 1, or 1 when the
// invoice has no line or the last one has no number. Leaves Detta on its
// last line. Lines are never renumbered, so gaps stay.
int nextLineNumber(TableComponent &detta);

// Stores the panel into a new line of the current invoice (numbered by
// nextLineNumber) or into the current line, posts it and recomputes the
// invoice's totals. Modifying with no current line is refused with an
// Italian message and writes nothing. Errors (AppError) stop where they
// arise; what was posted before stays.
void storeLine(TDiz &diz, bool newLine, const LineValues &values);
