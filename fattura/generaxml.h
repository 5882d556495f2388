#pragma once

#include <QString>

class TDiz;

// Write the current invoice (Testata, its lines in Detta, the company in
// AziendaT) as a FatturaPA file into the company's folder, store the file's
// name in nome_file and return the file's full path. GeneraXmlPrivati
// writes the "FPR12" file for private recipients, GeneraXmlPA the "FPA12"
// file for public administrations, with split payment. Failures throw
// AppError; a file of the same name written earlier stays as it was.
QString GeneraXmlPrivati(TDiz &diz);
QString GeneraXmlPA(TDiz &diz);
