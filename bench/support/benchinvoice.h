#pragma once

#include <QString>

class TestDatabase;

// The invoice the writer and SdI check benchmarks work on: id_invio
// kBenchInvoice with lines of 22%, a complete company whose files go to
// folder, and valid VAT numbers. Earlier rows are removed first.
constexpr int kBenchInvoice = 42;
void fillStore(TestDatabase &db, const QString &folder, int lines);
