#pragma once

class TDiz;

// The two computations of an article, on the current row of Articoli (in
// editing): the amount of the discount ("SC") or surcharge ("MG") from the
// gross amount and the percentage, and the net amount. Working values are
// single precision; amounts are read with their grouping dots. When the
// gross amount or the percentage is not a number, the net amount becomes the
// gross text and nothing else changes.
enum class ArticleSide { Sale, Cost };

void CalcolaPrezzoArticolo(TDiz &diz); // prezzo_unit, sc_perc, sc_tipo -> sc_importo, prezzo_tot
void CalcolaCostoArticolo(TDiz &diz);  // costo_unit, sc_costo_perc, sc_costo_tipo -> sc_costo_importo, costo_tot
void calculateArticle(TDiz &diz, ArticleSide side);
