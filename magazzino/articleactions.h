#pragma once

#include "articleamounts.h"

#include <QString>

class TDiz;

// What the articles screen does to Articoli, the current article of the
// data module. Failures throw AppError.

// The list searched as you type, by code or by description, in the order of
// the searched column. The typed text travels as a value. An article being
// edited is saved first.
enum class ArticleSearch { ByCode, ByDescription };
void searchArticles(TDiz &diz, ArticleSearch search, const QString &typed);

// Appends an article with its defaults (PZ, 22 percent, zero amounts, no
// discount type); it is saved when posted, left or when the screen closes.
void newArticle(TDiz &diz);

// Posts the current article if it is being edited or inserted.
void saveArticle(TDiz &diz);

// Leaving one of the four amount fields: the article goes into editing,
// the field's text is read (grouping dots allowed) and written back in its
// pattern, or replaced by the field's fallback when it is not a number;
// then the sale or cost computation runs. Nothing happens without an
// article.
enum class ArticleAmount { SalePrice, SalePercentage, CostPrice, CostPercentage };
void leaveArticleAmount(TDiz &diz, ArticleAmount field);

// Leaving a discount type choice: the article goes into editing and the
// computation runs.
void leaveArticleChoice(TDiz &diz, ArticleSide side);
